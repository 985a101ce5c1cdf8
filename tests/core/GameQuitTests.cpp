// What the game saved while the program's settings ran comes back as the player had it.
#include "GameStartupOrder.h"
#include "WorkspaceTestGame.h"
#include "game/TodaysGame.h"
#include "workspace/FileError.h"
#include "workspace/Workspace.h"

#include <sstream>

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
        const std::string name = line.substr(0, line.find(' '));
        const game::Setting* setting = game::findSetting(name);
        if (setting && setting->saved.value && line.find(" \"") == name.size()) {
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

struct QuitCase {
    const char* name;
    std::vector<std::string> runs; // golden scripts applied in turn, the game started and quit after each
    std::string playerHad;         // removed from the player's config.cfg first
    std::pair<std::string, std::string>
        playerChanged; // a name and its value set in the game after the last quit
};

class GameQuit : public testing::TestWithParam<QuitCase> {};

TEST_P(GameQuit, UninstallGivesBackThePlayersValuesAndKeepsTheirLaterChanges) {
    const QuitCase& quit = GetParam();
    GameFolder game;
    const fs::path config = game.cstrike() / "config.cfg";
    std::string own = testData("game/config.cfg");
    if (!quit.playerHad.empty())
        own = withoutLine(own, quit.playerHad);
    writeBytes(config, own);
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
    EXPECT_EQ(UninstallTweak(game.root()), UninstallResult::Restored);
    EXPECT_EQ(readBytes(config), expected);
    EXPECT_EQ(game.cstrikeNames(), (std::set<std::string>{"autoexec.cfg", "config.cfg"}));
}

INSTANTIATE_TEST_SUITE_P(
    , GameQuit,
    testing::Values(
        QuitCase{"WholeRun", {"wizard/untouched-run-autoexec.tmp"}, "", {}},
        QuitCase{
            "TwoApplies", {"wizard/changed-run-autoexec.cfg", "wizard/untouched-run-autoexec.tmp"}, "", {}},
        QuitCase{"PlayerHadNoMouseFilter", {"wizard/untouched-run-autoexec.tmp"}, "m_filter \"1\"\n", {}},
        QuitCase{"RateChangedInTheGame", {"wizard/untouched-run-autoexec.tmp"}, "", {"rate", "50000"}}),
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
                                   throw FileError(ENOSPC, file);
                           }));
        } catch (const FileError&) {
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
