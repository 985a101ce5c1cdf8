#pragma once

#include "game/ReportFixes.h"
#include "game/StartupReport.h"

#include <string>
#include <string_view>

// A start-up report for a person and for scripts.
namespace game {

// Text in short sections: the scripts that ran; the settings as the game will have them,
// each with the line that sets it; the lines that never take effect, and why; the warnings.
// words: the wording of the program's language; English unless given.
std::string reportText(const StartupReport& report, const Wording& words);
std::string reportText(const StartupReport& report);

// The sentences the report gives a setting: what the game does with it, its cost unless left out, what
// follows the scripts.
std::vector<Message> settingMessages(const VariableSetting& setting, bool withCost);

// One JSON object holding the same, settings by name, and the fixes proposed for it; the same report gives
// the same bytes.
std::string reportJson(const StartupReport& report, const std::vector<Fix>& fixes);

// Text from a script as a terminal may show it: control characters and bytes that are not UTF-8 as \xNN.
std::string shownText(std::string_view text);

// Text as a JSON string, quotes included. A byte that is not part of valid UTF-8 is written as
// \u00XX, its value read as Latin-1, so that the output is always valid JSON.
std::string jsonString(std::string_view text);

} // namespace game
