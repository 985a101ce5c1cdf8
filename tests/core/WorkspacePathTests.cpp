#include "WorkspaceTestGame.h"
#include "workspace/FileError.h"
#include "workspace/Workspace.h"

#include <cerrno>
#include <cstdlib>

using namespace workspace;

namespace {

TEST(GameFilePath, AppendsTheSuffixWithNativeSeparatorsAndLeavesTheRootAlone) {
#ifdef _WIN32
    EXPECT_EQ(gameFilePath("C:\\Games\\Half-Life", StartupScriptSuffix).string(),
              "C:\\Games\\Half-Life\\cstrike\\autoexec.cfg");
    EXPECT_EQ(gameFilePath("D:\\", BackupSuffix).string(), "D:\\\\cstrike\\Zentrimo.dll");
#else
    EXPECT_EQ(gameFilePath("/games/Half-Life", StartupScriptSuffix).string(),
              "/games/Half-Life/cstrike/autoexec.cfg");
    EXPECT_EQ(gameFilePath("/games/Half-Life/", WorkspaceSuffix).string(),
              "/games/Half-Life//cstrike/autoexec.tmp");
    EXPECT_EQ(gameFilePath("/games/odd\\name", GameConfigSuffix).string(),
              "/games/odd\\name/cstrike/config.cfg");
    EXPECT_EQ(gameFilePath("relative", BackupSuffix).string(), "relative/cstrike/Zentrimo.dll");
#endif
}

TEST(FileExists, FindsOnlyRegularFiles) {
    GameFolder game;
    const fs::path config = gameFilePath(game.root(), GameConfigSuffix);
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
    const FileError error(ENOENT, "/games/cstrike/autoexec.cfg");
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
// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name))
            m_old = old;
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~ScopedEnv() { m_old ? setenv(m_name, m_old->c_str(), 1) : unsetenv(m_name); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

TEST(GameFilePath, WindowsFormRootGoesThroughTheWinePrefixDrive) {
    const fs::path prefix = uniqueTempFolder("zentrimo-wine");
    fs::create_directories(prefix / "drive_c" / "Games" / "Half-Life" / "cstrike");
    fs::create_directory(prefix / "dosdevices");
    fs::create_directory_symlink("../drive_c", prefix / "dosdevices" / "c:");
    const ScopedEnv env("WINEPREFIX", prefix.c_str());

    EXPECT_EQ(gameFilePath("C:\\Games\\Half-Life", StartupScriptSuffix).string(),
              prefix.string() + "/dosdevices/c:/Games/Half-Life/cstrike/autoexec.cfg");
    EXPECT_EQ(gameFilePath("c:/Games/Half-Life\\", BackupSuffix).string(),
              prefix.string() + "/dosdevices/c:/Games/Half-Life//cstrike/Zentrimo.dll");

    PrepareWorkspace("C:\\Games\\Half-Life", {"thirdperson"});
    EXPECT_EQ(readBytes(prefix / "drive_c" / "Games" / "Half-Life" / "cstrike" / "autoexec.tmp"),
              bannerBytes() + "thirdperson\r\n");
    fs::remove_all(prefix);
}

TEST(GameFilePath, WindowsFormRootIsFoundWhateverItsLetterCase) {
    const fs::path prefix = uniqueTempFolder("zentrimo-wine");
    fs::create_directories(prefix / "drive_d" / "Games" / "Half-Life" / "cstrike");
    fs::create_directory(prefix / "dosdevices");
    fs::create_directory_symlink("../drive_d", prefix / "dosdevices" / "D:");
    const ScopedEnv env("WINEPREFIX", prefix.c_str());

    EXPECT_EQ(gameFilePath("d:\\GAMES\\half-life", GameConfigSuffix).string(),
              prefix.string() + "/dosdevices/D:/Games/Half-Life/cstrike/config.cfg");
    PrepareWorkspace("D:/games/HALF-LIFE", {"x"});
    ApplyWorkspace("d:\\Games\\Half-life");
    EXPECT_EQ(readBytes(prefix / "drive_d" / "Games" / "Half-Life" / "cstrike" / "autoexec.cfg"),
              bannerBytes() + "x\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(prefix / "drive_d"), {}), 1);
    fs::remove_all(prefix);
}

TEST(GameFilePath, WinePrefixDefaultsToDotWineInHome) {
    const ScopedEnv home("HOME", "/home/tester");
    for (const char* unset : {static_cast<const char*>(nullptr), ""}) {
        const ScopedEnv prefix("WINEPREFIX", unset);
        EXPECT_EQ(gameFilePath("D:\\x", GameConfigSuffix).string(),
                  "/home/tester/.wine/dosdevices/d:/x/cstrike/config.cfg");
    }
}
#endif

} // namespace
