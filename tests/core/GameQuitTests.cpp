// What the game saved while the program's settings ran comes back as the player had it.
#include "GameStartupOrder.h"
#include "WorkspaceTestGame.h"
#include "files/FileError.h"
#include "game/GameConfig.h"
#include "game/TodaysGame.h"
#include "workspace/Workspace.h"

#include <sstream>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace workspace;

namespace {

std::string testData(const std::string& name) {
    return readBytes(fs::path(ZENTRIMO_TEST_DATA) / name).value_or("<missing " + name + ">");
}

std::vector<std::string> runLinesOf(const std::string& goldenScript) {
    const std::string script = testData(goldenScript);
    std::istringstream in(script.substr(script.rfind(bannerBytes()) + bannerBytes().size()));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line.substr(0, line.size() - 1));
    return lines;
}

void applyRun(const GameFolder& game, const std::string& goldenScript) {
    PrepareWorkspace(game.root(), runLinesOf(goldenScript));
    ApplyWorkspace(game.root());
}

// The game quits: config.cfg rewritten with the value every saved variable has once start-up has run,
// as the game keeps it (clamped or forced), one `name "value"` line each, new ones before the
// exec line at its end.
void quitGame(const GameFolder& game) {
    const GameStartupOrder started(game.cstrike());
    const fs::path config = game.cstrike() / "config.cfg";
    std::istringstream in(readBytes(config).value_or(""));
    std::string written;
    std::set<std::string> seen;
    for (std::string line; std::getline(in, line);) {
        const std::string end = line.ends_with('\r') ? "\r" : "";
        line.resize(line.size() - end.size());
        const auto commands = game::settingCommands(line);
        const game::Setting* setting = commands.size() == 1 ? game::findSetting(commands[0].name) : nullptr;
        if (setting && setting->saved.value) {
            const std::string name(setting->name);
            line = name + " \"" + game::judge(*setting, started.value(name)).gameUses + '"';
            seen.insert(name);
        }
        if (line == "exec userconfig.cfg")
            for (const game::Setting& saved : game::todaysGame())
                if (saved.saved.value && !seen.contains(std::string(saved.name)) &&
                    started.value(std::string(saved.name)) != "<unset>")
                    written += std::string(saved.name) + " \"" +
                               game::judge(saved, started.value(std::string(saved.name))).gameUses + '"' +
                               end + '\n';
        written += line + end + (in.eof() ? "" : "\n");
    }
    writeBytes(config, written);
}

std::string withoutLine(std::string text, const std::string& line) {
    const std::size_t at = text.find(line);
    return at == std::string::npos ? "<no " + line + ">" : text.erase(at, line.size());
}

// text with the line that sets name holding value instead.
std::string withValue(std::string text, const std::string& name, const std::string& value) {
    const std::size_t at = text.find("\n" + name + " \"");
    if (at == std::string::npos)
        return "<no " + name + ">";
    return text.replace(at + 1, text.find('\r', at) - at - 1, name + " \"" + value + '"');
}

// Whose files the game folder holds, and how the player left config.cfg.
enum class Files { Players, ReadOnlyConfig, AnotherUsers };

struct QuitCase {
    const char* name;
    std::vector<std::string> runs; // golden scripts applied in turn, the game started and quit after each
    std::string playerHad;         // removed from the player's config.cfg first
    std::pair<std::string, std::string>
        playerChanged; // a name and its value set in the game after the last quit
    std::vector<std::pair<std::string, std::string>> playerWrote =
        {}; // lines of config.cfg as the player had them
    Files files = Files::Players;
};

bool writeProtected(const fs::path& file) {
    return (fs::status(file).permissions() & fs::perms::owner_write) == fs::perms::none;
}

class GameQuit : public testing::TestWithParam<QuitCase> {};

TEST_P(GameQuit, UninstallGivesBackThePlayersValuesAndKeepsTheirLaterChanges) {
    const QuitCase& quit = GetParam();
    GameFolder game;
    const fs::path config = game.cstrike() / "config.cfg";
    std::string own = testData("game/config.cfg");
    if (!quit.playerHad.empty())
        own = withoutLine(own, quit.playerHad);
    for (const auto& [line, players] : quit.playerWrote)
        own.replace(own.find(line), line.size(), players);
    writeBytes(config, own);
    writeBytes(game.script(), "bind w +forward\r\n");
    if (quit.files == Files::AnotherUsers) {
#ifdef _WIN32
        GTEST_SKIP() << "files have no POSIX owner on Windows";
#else
        if (geteuid() != 0)
            GTEST_SKIP() << "only root can give a file to another user";
        for (const fs::path& file : {config, game.script()})
            ASSERT_EQ(chown(file.c_str(), 4321, 4321), 0);
        fs::permissions(config, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
#endif
    }
    const GameStartupOrder players(game.cstrike());
    for (const std::string& run : quit.runs) {
        applyRun(game, run);
        quitGame(game);
    }
    int applied = 0;
    for (const game::Setting& saved : game::todaysGame())
        applied += saved.saved.value && GameStartupOrder(game.cstrike()).value(std::string(saved.name)) !=
                                            players.value(std::string(saved.name));
    EXPECT_EQ(applied, 14);
    std::string expected = own;
    if (const auto& [name, value] = quit.playerChanged; !name.empty()) {
        writeBytes(config, withValue(*readBytes(config), name, value));
        expected = withValue(own, name, value);
    }
    if (quit.files == Files::ReadOnlyConfig)
        fs::permissions(config, fs::perms::owner_read);
    const auto permissions = fs::status(config).permissions();
    EXPECT_EQ(UninstallTweak(game.root()), UninstallResult::Restored);
    EXPECT_EQ(readBytes(config), expected);
    EXPECT_EQ(readBytes(game.script()), "bind w +forward\r\n");
    EXPECT_EQ(game.cstrikeNames(), (std::set<std::string>{"autoexec.cfg", "config.cfg"}));
    EXPECT_EQ(fs::status(config).permissions(), permissions);
    EXPECT_EQ(writeProtected(config), quit.files == Files::ReadOnlyConfig);
#ifndef _WIN32
    if (quit.files == Files::AnotherUsers) {
        for (const fs::path& file : {config, game.script()}) {
            struct stat info {};
            ASSERT_EQ(stat(file.c_str(), &info), 0);
            EXPECT_EQ(std::pair(info.st_uid, info.st_gid), std::pair(4321u, 4321u)) << file;
        }
    }
#endif
}

INSTANTIATE_TEST_SUITE_P(
    , GameQuit,
    testing::Values(
        QuitCase{"WholeRun", {"wizard/untouched-run-autoexec.tmp"}, "", {}},
        QuitCase{
            "TwoApplies", {"wizard/changed-run-autoexec.cfg", "wizard/untouched-run-autoexec.tmp"}, "", {}},
        QuitCase{"PlayerHadNoMouseFilter", {"wizard/untouched-run-autoexec.tmp"}, "m_filter \"1\"\n", {}},
        QuitCase{"RateChangedInTheGame", {"wizard/untouched-run-autoexec.tmp"}, "", {"rate", "50000"}},
        QuitCase{
            "ValuesTheRecordMustEscape",
            {"wizard/untouched-run-autoexec.tmp"},
            "",
            {},
            {{"rate \"100000\"", "rate \"25000//\""},
             {"gl_texturemode \"GL_LINEAR_MIPMAP_LINEAR\"", "gl_texturemode \"GL_NEAREST_MIPMAP_NEAREST;\""},
             {"gamma \"2.5\"", "Gamma \"2.5 \"\t "},
             {"brightness \"3\"", "  brightness\t\"3\"x\"  // mine"},
             {"m_filter \"1\"", "m_filter 1\r"}}},
        QuitCase{"ReadOnlyConfig", {"wizard/untouched-run-autoexec.tmp"}, "", {}, {}, Files::ReadOnlyConfig},
        QuitCase{
            "AnotherUsersFiles", {"wizard/untouched-run-autoexec.tmp"}, "", {}, {}, Files::AnotherUsers}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GameQuitFault, AFailedUninstallLeavesWhatASecondOneFinishes) {
    for (int failAt = 1;; ++failAt) {
        SCOPED_TRACE("failing step " + std::to_string(failAt));
        GameFolder game;
        const std::string own = testData("game/config.cfg");
        writeBytes(game.cstrike() / "config.cfg", own);
        applyRun(game, "wizard/untouched-run-autoexec.tmp");
        quitGame(game);
        int step = 0;
        try {
            UninstallTweak(game.root(), FileSteps([&](FileStep, const fs::path& file) {
                               if (++step == failAt)
                                   throw files::FileError(ENOSPC, file);
                           }));
        } catch (const files::FileError&) {
            EXPECT_EQ(UninstallTweak(game.root()), UninstallResult::Restored);
            EXPECT_EQ(readBytes(game.cstrike() / "config.cfg"), own);
            EXPECT_EQ(game.cstrikeNames(), (std::set<std::string>{"autoexec.cfg", "config.cfg"}));
            continue;
        }
        EXPECT_EQ(readBytes(game.cstrike() / "config.cfg"), own);
        EXPECT_GT(failAt, 10);
        return;
    }
}

} // namespace
