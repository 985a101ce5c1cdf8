// The report's fixes applied to whole folders, one kind of problem a folder: every byte of every file
// afterwards, the report afterwards, and nothing changed by a preview or while the game runs.
#include "WorkspaceTestGame.h"

#include "files/FileError.h"
#include "game/ReportFixes.h"
#include "game/StartupReport.h"
#include "workspace/ApplyFixes.h"
#include "workspace/Workspace.h"

#include <algorithm>
#include <map>

namespace {

using Files = std::map<std::string, std::string>; // path from the game root, bytes

const std::string Rc = "exec autoexec.cfg\r\nstuffcmds\r\n";

struct FixCase {
    const char* what;
    Files before;
    std::vector<std::string> ids; // the fixes the report proposes, in order
    Files changed;                // the files the fixes change, as they are afterwards
};

const FixCase FixCases[] = {
    {"a hijacked key, bound back to the default the game ships",
     {{"cstrike/config.cfg",
       "unbindall\r\nbind \"MOUSE1\" \"connect 203.0.113.7\"\r\nbind \"w\" \"+forward\"\r\n"
       "exec userconfig.cfg\r\n"},
      {"valve/gfx/shell/kb_def.lst", "\"w\"        \"+forward\"\r\n\"MOUSE1\"   \"+attack\"\r\n"}},
     {"tampering-cstrike/config.cfg-2"},
     {{"cstrike/config.cfg",
       "unbindall\r\nbind \"MOUSE1\" \"+attack\"\r\nbind \"w\" \"+forward\"\r\nexec userconfig.cfg\r\n"}}},
    {"a key with no default left unbound, an alias taken out, line ends as they were",
     {{"cstrike/config.cfg", "bind \"F1\" \"say hi; retry\"\nalias \"go\" \"connect 1.2.3.4\"\nname \"a\"\n"
                             "exec userconfig.cfg\n"}},
     {"tampering-cstrike/config.cfg-1", "tampering-cstrike/config.cfg-2"},
     {{"cstrike/config.cfg", "name \"a\"\nexec userconfig.cfg\n"}}},
    {"connect in autoexec.cfg and in userconfig.cfg",
     {{"cstrike/autoexec.cfg", "// mine\r\nconnect 1.2.3.4\r\nfps_max 100\r\n"},
      {"cstrike/config.cfg", "exec userconfig.cfg\r\n"},
      {"cstrike/userconfig.cfg", "connect \"1.2.3.4\""}},
     {"tampering-cstrike/autoexec.cfg-2", "tampering-cstrike/userconfig.cfg-1"},
     {{"cstrike/autoexec.cfg", "// mine\r\nfps_max 100\r\n"}, {"cstrike/userconfig.cfg", ""}}},
    {"commands after exec userconfig.cfg, the last without a line end",
     {{"cstrike/config.cfg",
       "gamma \"2.2\"\r\nexec userconfig.cfg\r\nbind \"TAB\" \"x\"\r\n// note\r\nname \"a\""}},
     {"tampering-cstrike/config.cfg-after-userconfig"},
     {{"cstrike/config.cfg", "gamma \"2.2\"\r\nexec userconfig.cfg\r\n// note\r\n"}}},
    {"servers let run commands",
     {{"cstrike/config.cfg", "cl_filterstuffcmd \"0\"\r\nexec userconfig.cfg\r\n"}},
     {"filterstuffcmd-cstrike/config.cfg-1"},
     {{"cstrike/config.cfg", "cl_filterstuffcmd \"1\"\r\nexec userconfig.cfg\r\n"}}},
    {"own lines config.cfg sets again, moved in order before exec zentrimo.cfg",
     {{"cstrike/autoexec.cfg", "m_filter 0\r\ngamma 2\r\ngamma 2.5\r\n"},
      {"cstrike/config.cfg", "gamma \"2.2\"\r\nm_filter \"1\"\r\nexec userconfig.cfg\r\n"},
      {"cstrike/userconfig.cfg", "echo hi\r\nexec zentrimo.cfg\r\n"}},
     {"never-wins-m_filter", "never-wins-gamma"},
     {{"cstrike/autoexec.cfg", ""},
      {"cstrike/userconfig.cfg", "echo hi\r\nm_filter 0\r\ngamma 2.5\r\nexec zentrimo.cfg\r\n"}}},
    {"an own line moved to a userconfig.cfg made for it",
     {{"cstrike/autoexec.cfg", "hisound 0\n"},
      {"cstrike/config.cfg", "hisound \"1\"\nexec userconfig.cfg\n"}},
     {"never-wins-hisound"},
     {{"cstrike/autoexec.cfg", ""}, {"cstrike/userconfig.cfg", "hisound 0\r\n"}}},
    {"lines naming settings today's game does not have",
     {{"cstrike/autoexec.cfg", "gl_ztrick 1\r\ns_eax 1\r\nfps_max 100\r\ngl_ztrick \"0\"\r\ns_reverb 1\r\n"},
      {"cstrike/config.cfg", "exec userconfig.cfg\r\n"}},
     {"ignored-gl_ztrick", "ignored-s_eax"},
     {{"cstrike/autoexec.cfg", "fps_max 100\r\ns_reverb 1\r\n"}}},
};

class FixFolder : public GameFolder {
public:
    explicit FixFolder(const Files& files) {
        fs::create_directories(folder() / "valve");
        writeBytes(folder() / "valve" / "valve.rc", Rc);
        for (const auto& [path, bytes] : files) {
            fs::create_directories((folder() / path).parent_path());
            writeBytes(folder() / path, bytes);
        }
    }

    Files files() const {
        Files all;
        for (const auto& entry : fs::recursive_directory_iterator(folder()))
            if (entry.is_regular_file())
                all[fs::relative(entry.path(), folder()).generic_string()] = *readBytes(entry.path());
        return all;
    }

    std::vector<game::Fix> fixes() const {
        return game::proposedFixes(game::readStartup(folder(), std::nullopt), folder());
    }
};

std::vector<std::string> idsOf(const std::vector<game::Fix>& fixes) {
    std::vector<std::string> ids;
    for (const game::Fix& fix : fixes)
        ids.push_back(fix.id);
    return ids;
}

bool neverRunning(const files::GameFolder&) {
    return false;
}

} // namespace

TEST(ReportFixes, EachFixChangesItsLinesAndNoOtherByte) {
    for (const FixCase& c : FixCases) {
        const FixFolder game(c.before);
        const auto fixes = game.fixes();
        EXPECT_EQ(idsOf(fixes), c.ids) << c.what;
        Files expected = game.files();
        for (const auto& [path, bytes] : c.changed)
            expected[path] = bytes;

        const Files untouched = game.files();
        workspace::plannedChanges(game.root(), fixes);
        EXPECT_EQ(game.files(), untouched) << c.what << ": changed by the preview";
        EXPECT_EQ(workspace::applyFixes(game.root(), fixes, [](const files::GameFolder&) { return true; }),
                  workspace::FixOutcome::GameRunning);
        EXPECT_EQ(game.files(), untouched) << c.what << ": changed while the game runs";

        EXPECT_EQ(workspace::applyFixes(game.root(), fixes, neverRunning), workspace::FixOutcome::Applied);
        EXPECT_EQ(game.files(), expected) << c.what;
        const game::StartupReport after = game::readStartup(game.folder(), std::nullopt);
        EXPECT_TRUE(game::proposedFixes(after, game.folder()).empty()) << c.what;
        EXPECT_TRUE(std::ranges::none_of(after.warnings, [](const game::Warning& w) {
            return w.kind == game::WarningKind::Tampering;
        })) << c.what;
    }
}

TEST(ReportFixes, AFileChangedSinceTheReportIsNotTouched) {
    const FixFolder game({{"cstrike/autoexec.cfg", "connect 1.2.3.4\r\n"},
                          {"cstrike/config.cfg", "cl_filterstuffcmd \"0\"\r\nexec userconfig.cfg\r\n"}});
    const auto fixes = game.fixes();
    writeBytes(game.script(), "connect 5.6.7.8\r\n");
    const Files before = game.files();
    EXPECT_THROW(workspace::applyFixes(game.root(), fixes, neverRunning), files::FileError);
    EXPECT_EQ(game.files(), before);
}

TEST(ReportFixes, TheDiffShowsEachLineTakenOutAndPutIn) {
    const FixFolder game(FixCases[5].before);
    EXPECT_EQ(workspace::diffText(game.fixes()), "--- cstrike/autoexec.cfg\n+++ cstrike/autoexec.cfg\n"
                                                 "@@ line 1 @@\n-m_filter 0\n@@ line 2 @@\n-gamma 2\n"
                                                 "@@ line 3 @@\n-gamma 2.5\n"
                                                 "--- cstrike/userconfig.cfg\n+++ cstrike/userconfig.cfg\n"
                                                 "@@ line 2 @@\n+m_filter 0\n@@ line 2 @@\n+gamma 2.5\n");
}

// With the tweak installed the player's own lines stand in the backup too: the fix holds through the
// next run and Uninstall; the program's own lines are not the player's to fix.
TEST(ReportFixes, AFixWhileTheTweakIsInstalledSurvivesTheNextRunAndUninstall) {
    const FixFolder game({{"cstrike/autoexec.cfg", "gamma 2.5\r\n"},
                          {"cstrike/config.cfg", "gamma \"2.2\"\r\nexec userconfig.cfg\r\n"}});
    workspace::PrepareWorkspace(game.root(), {"gl_ztrick \"1\""});
    workspace::ApplyWorkspace(game.root());
    const auto fixes = game.fixes();
    ASSERT_EQ(idsOf(fixes), std::vector<std::string>{"never-wins-gamma"});
    ASSERT_EQ(workspace::applyFixes(game.root(), fixes, neverRunning), workspace::FixOutcome::Applied);
    EXPECT_EQ(readBytes(game.backup()), "");
    EXPECT_EQ(readBytes(game.script()), bannerBytes() + "gl_ztrick \"1\"\r\n");
    EXPECT_EQ(readBytes(game.userConfig()), "gamma 2.5\r\nexec zentrimo.cfg\r\n");

    workspace::PrepareWorkspace(game.root(), {});
    workspace::ApplyWorkspace(game.root());
    EXPECT_EQ(readBytes(game.script()), bannerBytes());
    EXPECT_TRUE(game.fixes().empty());
    EXPECT_EQ(workspace::UninstallTweak(game.root()), workspace::UninstallResult::Restored);
    EXPECT_EQ(readBytes(game.script()), "");
    EXPECT_EQ(readBytes(game.userConfig()), "gamma 2.5\r\n");
}
