#include "game/PhraseTables.h"

#include "game/Translatable.h"

namespace game {

// What today's game does with a line, and the fixes. The player's words come first, the console name after
// them; a line that does nothing says to press "Skip setting", a changed value says what it becomes.
// clang-format off
const std::array<PhraseEntry, TodayPhraseCount> TodayPhrases{{
    {Phrase::TakesEffect, {"game", QT_TRANSLATE_NOOP("game", "%1 (%2) takes effect.")}},
    {Phrase::NotInGame, {"game", QT_TRANSLATE_NOOP("game",
     "Today's game has no %1 (%2) and ignores the line without a word: press \"Skip setting\", or delete the line from your script. %3")}},
    {Phrase::NotInGameMaybe, {"game", QT_TRANSLATE_NOOP("game",
     "Today's game may have no %1 (%2) and then ignores the line without a word: press \"Skip setting\", or delete the line from your script. %3")}},
    {Phrase::Forced, {"game", QT_TRANSLATE_NOOP("game",
     "Today's game always uses %3 for %1 (%2), whatever a script sets: press \"Skip setting\", or delete the line from your script.")}},
    {Phrase::NoEffect, {"game", QT_TRANSLATE_NOOP("game",
     "%1 (%2) has no effect in today's game: press \"Skip setting\", or delete the line from your script. %3")}},
    {Phrase::Replaced, {"game", QT_TRANSLATE_NOOP("game",
     "At every map, today's game replaces %1 (%2) with your own saved setting %3 (%4 in a game with one "
     "slot): press \"Skip setting\" and set %3 in the game's console instead.")}},
    {Phrase::Changed, {"game", QT_TRANSLATE_NOOP("game", "Today's game uses %3 for %1 (%2), not %4.")}},
    {Phrase::ChangedInMultiplayer, {"game", QT_TRANSLATE_NOOP("game",
     "On a server with more than one slot, bots included, today's game uses %3 for %1 (%2), not %4.")}},
    {Phrase::RefusedInMultiplayer, {"game", QT_TRANSLATE_NOOP("game",
     "Today's game refuses %1 (%2) on any server with more than one slot, even an empty one or a bot game: "
     "it works only in a game with one slot.")}},
    {Phrase::PutBack, {"game", QT_TRANSLATE_NOOP("game",
     "Right after the scripts, today's game puts back the %1 (%2) it kept at its last quit: set it in the "
     "game's console while you play, and the game keeps that one.")}},
    {Phrase::PutBackMaybe, {"game", QT_TRANSLATE_NOOP("game",
     "Right after the scripts, today's game may put back the %1 (%2) it kept at its last quit: set it in the "
     "game's console while you play, and the game keeps that one.")}},
    {Phrase::Cost, {"game", QT_TRANSLATE_NOOP("game", "With %1 (%2) at %3, expect %4.")}},
    {Phrase::CostMaybe, {"game", QT_TRANSLATE_NOOP("game", "With %1 (%2) at %3, you may get %4.")}},
    {Phrase::DefaultIsFirstOption, {"game", QT_TRANSLATE_NOOP("game", "The game's own default is the first option.")}},
    {Phrase::DefaultIsSecondOption, {"game", QT_TRANSLATE_NOOP("game", "The game's own default is the second option.")}},
    {Phrase::DefaultIsThirdOption, {"game", QT_TRANSLATE_NOOP("game", "The game's own default is the third option.")}},
    {Phrase::DefaultIsLastOption, {"game", QT_TRANSLATE_NOOP("game", "The game's own default is the last option.")}},
    {Phrase::UnknownLine, {"game", QT_TRANSLATE_NOOP("game", "Zentrimo does not know what today's game does with this line.")}},
    {Phrase::RunWroteNothing, {"game", QT_TRANSLATE_NOOP("game", "This run wrote no lines.")}},
    {Phrase::RunCounts, {"game", QT_TRANSLATE_NOOP("game",
     "Lines: %1. They take effect: %2. Changed by the game: %3. Without effect: %4. Not in today's game: %5.")}},
    {Phrase::RunCountsUnknown, {"game", QT_TRANSLATE_NOOP("game",
     "Lines: %1. They take effect: %2. Changed by the game: %3. Without effect: %4. Not in today's game: %5. "
     "Unknown to Zentrimo: %6.")}},
    {Phrase::FixRebindKey, {"game", QT_TRANSLATE_NOOP("game",
     "The key %1 joins a server (%3), and a server may have bound it so: bind it back to the game's own %2.")}},
    {Phrase::FixUnbindKey, {"game", QT_TRANSLATE_NOOP("game",
     "The key %1 joins a server (%2), and a server may have bound it so: take the line out; the game names no "
     "default for the key, so it is left unbound.")}},
    {Phrase::FixRemoveAlias, {"game", QT_TRANSLATE_NOOP("game",
     "The alias %1 joins a server (%2), and a server may have put it there: take the line out.")}},
    {Phrase::FixRemoveConnect, {"game", QT_TRANSLATE_NOOP("game",
     "%1 joins a server whenever the game starts (%2), and a server may have put it there: take the line out.")}},
    {Phrase::FixAfterUserconfig, {"game", QT_TRANSLATE_N_NOOP("game",
     "%1 holds %n lines after exec userconfig.cfg, where the game writes none, and a server may have added "
     "them: take them out."),
     "%1 holds a line after exec userconfig.cfg, where the game writes none, and a server may have added it: "
     "take it out."}},
    {Phrase::FixFilterStuffCmd, {"game", QT_TRANSLATE_NOOP("game",
     "Servers may run commands in your game that the filter (cl_filterstuffcmd) would stop (%1): set it to 1.")}},
    {Phrase::FixMoveToUserconfig, {"game", QT_TRANSLATE_NOOP("game",
     "Your %1 (%2) at %3 never takes effect, because %5 sets it again: move the line to %4, which runs after "
     "it.")}},
    {Phrase::FixRemoveIgnored, {"game", QT_TRANSLATE_NOOP("game",
     "Today's game has no %1 (%2) and ignores the lines that set it (%3): take them out.")}},
    {Phrase::WarnAfterUserconfig, {"game", QT_TRANSLATE_N_NOOP("game",
     "%n commands after exec userconfig.cfg, where the game writes none: a server may have added them"),
     "%n command after exec userconfig.cfg, where the game writes none: a server may have added them"}},
    {Phrase::WarnExecOneName, {"game", QT_TRANSLATE_NOOP("game", "exec takes one file name: %1")}},
    {Phrase::WarnConnectAtStart, {"game", QT_TRANSLATE_NOOP("game",
     "%1: joins a server whenever the game starts; a server may have put it here")}},
    {Phrase::WarnUnopenableFolder, {"game", QT_TRANSLATE_NOOP("game",
     "%1 is in a folder that may not be opened: the game cannot read it")}},
    //: The game's own console words, as it prints them.
    {Phrase::WarnMissing, {"game", QT_TRANSLATE_NOOP("game", "couldn't exec %1")}},
    {Phrase::WarnExecLoop, {"game", QT_TRANSLATE_NOOP("game",
     "exec %1 runs %2 again while it is still running: the game repeats it until its command buffer (16 KiB) "
     "overflows; its lines are read once here")}},
    {Phrase::WarnNotRegular, {"game", QT_TRANSLATE_NOOP("game", "%1 is not a regular file: skipped")}},
    {Phrase::WarnTooLarge, {"game", QT_TRANSLATE_NOOP("game", "%1 is larger than 64 MiB: skipped")}},
    {Phrase::WarnDenied, {"game", QT_TRANSLATE_NOOP("game", "%1 may not be read: skipped")}},
    {Phrase::WarnNotRead, {"game", QT_TRANSLATE_NOOP("game", "%1 could not be read: skipped")}},
    {Phrase::WarnRunLimit, {"game", QT_TRANSLATE_NOOP("game",
     "start-up runs more than 64 MiB of scripts: not read further")}},
    {Phrase::WarnUtf16, {"game", QT_TRANSLATE_NOOP("game", "%1 is saved as UTF-16: the game reads nothing in it")}},
    {Phrase::WarnStuffcmdsOverflow, {"game", QT_TRANSLATE_NOOP("game",
     "stuffcmds: the command buffer overflows; the launch options are lost")}},
    {Phrase::WarnBindJoins, {"game", QT_TRANSLATE_NOOP("game",
     "bind %1 runs %2: it joins a server; a server may have put it here")}},
    {Phrase::WarnAliasJoins, {"game", QT_TRANSLATE_NOOP("game",
     "alias %1 runs %2: it joins a server; a server may have put it here")}},
    {Phrase::WarnAliasLoop, {"game", QT_TRANSLATE_NOOP("game",
     "%1 runs itself again while it is still running: the game repeats it without end; its commands are read "
     "once here")}},
    {Phrase::WarnAliasOverflow, {"game", QT_TRANSLATE_NOOP("game",
     "%1: the command buffer overflows; the alias is lost")}},
    {Phrase::WarnFilterStuffCmd, {"game", QT_TRANSLATE_NOOP("game",
     "%1: lets servers run commands in your game that 1 would filter out; a server may have set it")}},
    //: The game's own console words, as it prints them.
    {Phrase::WarnExecInvalidPath, {"game", QT_TRANSLATE_NOOP("game", "exec %1: invalid path")}},
    {Phrase::WarnExecNotCfg, {"game", QT_TRANSLATE_NOOP("game", "exec %1: not a .cfg or .rc file")}},
    {Phrase::WhyAliasNameRefused, {"game", QT_TRANSLATE_NOOP("game", "the game refuses %1 as an alias name")}},
    {Phrase::WhySetAgain, {"game", QT_TRANSLATE_NOOP("game", "set again by %1")}},
}};
// clang-format on

} // namespace game
