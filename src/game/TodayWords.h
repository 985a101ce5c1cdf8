#pragma once

#include "game/Message.h"
#include "game/TodaysGame.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The words for what today's game does with a line: one phrasing a fate, read by the page notes, the
// preview before applying and the report alike.
namespace game {

// What the game makes of `value` for the row. A fact of low confidence is worded "may".
Message fateMessage(const Setting& row, const Verdict& verdict, std::string_view value);

// What the value costs the player, when it costs something.
std::optional<Message> costMessage(const Setting& row, const Verdict& verdict, std::string_view value);

// What happens to any value of the row after the scripts have run, when something does.
std::optional<Message> afterScriptsMessage(const Setting& row);

// Why a line never takes effect, in any game, when it never does: the fate's sentence.
std::optional<Message> neverTakesEffect(const Setting& row, const Verdict& verdict, std::string_view value);

// Every sentence on a line in turn: fate, cost unless left out, what follows the scripts.
std::vector<Message> todayMessages(const Setting& row, const Verdict& verdict, std::string_view value,
                                   bool withCost = true);

// Sentences in English, a blank between them.
std::string englishSentences(const std::vector<Message>& messages);
std::string todaySentences(const Setting& row, const Verdict& verdict, std::string_view value,
                           bool withCost = true);

} // namespace game
