#include "WorkspaceTestGame.h"
#include "workspace/Workspace.h"

using namespace workspace;
using namespace std::string_literals;

namespace {

const std::string DecalsLine = "r_decals \"200\"\r\n";
const std::string UserScript = "bind w +forward\r\nname \"player\"\r\n";

TEST(WorkspaceFormat, BannerIsTheGoldenElevenLines) {
    ASSERT_EQ(TweakBanner().size(), 11u);
    std::string joined;
    for (const std::string& line : TweakBanner())
        joined += line + "\r\n";
    EXPECT_EQ(joined.size(), 176u);
    EXPECT_EQ(joined, bannerBytes());
}

TEST(WorkspaceFormat, SettingLineQuotesTheValueUnchanged) {
    EXPECT_EQ(SettingLine("r_decals", "200"), "r_decals \"200\"");
    EXPECT_EQ(SettingLine("r_decals", ""), "r_decals \"\"");
    EXPECT_EQ(SettingLine("r_decals", "007"), "r_decals \"007\"");
    EXPECT_EQ(SettingLine("name", " a b "), "name \" a b \"");
}

class WorkspaceLifecycle : public testing::Test {
protected:
    void prepareAndApply(const std::vector<std::string>& lines) {
        PrepareWorkspace(game.root(), lines);
        ApplyWorkspace(game.root());
    }

    GameFolder game;
};

TEST_F(WorkspaceLifecycle, FirstRunWithoutScriptGivesGoldenWorkspaceAndEmptyFiles) {
    PrepareWorkspace(game.root(), {SettingLine("r_decals", "200")});
    EXPECT_EQ(readBytes(game.script()), "");
    EXPECT_EQ(readBytes(game.backup()), "");
    const auto workspaceBytes = readBytes(game.workFile());
    ASSERT_TRUE(workspaceBytes);
    EXPECT_EQ(workspaceBytes->size(), 192u);
    EXPECT_EQ(*workspaceBytes, golden("first-run-decals-200.tmp"));
}

TEST_F(WorkspaceLifecycle, SkippedFirstPageStillWritesTheBanner) {
    PrepareWorkspace(game.root(), {});
    EXPECT_EQ(readBytes(game.workFile()), bannerBytes());
}

TEST_F(WorkspaceLifecycle, FirstRunBacksUpTheUsersScript) {
    writeBytes(game.script(), UserScript);
    PrepareWorkspace(game.root(), {SettingLine("r_decals", "200")});
    EXPECT_EQ(readBytes(game.script()), UserScript);
    EXPECT_EQ(readBytes(game.backup()), UserScript);
    EXPECT_EQ(readBytes(game.workFile()), UserScript + bannerBytes() + DecalsLine);
}

TEST_F(WorkspaceLifecycle, LaterRunStartsFromTheBackupNotFromHandEdits) {
    writeBytes(game.script(), UserScript);
    prepareAndApply({SettingLine("r_decals", "200")});
    const std::string handEdited = UserScript + bannerBytes() + DecalsLine + "bind x +jump\r\n";
    writeBytes(game.script(), handEdited);

    PrepareWorkspace(game.root(), {SettingLine("r_decals", "500")});
    EXPECT_EQ(readBytes(game.script()), handEdited);
    EXPECT_EQ(readBytes(game.backup()), UserScript);
    EXPECT_EQ(readBytes(game.workFile()), UserScript + bannerBytes() + "r_decals \"500\"\r\n");
}

TEST_F(WorkspaceLifecycle, LaterRunRecreatesAMissingScriptEmpty) {
    writeBytes(game.backup(), UserScript);
    PrepareWorkspace(game.root(), {});
    EXPECT_EQ(readBytes(game.script()), "");
    EXPECT_EQ(readBytes(game.backup()), UserScript);
    EXPECT_EQ(readBytes(game.workFile()), UserScript + bannerBytes());
}

TEST_F(WorkspaceLifecycle, WorkspaceLeftFromAnEarlierRunIsReplaced) {
    writeBytes(game.script(), UserScript);
    PrepareWorkspace(game.root(), {"rate \"9999\""});
    PrepareWorkspace(game.root(), {});
    EXPECT_EQ(readBytes(game.workFile()), UserScript + bannerBytes());
}

TEST_F(WorkspaceLifecycle, LastLineWithoutLineEndRunsIntoTheBanner) {
    writeBytes(game.script(), "bind x +jump");
    PrepareWorkspace(game.root(), {});
    EXPECT_EQ(readBytes(game.workFile()), "bind x +jumpecho \r\n" + bannerBytes().substr(7));
}

TEST_F(WorkspaceLifecycle, EveryByteSurvivesBackupApplyAndUninstall) {
    std::string bytes;
    for (int code = 0; code < 256; ++code)
        bytes += static_cast<char>(code);
    bytes += "cr only\rlf only\n\0after nul"s;
    writeBytes(game.script(), bytes);

    PrepareWorkspace(game.root(), {"x"});
    EXPECT_EQ(readBytes(game.backup()), bytes);
    ApplyWorkspace(game.root());
    EXPECT_EQ(readBytes(game.script()), bytes + bannerBytes() + "x\r\n");
    UninstallTweak(game.root());
    EXPECT_EQ(readBytes(game.script()), bytes);
}

TEST_F(WorkspaceLifecycle, AppendWritesAfterTheLastByteAndCreatesAMissingFile) {
    AppendWorkspaceLines(game.root(), {"rate \"9999\"", "thirdperson"});
    EXPECT_EQ(readBytes(game.workFile()), "rate \"9999\"\r\nthirdperson\r\n");
    AppendWorkspaceLines(game.root(), {});
    AppendWorkspaceLines(game.root(), {"m_filter \"1\""});
    EXPECT_EQ(readBytes(game.workFile()), "rate \"9999\"\r\nthirdperson\r\nm_filter \"1\"\r\n");
}

TEST_F(WorkspaceLifecycle, ApplyReplacesTheScriptAndDeletesOnlyTheWorkspace) {
    writeBytes(game.script(), UserScript);
    PrepareWorkspace(game.root(), {SettingLine("r_decals", "200")});
    AppendWorkspaceLines(game.root(), {"rate \"9999\""});
    ApplyWorkspace(game.root());
    EXPECT_EQ(readBytes(game.script()), UserScript + bannerBytes() + DecalsLine + "rate \"9999\"\r\n");
    EXPECT_EQ(readBytes(game.backup()), UserScript);
    EXPECT_EQ(game.cstrikeNames(),
              (std::set<std::string>{"autoexec.cfg", "userconfig.cfg", "Zentrimo.dll",
                                     "zentrimo-config.before", "zentrimo-userconfig.added", "zentrimo.cfg"}));
}

TEST_F(WorkspaceLifecycle, UninstallWithoutBackupTouchesNothing) {
    writeBytes(game.script(), UserScript);
    writeBytes(game.workFile(), "left over\r\n");
    const auto scriptTime = fs::last_write_time(game.script());
    EXPECT_EQ(UninstallTweak(game.root()), UninstallResult::NotInstalled);
    EXPECT_EQ(UninstallTweak(game.root()), UninstallResult::NotInstalled);
    EXPECT_EQ(readBytes(game.script()), UserScript);
    EXPECT_EQ(fs::last_write_time(game.script()), scriptTime);
    EXPECT_EQ(readBytes(game.workFile()), "left over\r\n");
    EXPECT_EQ(game.cstrikeNames(), (std::set<std::string>{"autoexec.cfg", "autoexec.tmp"}));
}

TEST_F(WorkspaceLifecycle, UninstallRestoresTheFirstScriptAndLeavesTheWorkspace) {
    writeBytes(game.script(), UserScript);
    prepareAndApply({SettingLine("r_decals", "200")});
    prepareAndApply({SettingLine("r_decals", "500")});
    PrepareWorkspace(game.root(), {"thirdperson"});
    EXPECT_EQ(UninstallTweak(game.root()), UninstallResult::Restored);
    EXPECT_EQ(readBytes(game.script()), UserScript);
    EXPECT_FALSE(fs::exists(game.backup()));
    EXPECT_EQ(readBytes(game.workFile()), UserScript + bannerBytes() + "thirdperson\r\n");
}

TEST_F(WorkspaceLifecycle, UninstallOfAnEmptyBackupLeavesAnEmptyScript) {
    prepareAndApply({});
    EXPECT_EQ(readBytes(game.script()), bannerBytes());
    EXPECT_EQ(UninstallTweak(game.root()), UninstallResult::Restored);
    EXPECT_EQ(readBytes(game.script()), "");
    EXPECT_EQ(game.cstrikeNames(), std::set<std::string>{"autoexec.cfg"});
}

TEST_F(WorkspaceLifecycle, UninstallRecreatesAMissingScript) {
    writeBytes(game.backup(), UserScript);
    EXPECT_EQ(UninstallTweak(game.root()), UninstallResult::Restored);
    EXPECT_EQ(readBytes(game.script()), UserScript);
}

#ifndef _WIN32
TEST_F(WorkspaceLifecycle, LinkedScriptStaysALinkWhoseTargetIsReplaced) {
    const fs::path real = game.folder() / "real";
    fs::create_directory(real);
    writeBytes(real / "autoexec.cfg", UserScript);
    fs::create_symlink("../real/autoexec.cfg", game.script());

    PrepareWorkspace(game.root(), {"x"});
    EXPECT_FALSE(fs::is_symlink(game.backup()));
    EXPECT_EQ(readBytes(game.backup()), UserScript);
    ApplyWorkspace(game.root());
    ASSERT_TRUE(fs::is_symlink(game.script()));
    EXPECT_EQ(fs::read_symlink(game.script()), "../real/autoexec.cfg");
    EXPECT_EQ(readBytes(real / "autoexec.cfg"), UserScript + bannerBytes() + "x\r\n");

    UninstallTweak(game.root());
    EXPECT_TRUE(fs::is_symlink(game.script()));
    EXPECT_EQ(readBytes(real / "autoexec.cfg"), UserScript);
    EXPECT_EQ(std::distance(fs::directory_iterator(real), {}), 1);
}

TEST_F(WorkspaceLifecycle, ApplyKeepsTheScriptsPermissions) {
    writeBytes(game.script(), UserScript);
    const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(game.script(), mode);
    prepareAndApply({});
    EXPECT_EQ(fs::status(game.script()).permissions(), mode);
}
#endif

} // namespace
