#pragma once

#include "game/TodaysGame.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The words for what today's game does with a line: one phrasing a fate, read by the page notes, the
// preview before applying and the report alike. Each phrase is a whole sentence with placeholders %1,
// %2, ...; English is the source text, which the windows and the console may translate by its id.
namespace game {

enum class Phrase {
    TakesEffect,
    NotInGame,
    NotInGameMaybe,
    Forced,
    NoEffect,
    Replaced,
    Changed,
    ChangedInMultiplayer,
    RefusedInMultiplayer,
    PutBack,
    PutBackMaybe,
    Cost,
    CostMaybe,
    DefaultIsFirstOption,
    DefaultIsSecondOption,
    DefaultIsThirdOption,
    DefaultIsLastOption,
    UnknownLine,
    RunWroteNothing,
    RunCounts,
    RunCountsUnknown,
    FixRebindKey,
    FixUnbindKey,
    FixRemoveAlias,
    FixRemoveConnect,
    FixAfterUserconfig,
    FixAfterUserconfigOne,
    FixFilterStuffCmd,
    FixMoveToUserconfig,
    FixRemoveIgnored,
};

// A phrase and the words that fill its placeholders, in order.
struct Message {
    Phrase phrase;
    std::vector<std::string> arguments;
};

// The English source of a phrase.
std::string_view englishOf(Phrase phrase);

// The phrase with %1, %2, ... replaced by the arguments.
std::string filled(std::string_view pattern, const std::vector<std::string>& arguments);
std::string english(const Message& message);

// What the game makes of `value` for the row. A fact of low confidence is worded "may".
Message fateMessage(const Setting& row, const Verdict& verdict, std::string_view value);

// What the value costs the player, when it costs something.
std::optional<Message> costMessage(const Setting& row, const Verdict& verdict, std::string_view value);

// What happens to any value of the row after the scripts have run, when something does.
std::optional<Message> afterScriptsMessage(const Setting& row);

// Why a line never takes effect, in any game, when it never does: the fate's sentence.
std::optional<std::string> neverTakesEffect(const Setting& row, const Verdict& verdict,
                                            std::string_view value);

// Every sentence on a line in turn (fate, cost unless left out, what follows the scripts) in English, a
// blank between them.
std::string todaySentences(const Setting& row, const Verdict& verdict, std::string_view value,
                           bool withCost = true);

} // namespace game
