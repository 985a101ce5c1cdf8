// The program's own files are never a door out of the game folder, and nothing changes before a
// problem is shown. POSIX only: links, FIFOs and processes started from the game folder.
#include "WorkspaceTestGame.h"
#include "files/FileError.h"
#include "workspace/RunningGame.h"
#include "workspace/Workspace.h"

#include <csignal>
#include <map>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace workspace;

namespace {

const std::string UserScript = "bind w +forward\r\n";
const std::string Outside = "the player's file outside the game folder\r\n";

// Every entry below a folder: its kind, and its bytes or link target.
std::map<fs::path, std::string> snapshot(const fs::path& folder) {
    std::map<fs::path, std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const auto status = fs::symlink_status(entry.path());
        if (fs::is_symlink(status))
            entries[entry.path()] = "link to " + fs::read_symlink(entry.path()).string();
        else if (fs::is_regular_file(status))
            entries[entry.path()] = "file " + readBytes(entry.path()).value_or("");
        else
            entries[entry.path()] = fs::is_directory(status) ? "folder" : "other";
    }
    return entries;
}

enum class Plant { LinkOut, Fifo, Folder };

struct PlantedCase {
    const char* name;
    const char* file; // under cstrike
    Plant plant;
    enum { Prepare, Apply, Uninstall } tried; // what meets the planted file; the steps before it ran first
};

class PlantedFile : public testing::TestWithParam<PlantedCase> {};

TEST_P(PlantedFile, IsRefusedWithItsPathBeforeAnyByteInsideOrOutsideChanges) {
    const PlantedCase& planted = GetParam();
    GameFolder game;
    const TempFolder outsideFolder("zentrimo-outside");
    const fs::path& outside = outsideFolder.path();
    writeBytes(outside / "target", Outside);
    writeBytes(game.script(), UserScript);
    writeBytes(game.cstrike() / "config.cfg", "rate \"20000\"\r\nexec userconfig.cfg\r\n");
    if (planted.tried != PlantedCase::Prepare)
        PrepareWorkspace(game.root(), {"rate \"9999\""});
    if (planted.tried == PlantedCase::Uninstall) {
        ApplyWorkspace(game.root());
        writeBytes(game.cstrike() / "config.cfg", "rate \"9999\"\r\nexec userconfig.cfg\r\n");
    }
    const fs::path file = game.cstrike() / planted.file;
    fs::remove(file);
    if (planted.plant == Plant::LinkOut)
        fs::create_symlink(outside / "target", file);
    else if (planted.plant == Plant::Fifo)
        ASSERT_EQ(mkfifo(file.c_str(), 0600), 0);
    else
        fs::create_directory(file);
    const auto inside = snapshot(game.folder());
    const auto outsideBefore = snapshot(outside);

    try {
        if (planted.tried == PlantedCase::Prepare)
            PrepareWorkspace(game.root(), {"x"});
        else
            planted.tried == PlantedCase::Apply ? ApplyWorkspace(game.root())
                                                : (void)UninstallTweak(game.root());
        ADD_FAILURE() << "not refused";
    } catch (const files::FileError& error) {
        EXPECT_EQ(error.code(), make_error_code(files::GameFileProblem::NotARegularFile))
            << error.code().message();
        EXPECT_EQ(error.path(), file);
    }
    EXPECT_EQ(snapshot(game.folder()), inside);
    EXPECT_EQ(snapshot(outside), outsideBefore);
}

INSTANTIATE_TEST_SUITE_P(
    , PlantedFile,
    testing::Values(
        PlantedCase{"BackupLinkedOutAtPrepare", "Zentrimo.dll", Plant::LinkOut, PlantedCase::Prepare},
        PlantedCase{"ZentrimoCfgLinkedOut", "zentrimo.cfg", Plant::LinkOut, PlantedCase::Apply},
        PlantedCase{"WorkspaceLinkedOut", "autoexec.tmp", Plant::LinkOut, PlantedCase::Apply},
        PlantedCase{"ExecRecordLinkedOut", "zentrimo-userconfig.added", Plant::LinkOut, PlantedCase::Apply},
        PlantedCase{"ValuesRecordLinkedOut", "zentrimo-config.before", Plant::LinkOut, PlantedCase::Apply},
        PlantedCase{"BackupLinkedOut", "Zentrimo.dll", Plant::LinkOut, PlantedCase::Uninstall},
        PlantedCase{"ZentrimoCfgFolder", "zentrimo.cfg", Plant::Folder, PlantedCase::Apply},
        PlantedCase{"ZentrimoCfgFolderAtUninstall", "zentrimo.cfg", Plant::Folder, PlantedCase::Uninstall},
        PlantedCase{"ValuesRecordFifo", "zentrimo-config.before", Plant::Fifo, PlantedCase::Uninstall},
        PlantedCase{"ExecRecordFolder", "zentrimo-userconfig.added", Plant::Folder, PlantedCase::Uninstall},
        PlantedCase{"UserConfigFifo", "userconfig.cfg", Plant::Fifo, PlantedCase::Apply},
        PlantedCase{"ConfigFolderAtUninstall", "config.cfg", Plant::Folder, PlantedCase::Uninstall}),
    [](const auto& info) { return std::string(info.param.name); });

// What else a player or another program may have left: each changes nothing it should not.
TEST(PlayersFiles, OwnZentrimoCfgChangedRecordsALinkedUserConfigAndAMissingBackup) {
    {
        SCOPED_TRACE("a zentrimo.cfg of the player's is neither replaced nor deleted");
        GameFolder game;
        writeBytes(game.cstrike() / "Zentrimo.CFG", "name \"mine\"\r\n");
        PrepareWorkspace(game.root(), {"x"});
        const auto before = snapshot(game.folder());
        try {
            ApplyWorkspace(game.root());
            ADD_FAILURE() << "applied over the player's zentrimo.cfg";
        } catch (const files::FileError& error) {
            EXPECT_EQ(error.code(), make_error_code(files::GameFileProblem::NotZentrimosFile));
        }
        EXPECT_EQ(snapshot(game.folder()), before);
        EXPECT_EQ(UninstallTweak(game.root()), UninstallResult::Restored);
        EXPECT_EQ(readBytes(game.cstrike() / "Zentrimo.CFG"), "name \"mine\"\r\n");
    }
    for (const auto& [record, bytes] : std::vector<std::pair<std::string, std::string>>{
             {"zentrimo-userconfig.added", "bind j +jump\r\nexec zentrimo.cfg\r\n"},
             {"zentrimo-config.before", "rate \"20000\" \"9999\"\r\nname \"me\" \"x\"\r\n"},
             {"zentrimo-config.before", "rate \"20000\" \"9999\"\r\nrate absent \"1\"\r\n"},
             {"zentrimo-config.before", "rate \"20000\"\"9999\"\r\n"},
             {"zentrimo-config.before", "format 2\r\nrate \"rate %2\" \"9999\"\r\n"},
             {"zentrimo-config.before", "format 2\r\nrate \"rate %2220000%22\" \"9999\"\r\n"},
             {"zentrimo-config.before", "format 2\r\nrate \"name %22me;%22\" \"9999\"\r\n"}}) {
        SCOPED_TRACE("a changed record is refused: " + bytes);
        GameFolder game;
        writeBytes(game.userConfig(), "bind j +jump\r\n");
        writeBytes(game.cstrike() / "config.cfg", "rate \"20000\"\r\n");
        PrepareWorkspace(game.root(), {"rate \"9999\""});
        ApplyWorkspace(game.root());
        writeBytes(game.cstrike() / record, bytes);
        const auto before = snapshot(game.folder());
        try {
            UninstallTweak(game.root());
            ADD_FAILURE() << "uninstalled with a changed record";
        } catch (const files::FileError& error) {
            EXPECT_EQ(error.code(), make_error_code(files::GameFileProblem::ChangedRecord));
            EXPECT_EQ(error.path(), game.cstrike() / record);
        }
        EXPECT_EQ(snapshot(game.folder()), before);
    }
    {
        SCOPED_TRACE("a userconfig.cfg linked to a missing file keeps its link");
        GameFolder game;
        const TempFolder outsideFolder("zentrimo-outside");
        const fs::path& outside = outsideFolder.path();
        fs::create_symlink(outside / "userconfig.cfg", game.userConfig());
        PrepareWorkspace(game.root(), {"x"});
        ApplyWorkspace(game.root());
        EXPECT_EQ(readBytes(outside / "userconfig.cfg"), "exec zentrimo.cfg\r\n");
        UninstallTweak(game.root());
        EXPECT_TRUE(fs::is_symlink(game.userConfig()));
        EXPECT_EQ(readBytes(outside / "userconfig.cfg"), "");
    }
    {
        SCOPED_TRACE("without the backup, Uninstall still takes back everything the program added");
        GameFolder game;
        writeBytes(game.script(), UserScript);
        writeBytes(game.userConfig(), "bind j +jump\r\n");
        PrepareWorkspace(game.root(), {"x"});
        ApplyWorkspace(game.root());
        fs::remove(game.backup());
        EXPECT_EQ(UninstallTweak(game.root()), UninstallResult::Restored);
        EXPECT_EQ(readBytes(game.script()), UserScript);
        EXPECT_EQ(readBytes(game.userConfig()), "bind j +jump\r\n");
        EXPECT_EQ(game.cstrikeNames(), (std::set<std::string>{"autoexec.cfg", "userconfig.cfg"}));
        EXPECT_EQ(UninstallTweak(game.root()), UninstallResult::NotInstalled);
    }
}

// What a run killed in the middle, a write-protected config.cfg and a value too large to record leave.
TEST(PlayersFiles, LeftTemporariesReadOnlyConfigAndAnOverlongLine) {
    {
        SCOPED_TRACE("a killed run's temporary files go, a link or a player's file of a like name stays");
        GameFolder game;
        const TempFolder outsideFolder("zentrimo-outside");
        const fs::path& outside = outsideFolder.path();
        writeBytes(outside / "target", Outside);
        for (const char* left :
             {"autoexec.cfg.zentrimo-0123456789ab", "zentrimo-config.before.zentrimo-fedcba987654"})
            writeBytes(game.cstrike() / left, "half");
        for (const char* players :
             {"notes.zentrimo-1", "maps.zentrimo-0123456789AB", ".zentrimo-0123456789ab"})
            writeBytes(game.cstrike() / players, "mine");
        fs::create_symlink(outside / "target", game.cstrike() / "userconfig.cfg.zentrimo-00000000000a");
        PrepareWorkspace(game.root(), {});
        EXPECT_EQ(game.cstrikeNames(),
                  (std::set<std::string>{".zentrimo-0123456789ab", "Zentrimo.dll", "autoexec.cfg",
                                         "autoexec.tmp", "maps.zentrimo-0123456789AB", "notes.zentrimo-1",
                                         "userconfig.cfg.zentrimo-00000000000a"}));
        EXPECT_EQ(readBytes(outside / "target"), Outside);
    }
    {
        SCOPED_TRACE("a write-protected config.cfg with nothing to give back is left as it is");
        GameFolder game;
        const fs::path config = game.cstrike() / "config.cfg";
        writeBytes(config, "rate \"20000\"\r\n");
        PrepareWorkspace(game.root(), {"rate \"9999\""});
        ApplyWorkspace(game.root());
        fs::permissions(config, fs::perms::owner_read);
        const auto changed = fs::last_write_time(config);
        EXPECT_EQ(UninstallTweak(game.root()), UninstallResult::Restored);
        EXPECT_EQ(readBytes(config), "rate \"20000\"\r\n");
        EXPECT_EQ(fs::last_write_time(config), changed);
        EXPECT_EQ(game.cstrikeNames(), (std::set<std::string>{"autoexec.cfg", "config.cfg"}));
    }
    {
        SCOPED_TRACE("a line far longer than the game reads is recorded as the game reads it, and stays");
        GameFolder game;
        // The game reads so large a file a line at a time, and ends the line at the first control byte.
        const std::string line = "rate \"//" + std::string(22u << 20, '\x01') + "\"\r\n";
        writeBytes(game.cstrike() / "config.cfg", line);
        PrepareWorkspace(game.root(), {"rate \"9999\""});
        ApplyWorkspace(game.root());
        EXPECT_LT(fs::file_size(game.cstrike() / "zentrimo-config.before"), 100u);
        EXPECT_EQ(UninstallTweak(game.root()), UninstallResult::Restored);
        EXPECT_TRUE(readBytes(game.cstrike() / "config.cfg") == line);
    }
}

// A stand-in for the game: sleep, started from the game folder under the game's name.
pid_t startStandIn(const fs::path& workingFolder, const fs::path& program, const char* name) {
    const pid_t child = fork();
    if (child == 0) {
        if (chdir(workingFolder.c_str()) == 0)
            execl(program.c_str(), name, "30", static_cast<char*>(nullptr));
        _exit(127);
    }
    usleep(200000);
    return child;
}

TEST(RunningGame, FoundByItsProgramsFolderOrItsWorkingFolder) {
    GameFolder game;
    const GameFolder elsewhere;
    fs::copy_file("/bin/sleep", game.folder() / "hl_linux");
    EXPECT_FALSE(gameRunningFrom(game.root()));
    struct Run {
        const char* name;
        fs::path workingFolder;
        fs::path program;
        const char* argument;
        bool found;
    };
    for (const Run& run :
         {Run{"hl_linux from the game folder", elsewhere.folder(), game.folder() / "hl_linux", "hl_linux",
              true},
          Run{"hl.exe under Wine", game.folder(), "/bin/sleep", "C:\\Games\\hl.exe", true},
          Run{"hl.exe of another game folder", elsewhere.folder(), "/bin/sleep", "hl.exe", false},
          Run{"another program in the game folder", game.folder(), "/bin/sleep", "sleep", false}}) {
        SCOPED_TRACE(run.name);
        const pid_t child = startStandIn(run.workingFolder, run.program, run.argument);
        EXPECT_EQ(gameRunningFrom(game.root()), run.found);
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
    }
    EXPECT_FALSE(gameRunningFrom(game.root()));
}

// Another user's processes, as /proc shows them: no exe or cwd link to read, only the command line
// and the name; one that has ended has no command line any more.
TEST(RunningGame, AnotherUsersGameCountsUnlessItsCommandLineNamesAnotherFolder) {
    GameFolder game;
    const GameFolder elsewhere;
    const std::string here = game.folder().string(), there = elsewhere.folder().string();
    struct Process {
        const char* name;
        std::string commandLine;
        const char* comm;
        fs::path workingFolder; // a readable cwd link when set
        bool found;
    };
    for (const Process& process :
         {Process{
              "hl_linux named by its path here", here + "/hl_linux\0-game\0cstrike\0", "hl_linux", {}, true},
          Process{"hl_linux named by its path elsewhere",
                  there + "/hl_linux\0-game\0cstrike\0",
                  "hl_linux",
                  {},
                  false},
          Process{"hl_linux named without a folder", std::string("hl_linux\0", 9), "hl_linux", {}, true},
          Process{"hl.exe on a drive not known here", "Q:\\Games\\hl.exe", "hl.exe", {}, true},
          Process{"hl_linux started as ./hl_linux here", "./hl_linux", "hl_linux", game.folder(), true},
          Process{"hl_linux started as ./hl_linux elsewhere", "./hl_linux", "hl_linux", elsewhere.folder(),
                  false},
          Process{"a game that has ended", "", "hl_linux", {}, false},
          Process{"another program", "/usr/bin/bash", "bash", {}, false}}) {
        SCOPED_TRACE(process.name);
        const TempFolder processesFolder("zentrimo-proc");
        const fs::path& processes = processesFolder.path();
        fs::create_directories(processes / "4242");
        fs::create_directories(processes / "self");
        writeBytes(processes / "4242" / "cmdline", process.commandLine);
        writeBytes(processes / "4242" / "comm", std::string(process.comm) + "\n");
        if (!process.workingFolder.empty())
            fs::create_directory_symlink(process.workingFolder, processes / "4242" / "cwd");
        EXPECT_EQ(gameRunningFrom(game.root(), processes), process.found);
    }
}

} // namespace
