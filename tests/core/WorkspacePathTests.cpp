#include "WorkspaceTestGame.h"
#include "files/FileError.h"
#include "files/WinePrefix.h"
#include "workspace/Workspace.h"

#include <cerrno>

using namespace workspace;

namespace {

TEST(GameFolderFile, AppendsTheSuffixWithNativeSeparatorsAndLeavesTheRootAlone) {
#ifdef _WIN32
    EXPECT_EQ(files::GameFolder("C:\\Games\\Half-Life", {}).file(StartupScriptSuffix).string(),
              "C:\\Games\\Half-Life\\cstrike\\autoexec.cfg");
    EXPECT_EQ(files::GameFolder("D:\\", {}).file(BackupSuffix).string(), "D:\\\\cstrike\\Zentrimo.dll");
#else
    EXPECT_EQ(files::GameFolder("/games/Half-Life", {}).file(StartupScriptSuffix).string(),
              "/games/Half-Life/cstrike/autoexec.cfg");
    EXPECT_EQ(files::GameFolder("/games/Half-Life/", {}).file(WorkspaceSuffix).string(),
              "/games/Half-Life//cstrike/autoexec.tmp");
    EXPECT_EQ(files::GameFolder("/games/odd\\name", {}).file(GameConfigSuffix).string(),
              "/games/odd\\name/cstrike/config.cfg");
    EXPECT_EQ(files::GameFolder("relative", {}).file(BackupSuffix).string(), "relative/cstrike/Zentrimo.dll");
#endif
}

TEST(FileExists, FindsOnlyRegularFiles) {
    GameFolder game;
    const fs::path config = game.root().file(GameConfigSuffix);
    EXPECT_FALSE(fileExists(config));
    fs::create_directory(config);
    EXPECT_FALSE(fileExists(config));
    fs::remove(config);
    writeBytes(config, "");
    EXPECT_TRUE(fileExists(config));
#ifndef _WIN32
    fs::create_symlink(config, game.script());
    EXPECT_TRUE(fileExists(game.script()));
    fs::create_symlink("missing.cfg", game.backup());
    EXPECT_FALSE(fileExists(game.backup()));
#endif
}

TEST(FileErrorText, CarriesNumberSystemTextAndPath) {
    const files::FileError error(ENOENT, "/games/cstrike/autoexec.cfg");
    EXPECT_EQ(error.errorNumber(), ENOENT);
    EXPECT_TRUE(error.code() == std::errc::no_such_file_or_directory) << error.code().message();
    EXPECT_FALSE(error.systemText().empty());
    EXPECT_EQ(error.path(), "/games/cstrike/autoexec.cfg");
    const std::string what = error.what();
    EXPECT_NE(what.find("/games/cstrike/autoexec.cfg"), std::string::npos) << what;
    EXPECT_NE(what.find(error.systemText()), std::string::npos) << what;
    EXPECT_NE(what.find(std::to_string(ENOENT)), std::string::npos) << what;
}

#ifndef _WIN32
TEST(GameFolderFile, WindowsFormRootGoesThroughTheWinePrefixDrive) {
    const TempFolder prefixFolder("zentrimo-wine");
    const fs::path& prefix = prefixFolder.path();
    fs::create_directories(prefix / "drive_c" / "Games" / "Half-Life" / "cstrike");
    fs::create_directory(prefix / "dosdevices");
    fs::create_directory_symlink("../drive_c", prefix / "dosdevices" / "c:");

    EXPECT_EQ(files::GameFolder("C:\\Games\\Half-Life", prefix).file(StartupScriptSuffix).string(),
              prefix.string() + "/dosdevices/c:/Games/Half-Life/cstrike/autoexec.cfg");
    EXPECT_EQ(files::GameFolder("c:/Games/Half-Life\\", prefix).file(BackupSuffix).string(),
              prefix.string() + "/dosdevices/c:/Games/Half-Life//cstrike/Zentrimo.dll");

    PrepareWorkspace(files::GameFolder("C:\\Games\\Half-Life", prefix), {"thirdperson"});
    EXPECT_EQ(readBytes(prefix / "drive_c" / "Games" / "Half-Life" / "cstrike" / "autoexec.tmp"),
              bannerBytes() + "thirdperson\r\n");
}

TEST(GameFolderFile, WindowsFormRootIsFoundWhateverItsLetterCase) {
    const TempFolder prefixFolder("zentrimo-wine");
    const fs::path& prefix = prefixFolder.path();
    fs::create_directories(prefix / "drive_d" / "Games" / "Half-Life" / "cstrike");
    fs::create_directory(prefix / "dosdevices");
    fs::create_directory_symlink("../drive_d", prefix / "dosdevices" / "D:");

    EXPECT_EQ(files::GameFolder("d:\\GAMES\\half-life", prefix).file(GameConfigSuffix).string(),
              prefix.string() + "/dosdevices/D:/Games/Half-Life/cstrike/config.cfg");
    PrepareWorkspace(files::GameFolder("D:/games/HALF-LIFE", prefix), {"x"});
    ApplyWorkspace(files::GameFolder("d:\\Games\\Half-life", prefix));
    EXPECT_EQ(readBytes(prefix / "drive_d" / "Games" / "Half-Life" / "cstrike" / "autoexec.cfg"),
              bannerBytes() + "x\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(prefix / "drive_d"), {}), 1);
}

TEST(GameFolderFile, WinePrefixDefaultsToDotWineInHome) {
    for (const auto& unset : {std::optional<fs::path>(), std::optional<fs::path>("")}) {
        const fs::path prefix = files::defaultWinePrefix(unset, fs::path("/home/tester"));
        EXPECT_EQ(files::GameFolder("D:\\x", prefix).file(GameConfigSuffix).string(),
                  "/home/tester/.wine/dosdevices/d:/x/cstrike/config.cfg");
    }
}
#endif

} // namespace
