#include "WorkspaceTestGame.h"
#include "files/FileError.h"
#include "workspace/Workspace.h"

#include <algorithm>
#include <cerrno>
#include <functional>

using namespace workspace;

namespace {

const std::string UserScript = "bind w +forward\r\n";
const std::set<std::string> GameFileNames{
    "autoexec.cfg", "autoexec.tmp",           "userconfig.cfg",
    "Zentrimo.dll", "zentrimo-config.before", "zentrimo-userconfig.added",
    "zentrimo.cfg"};
const std::set<std::string> PreparedNames{"autoexec.cfg", "autoexec.tmp", "Zentrimo.dll"};
const std::string PlayersUserConfig = "bind j +jump\r\n";

template <typename Operation> files::FileError caughtError(Operation operation) {
    try {
        operation();
    } catch (const files::FileError& error) {
        return error;
    }
    ADD_FAILURE() << "no files::FileError thrown";
    return files::FileError(0, {});
}

template <typename Expected>
void expectError(const files::FileError& error, Expected expected, const fs::path& file) {
    EXPECT_TRUE(error.code() == expected) << error.what();
    EXPECT_EQ(error.errorNumber(), error.code().value());
    EXPECT_NE(std::string(error.what()).find(error.systemText()), std::string::npos) << error.what();
    EXPECT_EQ(error.path(), file);
}

void expectOneOf(const fs::path& file, std::initializer_list<std::optional<std::string>> allowed) {
    const auto bytes = readBytes(file);
    EXPECT_NE(std::find(allowed.begin(), allowed.end(), bytes), allowed.end())
        << file << " holds " << bytes.value_or("<missing>");
}

class WorkspaceFailure : public testing::Test {
protected:
    GameFolder game;
};

TEST_F(WorkspaceFailure, MissingCstrikeFolderIsReportedWithThePath) {
    fs::remove(game.folder() / "cstrike");
    expectError(caughtError([&] { PrepareWorkspace(game.root(), {}); }), std::errc::no_such_file_or_directory,
                game.script());
    expectError(caughtError([&] { ApplyWorkspace(game.root()); }), std::errc::no_such_file_or_directory,
                game.workFile());
    EXPECT_TRUE(fs::is_empty(game.folder()));
}

TEST_F(WorkspaceFailure, FolderWhereTheScriptShouldBe) {
    fs::create_directory(game.script());
#ifdef _WIN32
    expectError(caughtError([&] { PrepareWorkspace(game.root(), {}); }),
                files::GameFileProblem::NotARegularFile, game.script());
#else
    expectError(caughtError([&] { PrepareWorkspace(game.root(), {}); }), std::errc::is_a_directory,
                game.script());
#endif
    EXPECT_EQ(game.cstrikeNames(), std::set<std::string>{"autoexec.cfg"});
}

TEST_F(WorkspaceFailure, FolderWhereTheBackupShouldBeLeavesNoTemporaryFile) {
    writeBytes(game.script(), UserScript);
    fs::create_directory(game.backup());
    expectError(caughtError([&] { PrepareWorkspace(game.root(), {}); }),
                files::GameFileProblem::NotARegularFile, game.backup());
    EXPECT_EQ(readBytes(game.script()), UserScript);
    EXPECT_EQ(game.cstrikeNames(), (std::set<std::string>{"autoexec.cfg", "Zentrimo.dll"}));
}

TEST_F(WorkspaceFailure, FolderWhereTheWorkspaceShouldBeIsRefusedBeforeTheBackupIsMade) {
    writeBytes(game.script(), UserScript);
    fs::create_directory(game.workFile());
    expectError(caughtError([&] { PrepareWorkspace(game.root(), {}); }),
                files::GameFileProblem::NotARegularFile, game.workFile());
    EXPECT_EQ(readBytes(game.script()), UserScript);
    EXPECT_EQ(game.cstrikeNames(), (std::set<std::string>{"autoexec.cfg", "autoexec.tmp"}));
}

TEST_F(WorkspaceFailure, FailedApplyKeepsTheWorkspace) {
    PrepareWorkspace(game.root(), {"x"});
    fs::remove(game.script());
    fs::create_directory(game.script());
    expectError(caughtError([&] { ApplyWorkspace(game.root()); }), files::GameFileProblem::NotARegularFile,
                game.script());
    EXPECT_EQ(readBytes(game.workFile()), bannerBytes() + "x\r\n");
    EXPECT_EQ(game.cstrikeNames(), PreparedNames);
}

#ifndef _WIN32
TEST_F(WorkspaceFailure, WriteProtectedScriptIsNotReplaced) {
    writeBytes(game.script(), UserScript);
    PrepareWorkspace(game.root(), {"x"});
    fs::permissions(game.script(), fs::perms::owner_read | fs::perms::group_read);
    expectError(caughtError([&] { ApplyWorkspace(game.root()); }), std::errc::permission_denied,
                game.script());
    EXPECT_EQ(readBytes(game.script()), UserScript);
    EXPECT_EQ(readBytes(game.workFile()), UserScript + bannerBytes() + "x\r\n");
    EXPECT_EQ(game.cstrikeNames(), PreparedNames);
}
#endif

// The steps that change a file, named with the file they act on, in the order an operation takes them;
// a temporary file's random part shows as "~".
std::vector<std::string> visibleSteps(const std::function<void(const FileSteps&)>& operation) {
    std::vector<std::string> seen;
    operation(FileSteps([&](FileStep step, const fs::path& file) {
        std::string name = file.filename().string();
        if (const auto temp = name.find(".zentrimo-"); temp != std::string::npos)
            name = name.substr(0, temp) + "~";
        if (step == FileStep::Create)
            seen.push_back("create " + name);
        else if (step == FileStep::Write)
            seen.push_back("write " + name);
        else if (step == FileStep::Rename)
            seen.push_back("rename " + name);
        else if (step == FileStep::Remove)
            seen.push_back("remove " + name);
    }));
    return seen;
}

TEST_F(WorkspaceFailure, OperationsTakeTheirStepsInOrder) {
    EXPECT_EQ(visibleSteps([&](const FileSteps& files) { PrepareWorkspace(game.root(), {"x"}, files); }),
              (std::vector<std::string>{"create autoexec.cfg", "create Zentrimo.dll~", "write Zentrimo.dll~",
                                        "rename Zentrimo.dll", "create autoexec.tmp~", "write autoexec.tmp~",
                                        "rename autoexec.tmp", "write autoexec.tmp"}));
    EXPECT_EQ(visibleSteps([&](const FileSteps& files) { AppendWorkspaceLines(game.root(), {"y"}, files); }),
              std::vector<std::string>{"write autoexec.tmp"});
    EXPECT_EQ(
        visibleSteps([&](const FileSteps& files) { ApplyWorkspace(game.root(), files); }),
        (std::vector<std::string>{"create autoexec.cfg~", "write autoexec.cfg~", "rename autoexec.cfg",
                                  "create zentrimo-config.before~", "write zentrimo-config.before~",
                                  "rename zentrimo-config.before", "create zentrimo.cfg~",
                                  "write zentrimo.cfg~", "rename zentrimo.cfg",
                                  "create zentrimo-userconfig.added~", "write zentrimo-userconfig.added~",
                                  "rename zentrimo-userconfig.added", "create userconfig.cfg~",
                                  "write userconfig.cfg~", "rename userconfig.cfg", "remove autoexec.tmp"}));
    EXPECT_EQ(visibleSteps([&](const FileSteps& files) { UninstallTweak(game.root(), files); }),
              (std::vector<std::string>{"create autoexec.cfg~", "write autoexec.cfg~", "rename autoexec.cfg",
                                        "remove userconfig.cfg", "remove zentrimo-userconfig.added",
                                        "remove zentrimo.cfg", "remove zentrimo-config.before",
                                        "remove Zentrimo.dll"}));
}

// Runs the operation once per step, failing that step, on a fresh game folder each time; every
// file must then be whole (its old or its new content) and no temporary file may remain.
void failEachStepInTurn(const std::function<void(const GameFolder&)>& setUp,
                        const std::function<void(const GameFolder&, const FileSteps&)>& operation,
                        const std::function<void(const GameFolder&)>& expectWhole) {
    for (int failAt = 1;; ++failAt) {
        SCOPED_TRACE("failing step " + std::to_string(failAt));
        GameFolder game;
        setUp(game);
        int step = 0;
        fs::path failedOn;
        const FileSteps files([&](FileStep, const fs::path& file) {
            if (++step == failAt) {
                failedOn = file;
                throw files::FileError(ENOSPC, file);
            }
        });
        try {
            operation(game, files);
        } catch (const files::FileError& error) {
            EXPECT_EQ(error.errorNumber(), ENOSPC);
            EXPECT_EQ(error.path(), failedOn);
            const auto names = game.cstrikeNames();
            EXPECT_TRUE(
                std::includes(GameFileNames.begin(), GameFileNames.end(), names.begin(), names.end()));
            expectWhole(game);
            continue;
        }
        EXPECT_GT(failAt, 1);
        return;
    }
}

TEST(WorkspaceInjectedFailure, PrepareLeavesScriptBackupAndOldWorkspaceWhole) {
    failEachStepInTurn(
        [](const GameFolder& game) {
            writeBytes(game.script(), UserScript);
            writeBytes(game.workFile(), "earlier run\r\n");
        },
        [](const GameFolder& game, const FileSteps& files) { PrepareWorkspace(game.root(), {"x"}, files); },
        [](const GameFolder& game) {
            EXPECT_EQ(readBytes(game.script()), UserScript);
            expectOneOf(game.backup(), {std::nullopt, UserScript});
            expectOneOf(game.workFile(), {"earlier run\r\n", UserScript});
        });
}

TEST(WorkspaceInjectedFailure, PrepareWithoutScriptCreatesNothingHalfWay) {
    failEachStepInTurn(
        [](const GameFolder&) {},
        [](const GameFolder& game, const FileSteps& files) { PrepareWorkspace(game.root(), {}, files); },
        [](const GameFolder& game) {
            expectOneOf(game.script(), {std::nullopt, ""});
            expectOneOf(game.backup(), {std::nullopt, ""});
            expectOneOf(game.workFile(), {std::nullopt, ""});
        });
}

TEST(WorkspaceInjectedFailure, ApplyLeavesEveryFileOldOrNew) {
    const std::string built = UserScript + bannerBytes() + "rate \"9999\"\r\n";
    failEachStepInTurn(
        [&](const GameFolder& game) {
            writeBytes(game.script(), UserScript);
            writeBytes(game.backup(), UserScript);
            writeBytes(game.workFile(), built);
            writeBytes(game.userConfig(), PlayersUserConfig);
        },
        [](const GameFolder& game, const FileSteps& files) { ApplyWorkspace(game.root(), files); },
        [&](const GameFolder& game) {
            expectOneOf(game.script(), {UserScript, built});
            EXPECT_EQ(readBytes(game.workFile()), built);
            EXPECT_EQ(readBytes(game.backup()), UserScript);
            expectOneOf(game.ownSettings(), {std::nullopt, "rate \"9999\"\r\n"});
            expectOneOf(game.userConfig(), {PlayersUserConfig, PlayersUserConfig + "exec zentrimo.cfg\r\n"});
        });
}

TEST(WorkspaceInjectedFailure, UninstallKeepsTheBackupUntilEverythingIsTakenBack) {
    const std::string applied = UserScript + bannerBytes();
    failEachStepInTurn(
        [&](const GameFolder& game) {
            writeBytes(game.userConfig(), PlayersUserConfig);
            writeBytes(game.script(), UserScript);
            PrepareWorkspace(game.root(), {"rate \"9999\""});
            ApplyWorkspace(game.root());
        },
        [](const GameFolder& game, const FileSteps& files) { UninstallTweak(game.root(), files); },
        [&](const GameFolder& game) {
            expectOneOf(game.script(), {applied + "rate \"9999\"\r\n", UserScript});
            EXPECT_EQ(readBytes(game.backup()), UserScript);
            expectOneOf(game.userConfig(), {PlayersUserConfig, PlayersUserConfig + "exec zentrimo.cfg\r\n"});
        });
}

TEST(WorkspaceInjectedFailure, UninstallAfterAFailedUninstallFinishesTheJob) {
    for (int failAt = 1; failAt <= 6; ++failAt) {
        SCOPED_TRACE("failing step " + std::to_string(failAt));
        GameFolder game;
        writeBytes(game.userConfig(), "bind j +jump");
        PrepareWorkspace(game.root(), {"x"});
        ApplyWorkspace(game.root());
        int step = 0;
        EXPECT_THROW(UninstallTweak(game.root(), FileSteps([&](FileStep, const fs::path& file) {
                                        if (++step == failAt)
                                            throw files::FileError(ENOSPC, file);
                                    })),
                     files::FileError);
        EXPECT_EQ(UninstallTweak(game.root()), UninstallResult::Restored);
        EXPECT_EQ(readBytes(game.userConfig()), "bind j +jump");
        EXPECT_EQ(game.cstrikeNames(), (std::set<std::string>{"autoexec.cfg", "userconfig.cfg"}));
    }
}

} // namespace
