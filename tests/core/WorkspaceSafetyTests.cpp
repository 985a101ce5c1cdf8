// Attacks from outside the program on a POSIX file system: planted links and FIFOs, a second
// instance, failing look-ups, bad roots, huge files and kills at any moment.
#include "files/FileError.h"
#include "workspace/Workspace.h"

#include "WorkspaceTestGame.h"
#include "files/WholeFile.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <random>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace workspace;

namespace {

const std::string UserScript = "bind w +forward\r\n";

// Ends the test binary rather than letting a blocked call hang the suite.
class HangGuard {
public:
    HangGuard() { alarm(20); }
    ~HangGuard() { alarm(0); }
};

template <typename Operation> std::error_code failureOf(Operation operation) {
    try {
        operation();
    } catch (const files::FileError& error) {
        return error.code();
    }
    return {};
}

TEST(TemporaryFile, APlantedLinkOrFifoUnderItsNameIsNeitherFollowedNorRemoved) {
    GameFolder game;
    const fs::path victim = game.folder() / "victim";
    writeBytes(victim, "private\n");
    fs::permissions(victim, fs::perms::owner_read | fs::perms::owner_write);
    writeBytes(game.script(), UserScript);
    std::vector<fs::path> planted;
    const FileSteps planting([&](FileStep step, const fs::path& file) {
        if (step != FileStep::Create || file.filename().string().find(".zentrimo-") == std::string::npos ||
            planted.size() == 4)
            return;
        if (planted.size() % 2 == 0)
            fs::create_symlink(victim, file);
        else
            ASSERT_EQ(mkfifo(file.c_str(), 0600), 0);
        planted.push_back(file);
    });
    const HangGuard guard;
    PrepareWorkspace(game.root(), {"x"}, planting);
    ApplyWorkspace(game.root(), planting);

    EXPECT_EQ(readBytes(victim), "private\n");
    EXPECT_EQ(fs::status(victim).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_FALSE(fs::is_symlink(game.script()));
    EXPECT_EQ(readBytes(game.script()), UserScript + bannerBytes() + "x\r\n");
    ASSERT_FALSE(planted.empty());
    for (const fs::path& file : planted)
        EXPECT_TRUE(fs::exists(fs::symlink_status(file))) << file;
}

TEST(TemporaryFile, EachReplaceTakesANewNameAndKeepsTheScriptsMode) {
    GameFolder game;
    writeBytes(game.script(), UserScript);
    fs::permissions(game.script(), fs::perms::owner_read | fs::perms::owner_write);
    std::set<fs::path> temps;
    const FileSteps recording([&](FileStep step, const fs::path& file) {
        if (step == FileStep::Create && file.filename() != "autoexec.cfg")
            temps.insert(file);
    });
    PrepareWorkspace(game.root(), {}, recording);
    ApplyWorkspace(game.root(), recording);
    PrepareWorkspace(game.root(), {}, recording);
    ApplyWorkspace(game.root(), recording);
    // The first run: backup, workspace, script, the saved values' record, zentrimo.cfg, the exec line's
    // record, userconfig.cfg; the second finds the backup, the same script and the exec line in place.
    EXPECT_EQ(temps.size(), 10u);
    EXPECT_EQ(fs::status(game.script()).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

TEST(GameFiles, FifosAndFoldersAreRefusedAtOnce) {
    for (const char* name : {"autoexec.cfg", "autoexec.tmp", "userconfig.cfg", "Zentrimo.dll"}) {
        SCOPED_TRACE(name);
        GameFolder game;
        writeBytes(game.workFile(), bannerBytes());
        writeBytes(game.backup(), "");
        fs::remove(game.cstrike() / name);
        ASSERT_EQ(mkfifo((game.cstrike() / name).c_str(), 0600), 0);
        const HangGuard guard;
        const std::error_code failure = failureOf([&] {
            PrepareWorkspace(game.root(), {});
            ApplyWorkspace(game.root());
        });
        EXPECT_EQ(failure, make_error_code(files::GameFileProblem::NotARegularFile)) << failure.message();
        EXPECT_EQ(fs::symlink_status(game.cstrike() / name).type(), fs::file_type::fifo);
    }
}

TEST(GameFiles, AFailingLookIsAnErrorNotAMissingFile) {
    GameFolder game;
    writeBytes(game.script(), UserScript + bannerBytes());
    writeBytes(game.backup(), UserScript);
    const FileSteps failingStat([&](FileStep step, const fs::path& file) {
        if (step == FileStep::Stat && file == game.backup())
            throw files::FileError(EIO, file);
    });
    EXPECT_EQ(failureOf([&] { PrepareWorkspace(game.root(), {}, failingStat); }), std::errc::io_error);
    EXPECT_EQ(failureOf([&] { UninstallTweak(game.root(), failingStat); }), std::errc::io_error);
    EXPECT_EQ(readBytes(game.backup()), UserScript);
    EXPECT_EQ(readBytes(game.script()), UserScript + bannerBytes());
}

TEST(GameRoot, EmptyOrHoldingANulIsRefusedBeforeAnyFileIsTouched) {
    GameFolder game;
    const fs::path outside = game.folder() / "outside";
    writeBytes(outside, "not the game's\n");
    const std::string cut = outside.string() + std::string(1, '\0') + "/Half-Life";
    for (const std::string& given : {cut, std::string()}) {
        const auto root = [&] { return files::GameFolder(given, {}); };
        for (const auto& operation : std::vector<std::function<void()>>{
                 [&] { PrepareWorkspace(root(), {"x"}); }, [&] { AppendWorkspaceLines(root(), {"x"}); },
                 [&] { ApplyWorkspace(root()); }, [&] { UninstallTweak(root()); }})
            EXPECT_EQ(failureOf(operation), make_error_code(files::GameFileProblem::BadGameRoot));
    }
    EXPECT_EQ(readBytes(outside), "not the game's\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(game.folder()), {}), 2);
}

TEST(GameFiles, AScriptFarTooLargeIsRefusedUnread) {
    GameFolder game;
    writeBytes(game.script(), "");
    fs::resize_file(game.script(), files::MaxFileBytes + 1);
    EXPECT_EQ(failureOf([&] { PrepareWorkspace(game.root(), {}); }), std::errc::file_too_large);
    EXPECT_EQ(game.cstrikeNames(), std::set<std::string>{"autoexec.cfg"});
}

// Runs body in a child process and returns its exit status.
int inChild(const std::function<int()>& body) {
    const pid_t child = fork();
    if (child == 0)
        _exit(body());
    int status = 0;
    waitpid(child, &status, 0);
    return status;
}

TEST(GameFiles, AWriteOverTheFileSizeLimitIsReportedNotKilled) {
    GameFolder game;
    writeBytes(game.script(), std::string(8192, 'x'));
    const int status = inChild([&] {
        const rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        return failureOf([&] { PrepareWorkspace(game.root(), {}); }) == std::errc::file_too_large ? 0 : 1;
    });
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(readBytes(game.script()), std::string(8192, 'x'));
}

TEST(OneProgramPerGame, ASecondInstanceIsToldAndChangesNothingUntilTheFirstIsGone) {
    GameFolder game;
    writeBytes(game.script(), UserScript);
    int ready[2];
    int release[2];
    ASSERT_EQ(pipe(ready), 0);
    ASSERT_EQ(pipe(release), 0);
    const pid_t first = fork();
    if (first == 0) {
        PrepareWorkspace(game.root(), {"first"});
        char byte = 1;
        (void)!write(ready[1], &byte, 1);
        (void)!read(release[0], &byte, 1);
        _exit(0);
    }
    char byte = 0;
    ASSERT_EQ(read(ready[0], &byte, 1), 1);

    try {
        ApplyWorkspace(game.root());
        ADD_FAILURE() << "the second instance applied";
    } catch (const files::FileError& error) {
        EXPECT_EQ(error.code(), make_error_code(files::GameFileProblem::FolderInUse));
        EXPECT_EQ(error.path(), game.cstrike());
    }
    EXPECT_EQ(readBytes(game.script()), UserScript);
    EXPECT_EQ(readBytes(game.workFile()), UserScript + bannerBytes() + "first\r\n");

    kill(first, SIGKILL);
    waitpid(first, nullptr, 0);
    ApplyWorkspace(game.root());
    EXPECT_EQ(readBytes(game.script()), UserScript + bannerBytes() + "first\r\n");
}

TEST(OneProgramPerGame, OneProgramReachesItsFolderByAnyName) {
    GameFolder game;
    const fs::path link = game.folder().parent_path() / (game.folder().filename().string() + "-link");
    fs::create_directory_symlink(game.folder(), link);
    PrepareWorkspace(game.root(), {"x"});
    ApplyWorkspace(files::GameFolder(link.string(), {}));
    EXPECT_EQ(readBytes(game.script()), bannerBytes() + "x\r\n");
    fs::remove(link);
}

TEST(KilledAtAnyMoment, TheScriptIsWholeOldOrNewAndTheBackupWhole) {
    GameFolder game;
    std::string own;
    for (int line = 0; own.size() < (1u << 20); ++line)
        own += "bind k" + std::to_string(line) + " \"say line " + std::to_string(line) + "\"\r\n";
    writeBytes(game.script(), own);
    const std::string applied = own + bannerBytes() + "rate \"9999\"\r\n";
    std::mt19937 random(20261208);
    for (int run = 0; run < 100; ++run) {
        SCOPED_TRACE("run " + std::to_string(run));
        const pid_t child = fork();
        if (child == 0) {
            try {
                for (;;) {
                    PrepareWorkspace(game.root(), {"rate \"9999\""});
                    ApplyWorkspace(game.root());
                    UninstallTweak(game.root());
                }
            } catch (const std::exception& error) {
                std::fprintf(stderr, "child: %s\n", error.what());
                _exit(1);
            }
        }
        usleep(std::uniform_int_distribution<useconds_t>(0, 30000)(random));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the child failed by itself";
        const auto script = readBytes(game.script());
        ASSERT_TRUE(script == own || script == applied)
            << "script of " << script.value_or("").size() << " bytes";
        const auto backup = readBytes(game.backup());
        ASSERT_TRUE(!backup || backup == own) << "backup of " << backup->size() << " bytes";
    }
}

} // namespace
