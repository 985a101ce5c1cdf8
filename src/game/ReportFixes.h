#pragma once

#include "game/LineEdits.h"
#include "game/StartupReport.h"
#include "game/TodayWords.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The edits that mend what the report finds, as data: each fix names the lines it changes and the bytes
// they hold before and after, so that a window and the console can show them and the workspace apply them.
namespace game {

enum class FixKind { Tampering, NeverWins, Ignored, FilterStuffCmd };

struct Fix {
    std::string id; // the same for the same folder
    FixKind kind;
    ScriptPlace place; // the line the report names
    Message text;
    std::vector<LineEdit> edits;
};

// Where the game itself keeps what it ships (the file game/ReportFixes.cpp reads the keys' defaults from).
inline constexpr std::string_view DefaultBindingsFile = "gfx/shell/kb_def.lst";

// The fixes for the report of the folder at gameRoot, most serious first; none edits a line another edits.
std::vector<Fix> proposedFixes(const StartupReport& report, const std::filesystem::path& gameRoot);

// Names a kind as the JSON writes it: "tampering", "never-wins", "ignored", "filterstuffcmd".
std::string_view fixKindName(FixKind kind);

} // namespace game
