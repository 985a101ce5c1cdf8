#include "game/PhraseTables.h"

#include "game/Translatable.h"

namespace game {

// Places, stores, the report as text, and the workspace's restore points and fixes.
// clang-format off
const std::array<PhraseEntry, ReportPhraseCount> ReportPhrases{{
    {Phrase::PlaceGame, {"game", QT_TRANSLATE_NOOP("game", "the game")}},
    {Phrase::PlaceLaunchOptions, {"game", QT_TRANSLATE_NOOP("game", "launch options")}},
    //: A script and a line of it: "cstrike/config.cfg line 12".
    {Phrase::PlaceLine, {"game", QT_TRANSLATE_NOOP("game", "%1 line %2")}},
    //: Places in a list: "cstrike/a.cfg line 1, cstrike/b.cfg line 4".
    {Phrase::PlaceList, {"game", QT_TRANSLATE_NOOP("game", "%1, %2")}},
    //: Where something stands, and what it is: "cstrike/config.cfg line 3: ...".
    {Phrase::Placed, {"game", QT_TRANSLATE_NOOP("game", "%1: %2")}},
    //: Where a command stands, the command, and why it never takes effect.
    {Phrase::PlacedCommand, {"game", QT_TRANSLATE_NOOP("game", "%1: %2: %3")}},
    {Phrase::StoreOwn, {"game", QT_TRANSLATE_NOOP("game", "its own store")}},
    {Phrase::StoreWindows, {"game", QT_TRANSLATE_NOOP("game",
     "the Windows registry (HKEY_CURRENT_USER\\Software\\Valve\\Steam, Rate)")}},
    {Phrase::StoreWine, {"game", QT_TRANSLATE_NOOP("game", "the Wine prefix's registry (%1)")}},
    {Phrase::ReportStartup, {"game", QT_TRANSLATE_NOOP("game", "Start-up of the game in %1")}},
    {Phrase::ReportTampering, {"game", QT_TRANSLATE_NOOP("game", "Signs of tampering:")}},
    {Phrase::ReportCost, {"game", QT_TRANSLATE_NOOP("game", "What some settings cost you:")}},
    {Phrase::ReportUnreadable, {"game", QT_TRANSLATE_NOOP("game", "Scripts the program cannot read:")}},
    {Phrase::ReportMissing, {"game", QT_TRANSLATE_NOOP("game", "Scripts that are missing:")}},
    {Phrase::ReportRefused, {"game", QT_TRANSLATE_NOOP("game", "Lines the game refuses:")}},
    {Phrase::ReportLoop, {"game", QT_TRANSLATE_NOOP("game", "Scripts that run themselves:")}},
    {Phrase::ReportLimit, {"game", QT_TRANSLATE_NOOP("game", "Limits reached:")}},
    {Phrase::ReportIneffective, {"game", QT_TRANSLATE_NOOP("game", "Lines that never take effect:")}},
    {Phrase::ReportScripts, {"game", QT_TRANSLATE_NOOP("game", "Scripts, in the order the game runs them:")}},
    {Phrase::ReportStandardValveRc, {"game", QT_TRANSLATE_NOOP("game",
     "valve.rc is in neither cstrike nor valve: read as the standard one, exec autoexec.cfg then the launch "
     "options")}},
    //: A script in the order the game runs them: "1. cstrike/config.cfg".
    {Phrase::ReportScript, {"game", QT_TRANSLATE_NOOP("game", "%1. %2")}},
    {Phrase::ReportScriptRun, {"game", QT_TRANSLATE_NOOP("game", "%1. %2 (run %3 of this file)")}},
    {Phrase::ReportNone, {"game", QT_TRANSLATE_NOOP("game", "none")}},
    {Phrase::ReportNoLaunchOptions, {"game", QT_TRANSLATE_NOOP("game", "Launch options: none given")}},
    {Phrase::ReportLaunchOptions, {"game", QT_TRANSLATE_NOOP("game", "Launch options: %1")}},
    {Phrase::ReportLaunchOptionsEmpty, {"game", QT_TRANSLATE_NOOP("game", "Launch options: none")}},
    {Phrase::ReportFrom, {"game", QT_TRANSLATE_NOOP("game", "from %1")}},
    {Phrase::ReportFromSteamUser, {"game", QT_TRANSLATE_NOOP("game",
     "from %1 (Steam user %2, whose file changed last of %3)")}},
    {Phrase::ReportSettings, {"game", QT_TRANSLATE_NOOP("game", "Settings as the game will have them:")}},
    //: A setting, its value and the line that set it: cl_cmdrate "101"  cstrike/config.cfg line 4
    {Phrase::ReportSetting, {"game", QT_TRANSLATE_NOOP("game", "%1 \"%2\"  %3")}},
    {Phrase::ReportSettingToday, {"game", QT_TRANSLATE_NOOP("game", "%1 \"%2\"  %3: %4")}},
    //: The English says "lines" for one as well.
    {Phrase::ReportLeftOut, {"game", QT_TRANSLATE_N_NOOP("game", "%n more lines, settings or warnings left out")}},
    {Phrase::ReportRate, {"game", QT_TRANSLATE_NOOP("game", "Rate kept by the game:")}},
    {Phrase::ReportRateRead, {"game", QT_TRANSLATE_NOOP("game",
     "after the scripts the game sets rate to \"%1\", the rate it kept in %2 when it last quit")}},
    {Phrase::ReportRateNone, {"game", QT_TRANSLATE_NOOP("game",
     "%1 holds no rate: the scripts' rate holds, and the game keeps it there when it quits")}},
    {Phrase::ReportRateUnknown, {"game", QT_TRANSLATE_NOOP("game",
     "the game may put back the rate it kept in %1 at its last quit, which this program cannot read: a rate "
     "set in a script may not take effect")}},
    {Phrase::PointsNone, {"workspace", QT_TRANSLATE_NOOP("workspace", "The game folder %1 has no restore points yet.")}},
    {Phrase::PointsHeading, {"workspace", QT_TRANSLATE_NOOP("workspace", "Restore points of %1, newest first:")}},
    //: A restore point: its id, its time, and what made it (apply, uninstall, restore, fix).
    {Phrase::PointMade, {"workspace", QT_TRANSLATE_NOOP("workspace", "%1  %2  made before %3")}},
    {Phrase::PointMadeDamaged, {"workspace", QT_TRANSLATE_NOOP("workspace",
     "%1  %2  made before %3  damaged: it cannot be restored")}},
    {Phrase::PointDamaged, {"workspace", QT_TRANSLATE_NOOP("workspace", "%1  damaged: it cannot be restored")}},
    {Phrase::RestoreDone, {"workspace", QT_TRANSLATE_NOOP("workspace",
     "The game's scripts are back as they were at restore point %1. What they held before is kept as a new "
     "restore point.")}},
    {Phrase::RestoreUnknown, {"workspace", QT_TRANSLATE_NOOP("workspace",
     "This game folder has no restore point %1. Nothing was changed. `zentrimo --restore-points` lists them.")}},
    {Phrase::RestoreDamaged, {"workspace", QT_TRANSLATE_NOOP("workspace",
     "Restore point %1 is damaged: its files are not as they were written, so it cannot be restored. Nothing "
     "was changed.")}},
    {Phrase::GameRunning, {"workspace", QT_TRANSLATE_NOOP("workspace",
     "Counter-Strike is running. Close it first: it saves its settings when it quits, and would undo the "
     "uninstall.")}},
    {Phrase::RestoreGameRunning, {"workspace", QT_TRANSLATE_NOOP("workspace",
     "Counter-Strike is running. Close it first: it saves its settings when it quits, and would undo the "
     "uninstall. Nothing was changed.")}},
    {Phrase::RestoreNoChange, {"workspace", QT_TRANSLATE_NOOP("workspace",
     "Restoring this point changes nothing: every file is as it holds it.")}},
    {Phrase::QuitUnreadable,
     {"workspace", QT_TRANSLATE_NOOP("workspace", "The lines of this run could not be read: %1")}},
    {Phrase::QuitGameRunning,
     {"workspace",
      QT_TRANSLATE_NOOP("workspace", "Counter-Strike is running: the settings take effect at its next start.")}},
    //: The head of a change in a diff: "@@ line 12 @@".
    {Phrase::DiffLine, {"workspace", QT_TRANSLATE_NOOP("workspace", "@@ line %1 @@")}},
}};
// clang-format on

} // namespace game
