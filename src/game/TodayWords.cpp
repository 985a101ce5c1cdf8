#include "game/TodayWords.h"

#include <array>
#include <utility>

namespace game {

namespace {

// In the order of Phrase. The player's words come first, the console name after them; a line that does
// nothing says to press "Skip setting", a changed value says what it becomes.
// clang-format off
constexpr std::array<std::pair<Phrase, std::string_view>, 30> Phrases{{
    {Phrase::TakesEffect, "%1 (%2) takes effect."},
    {Phrase::NotInGame,
     "Today's game has no %1 (%2) and ignores the line without a word: press \"Skip setting\", or delete the line from your script. %3"},
    {Phrase::NotInGameMaybe,
     "Today's game may have no %1 (%2) and then ignores the line without a word: press \"Skip setting\", or delete the line from your script. %3"},
    {Phrase::Forced, "Today's game always uses %3 for %1 (%2), whatever a script sets: press \"Skip setting\", or delete the line from your script."},
    {Phrase::NoEffect, "%1 (%2) has no effect in today's game: press \"Skip setting\", or delete the line from your script. %3"},
    {Phrase::Replaced,
     "At every map, today's game replaces %1 (%2) with your own saved setting %3 (%4 in a game with one "
     "slot): press \"Skip setting\" and set %3 in the game's console instead."},
    {Phrase::Changed, "Today's game uses %3 for %1 (%2), not %4."},
    {Phrase::ChangedInMultiplayer,
     "On a server with more than one slot, bots included, today's game uses %3 for %1 (%2), not %4."},
    {Phrase::RefusedInMultiplayer,
     "Today's game refuses %1 (%2) on any server with more than one slot, even an empty one or a bot game: "
     "it works only in a game with one slot."},
    {Phrase::PutBack,
     "Right after the scripts, today's game puts back the %1 (%2) it kept at its last quit: set it in the "
     "game's console while you play, and the game keeps that one."},
    {Phrase::PutBackMaybe,
     "Right after the scripts, today's game may put back the %1 (%2) it kept at its last quit: set it in the "
     "game's console while you play, and the game keeps that one."},
    {Phrase::Cost, "With %1 (%2) at %3, expect %4."},
    {Phrase::CostMaybe, "With %1 (%2) at %3, you may get %4."},
    {Phrase::DefaultIsFirstOption, "The game's own default is the first option."},
    {Phrase::DefaultIsSecondOption, "The game's own default is the second option."},
    {Phrase::DefaultIsThirdOption, "The game's own default is the third option."},
    {Phrase::DefaultIsLastOption, "The game's own default is the last option."},
    {Phrase::UnknownLine, "Zentrimo does not know what today's game does with this line."},
    {Phrase::RunWroteNothing, "This run wrote no lines."},
    {Phrase::RunCounts,
     "Lines: %1. They take effect: %2. Changed by the game: %3. Without effect: %4. Not in today's game: %5."},
    {Phrase::RunCountsUnknown,
     "Lines: %1. They take effect: %2. Changed by the game: %3. Without effect: %4. Not in today's game: %5. "
     "Unknown to Zentrimo: %6."},
    {Phrase::FixRebindKey,
     "The key %1 joins a server (%3), and a server may have bound it so: bind it back to the game's own %2."},
    {Phrase::FixUnbindKey,
     "The key %1 joins a server (%2), and a server may have bound it so: take the line out; the game names no "
     "default for the key, so it is left unbound."},
    {Phrase::FixRemoveAlias,
     "The alias %1 joins a server (%2), and a server may have put it there: take the line out."},
    {Phrase::FixRemoveConnect,
     "%1 joins a server whenever the game starts (%2), and a server may have put it there: take the line out."},
    {Phrase::FixAfterUserconfig,
     "%2 holds %1 lines after exec userconfig.cfg, where the game writes none, and a server may have added "
     "them: take them out."},
    {Phrase::FixAfterUserconfigOne,
     "%2 holds a line after exec userconfig.cfg, where the game writes none, and a server may have added it: "
     "take it out."},
    {Phrase::FixFilterStuffCmd,
     "Servers may run commands in your game that the filter (cl_filterstuffcmd) would stop (%1): set it to 1."},
    {Phrase::FixMoveToUserconfig,
     "Your %1 (%2) at %3 never takes effect, because %5 sets it again: move the line to %4, which runs after "
     "it."},
    {Phrase::FixRemoveIgnored,
     "Today's game has no %1 (%2) and ignores the lines that set it (%3): take them out."},
}};
// clang-format on

constexpr bool inPhraseOrder() {
    for (std::size_t i = 0; i < Phrases.size(); ++i)
        if (Phrases[i].first != static_cast<Phrase>(i))
            return false;
    return true;
}
static_assert(inPhraseOrder(), "each phrase stands at the index of its id");

std::string str(std::string_view text) {
    return std::string(text);
}

bool sure(Confidence confidence) {
    return confidence != Confidence::Low;
}

} // namespace

std::string_view englishOf(Phrase phrase) {
    return Phrases[static_cast<std::size_t>(phrase)].second;
}

std::string filled(std::string_view pattern, const std::vector<std::string>& arguments) {
    std::string text;
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        const char next = at + 1 < pattern.size() ? pattern[at + 1] : '\0';
        if (pattern[at] == '%' && next >= '1' && next <= '9' &&
            static_cast<std::size_t>(next - '1') < arguments.size()) {
            text += arguments[static_cast<std::size_t>(next - '1')];
            ++at;
        } else {
            text += pattern[at];
        }
    }
    // A sentence left empty at the end leaves no blank behind.
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

std::string english(const Message& message) {
    return filled(englishOf(message.phrase), message.arguments);
}

Message fateMessage(const Setting& row, const Verdict& verdict, std::string_view value) {
    std::vector<std::string> arguments{str(row.words), str(row.name)};
    const auto with = [&](Phrase phrase, std::vector<std::string> more) {
        arguments.insert(arguments.end(), more.begin(), more.end());
        return Message{phrase, std::move(arguments)};
    };
    switch (verdict.fate) {
    case Fate::NotInGame:
        return with(sure(row.exists.confidence) ? Phrase::NotInGame : Phrase::NotInGameMaybe,
                    {str(row.gone)});
    case Fate::Forced:
        return with(Phrase::Forced, {verdict.gameUses});
    case Fate::NoEffect:
        return with(Phrase::NoEffect, {str(row.effect.noEffect)});
    case Fate::Replaced:
        return with(Phrase::Replaced, {str(row.effect.replacedBy), str(row.effect.replacedAlone)});
    case Fate::Changed:
        return with(verdict.multiplayerOnly ? Phrase::ChangedInMultiplayer : Phrase::Changed,
                    {verdict.gameUses, str(value)});
    case Fate::RefusedInMultiplayer:
        return with(Phrase::RefusedInMultiplayer, {});
    case Fate::TakesEffect:
        break;
    }
    return with(Phrase::TakesEffect, {});
}

std::optional<Message> costMessage(const Setting& row, const Verdict& verdict, std::string_view value) {
    if (!verdict.risky)
        return std::nullopt;
    return Message{sure(row.risk.confidence) ? Phrase::Cost : Phrase::CostMaybe,
                   {str(row.words), str(row.name), str(value), str(row.risk.cost)}};
}

std::optional<Message> afterScriptsMessage(const Setting& row) {
    if (!row.putBack.value)
        return std::nullopt;
    return Message{sure(row.putBack.confidence) ? Phrase::PutBack : Phrase::PutBackMaybe,
                   {str(row.words), str(row.name)}};
}

std::optional<std::string> neverTakesEffect(const Setting& row, const Verdict& verdict,
                                            std::string_view value) {
    const bool somewhere = verdict.fate == Fate::TakesEffect || verdict.fate == Fate::RefusedInMultiplayer ||
                           (verdict.fate == Fate::Changed && verdict.multiplayerOnly);
    if (somewhere)
        return std::nullopt;
    return english(fateMessage(row, verdict, value));
}

std::string todaySentences(const Setting& row, const Verdict& verdict, std::string_view value,
                           bool withCost) {
    const auto after = afterScriptsMessage(row);
    // "Takes effect" would be untrue of a value the game may put back.
    std::string text =
        verdict.fate == Fate::TakesEffect && after ? "" : english(fateMessage(row, verdict, value));
    for (const auto& more : {withCost ? costMessage(row, verdict, value) : std::nullopt, after})
        if (more)
            text += (text.empty() ? "" : " ") + english(*more);
    return text;
}

} // namespace game
