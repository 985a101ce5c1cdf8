#include "GameStartupOrder.h"
#include "WorkspaceTestGame.h"
#include "workspace/Workspace.h"

#include <sstream>

using namespace workspace;

namespace {

const std::string UserScript = "bind w +forward\r\n";
const std::string ExecLine = "exec zentrimo.cfg\r\n";

std::string testData(const std::string& name) {
    const auto bytes = readBytes(fs::path(ZENTRIMO_TEST_DATA) / name);
    if (!bytes)
        ADD_FAILURE() << "missing test file " << name;
    return bytes.value_or("");
}

// What a whole wizard run wrote, every page answered with its initial value.
std::vector<std::string> wholeRunLines() {
    const std::string run = testData("wizard/untouched-run-autoexec.tmp");
    std::istringstream in(run.substr(run.find(bannerBytes()) + bannerBytes().size()));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line.substr(0, line.size() - 1));
    return lines;
}

// The variable and value of a setting line; a bare command has no value.
std::pair<std::string, std::string> settingOf(const std::string& line) {
    const std::size_t quote = line.find(" \"");
    if (quote == std::string::npos)
        return {line, ""};
    return {line.substr(0, quote), line.substr(quote + 2, line.size() - quote - 3)};
}

TEST(SettingsTakeEffect, EveryValueOfAWholeRunOutlivesTheGamesOwnConfig) {
    GameFolder game;
    writeBytes(game.cstrike() / "config.cfg", testData("game/config.cfg"));
    writeBytes(game.script(), UserScript);
    const std::vector<std::string> lines = wholeRunLines();
    ASSERT_EQ(lines.size(), 33u);

    // The variables the game saves in config.cfg, which it runs after autoexec.cfg.
    const GameStartupOrder before(game.cstrike());
    for (const char* saved : {"brightness", "gamma", "gl_picmip", "gl_polyoffset", "gl_texturemode",
                              "gl_keeptjunctions", "cl_himodels", "_snd_mixahead", "hisound", "rate",
                              "cl_allowdownload", "cl_allowupload", "joystick", "m_filter"}) {
        const auto line = std::find_if(lines.begin(), lines.end(),
                                       [&](const std::string& l) { return settingOf(l).first == saved; });
        ASSERT_NE(line, lines.end()) << saved;
        EXPECT_NE(before.value(saved), settingOf(*line).second) << saved;
    }

    PrepareWorkspace(game.root(), lines);
    ApplyWorkspace(game.root());
    const GameStartupOrder after(game.cstrike());
    for (const std::string& line : lines) {
        const auto [name, value] = settingOf(line);
        EXPECT_TRUE(value.empty() || after.value(name) == value) << line << " ends as " << after.value(name);
    }
    EXPECT_EQ(readBytes(game.cstrike() / "config.cfg"), testData("game/config.cfg"));
}

struct UserConfigCase {
    const char* name;
    std::optional<std::string> before;
    std::string applied;
};

class UserConfigLifecycle : public testing::TestWithParam<UserConfigCase> {};

TEST_P(UserConfigLifecycle, ApplyTwiceThenUninstallLeavesThePlayersBytes) {
    const UserConfigCase& param = GetParam();
    GameFolder game;
    writeBytes(game.script(), UserScript);
    if (param.before)
        writeBytes(game.userConfig(), *param.before);

    PrepareWorkspace(game.root(), {"rate \"9999\"", "thirdperson"});
    ApplyWorkspace(game.root());
    EXPECT_EQ(readBytes(game.script()), UserScript + bannerBytes() + "rate \"9999\"\r\nthirdperson\r\n");
    EXPECT_EQ(readBytes(game.ownSettings()), "rate \"9999\"\r\nthirdperson\r\n");
    EXPECT_EQ(readBytes(game.userConfig()), param.applied);

    PrepareWorkspace(game.root(), {});
    ApplyWorkspace(game.root());
    EXPECT_EQ(readBytes(game.script()), UserScript + bannerBytes());
    EXPECT_EQ(readBytes(game.ownSettings()), "");
    EXPECT_EQ(readBytes(game.userConfig()), param.applied);

    EXPECT_EQ(UninstallTweak(game.root()), UninstallResult::Restored);
    EXPECT_EQ(readBytes(game.script()), UserScript);
    EXPECT_EQ(readBytes(game.userConfig()), param.before);
    std::set<std::string> left{"autoexec.cfg"};
    if (param.before)
        left.insert("userconfig.cfg");
    EXPECT_EQ(game.cstrikeNames(), left);
}

INSTANTIATE_TEST_SUITE_P(
    , UserConfigLifecycle,
    testing::Values(UserConfigCase{"Missing", std::nullopt, ExecLine},
                    UserConfigCase{"PlayersOwnLines", "sensitivity \"2\"\r\nbind j +jump\r\n",
                                   "sensitivity \"2\"\r\nbind j +jump\r\n" + ExecLine},
                    UserConfigCase{"LastLineWithoutLineEnd", "bind j +jump", "bind j +jump\r\n" + ExecLine},
                    UserConfigCase{"UnixLineEnds", "bind j +jump\n", "bind j +jump\n" + ExecLine},
                    UserConfigCase{"AlreadyRunsIt", "bind j +jump\r\n Exec Zentrimo.cfg\t\r\n// mine\r\n",
                                   "bind j +jump\r\n Exec Zentrimo.cfg\t\r\n// mine\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(UserConfig, UninstallTakesBackOnlyOurLineAmongThePlayersLaterEdits) {
    GameFolder game;
    writeBytes(game.userConfig(), "bind j +jump");
    PrepareWorkspace(game.root(), {"rate \"9999\""});
    ApplyWorkspace(game.root());
    writeBytes(game.userConfig(),
               "bind j +jump\r\nexec zentrimo.cfg\r\nexec zentrimo.cfg\r\nbind k +duck\r\n");
    UninstallTweak(game.root());
    EXPECT_EQ(readBytes(game.userConfig()), "bind j +jump\r\nexec zentrimo.cfg\r\nbind k +duck\r\n");
    EXPECT_EQ(game.cstrikeNames(), (std::set<std::string>{"autoexec.cfg", "userconfig.cfg"}));
}

TEST(UserConfig, QuittingWithoutApplyingTouchesNeither) {
    GameFolder game;
    writeBytes(game.userConfig(), "bind j +jump\r\n");
    PrepareWorkspace(game.root(), {"rate \"9999\""});
    EXPECT_EQ(readBytes(game.userConfig()), "bind j +jump\r\n");
    EXPECT_EQ(game.cstrikeNames(),
              (std::set<std::string>{"autoexec.cfg", "autoexec.tmp", "userconfig.cfg", "Zentrimo.dll"}));
}

#ifndef _WIN32
// On a file system that tells letter case apart, the game opens Autoexec.cfg for autoexec.cfg.
TEST(LetterCase, ThePlayersScriptIsFoundUnderItsOwnName) {
    GameFolder game;
    writeBytes(game.cstrike() / "Autoexec.cfg", UserScript);
    writeBytes(game.cstrike() / "USERCONFIG.CFG", "bind j +jump\r\n");
    PrepareWorkspace(game.root(), {"rate \"9999\""});
    ApplyWorkspace(game.root());
    EXPECT_EQ(readBytes(game.cstrike() / "Autoexec.cfg"), UserScript + bannerBytes() + "rate \"9999\"\r\n");
    EXPECT_EQ(readBytes(game.cstrike() / "USERCONFIG.CFG"), "bind j +jump\r\n" + ExecLine);
    EXPECT_EQ(game.cstrikeNames(),
              (std::set<std::string>{"Autoexec.cfg", "USERCONFIG.CFG", "Zentrimo.dll",
                                     "zentrimo-config.before", "zentrimo-userconfig.added", "zentrimo.cfg"}));
    UninstallTweak(game.root());
    EXPECT_EQ(readBytes(game.cstrike() / "Autoexec.cfg"), UserScript);
    EXPECT_EQ(game.cstrikeNames(), (std::set<std::string>{"Autoexec.cfg", "USERCONFIG.CFG"}));
}

TEST(LetterCase, TheExactNameWinsThenTheFirstInByteOrder) {
    GameFolder game;
    writeBytes(game.cstrike() / "autoexec.cfg", "exact\r\n");
    writeBytes(game.cstrike() / "AUTOEXEC.CFG", "upper\r\n");
    EXPECT_EQ(game.script().filename(), "autoexec.cfg");
    fs::remove(game.cstrike() / "autoexec.cfg");
    writeBytes(game.cstrike() / "Autoexec.cfg", "mixed\r\n");
    EXPECT_EQ(game.script().filename(), "AUTOEXEC.CFG");
}

TEST(LetterCase, CStrikeFolderAndConfigInCapitals) {
    GameFolder game;
    fs::rename(game.cstrike(), game.folder() / "CStrike");
    writeBytes(game.folder() / "CStrike" / "CONFIG.CFG", "");
    EXPECT_TRUE(fileExists(game.root().file(GameConfigSuffix)));
    PrepareWorkspace(game.root(), {"x"});
    ApplyWorkspace(game.root());
    EXPECT_EQ(readBytes(game.folder() / "CStrike" / "autoexec.cfg"), bannerBytes() + "x\r\n");
    UninstallTweak(game.root());
    EXPECT_EQ(readBytes(game.folder() / "CStrike" / "autoexec.cfg"), "");
    EXPECT_EQ(std::distance(fs::directory_iterator(game.folder()), {}), 1);
}
#endif

} // namespace
