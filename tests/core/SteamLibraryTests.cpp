#include "RegistryTestSupport.h"
#include "SteamLibrary.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace fs = std::filesystem;
using namespace registry::steam;
using registry::test::ScopedEnvironment;
using registry::test::TempFolder;
using registry::test::writeFile;

namespace {

// As Steam writes a path into its files: Windows' backslashes escaped.
std::string escaped(const fs::path& path) {
    std::string text;
    for (char c : path.string()) {
        if (c == '\\')
            text += '\\';
        text += c;
    }
    return text;
}

std::string manifest(std::string_view appId, std::string_view installDir) {
    return "\"AppState\"\n{\n\t\"appid\"\t\t\"" + std::string(appId) +
           "\"\n\t\"Universe\"\t\t\"1\"\n\t\"name\"\t\t\"Half-Life\"\n\t\"StateFlags\"\t\t\"4\"\n"
           "\t\"installdir\"\t\t\"" +
           std::string(installDir) +
           "\"\n\t\"InstalledDepots\"\n\t{\n\t\t\"71\"\n\t\t{\n\t\t\t\"manifest\"\t\t\"2391\"\n"
           "\t\t}\n\t}\n}\n";
}

std::string libraryFolders(const std::vector<fs::path>& libraries) {
    std::string text = "\"libraryfolders\"\n{\n";
    for (std::size_t i = 0; i < libraries.size(); ++i)
        text += "\t\"" + std::to_string(i) + "\"\n\t{\n\t\t\"path\"\t\t\"" + escaped(libraries[i]) +
                "\"\n\t\t\"label\"\t\t\"\"\n\t\t\"apps\"\n\t\t{\n\t\t\t\"70\"\t\t\"1\"\n\t\t}\n\t}\n";
    return text + "}\n";
}

class SteamLibrary : public ::testing::Test {
protected:
    static void write(const fs::path& file, std::string_view bytes) { writeFile(file, bytes); }

    fs::path makeRoot(std::string_view relative = ".local/share/Steam") {
        fs::create_directories(home / relative / "steamapps");
        return home / relative;
    }

    // Returns the game folder the manifest names.
    static std::string install(const fs::path& library, std::string_view installDir, bool withConfig = true,
                               std::string_view appId = "70") {
        write(library / "steamapps" / ("appmanifest_" + std::string(appId) + ".acf"),
              manifest(appId, installDir));
        fs::path folder = library / "steamapps" / "common" / installDir;
        fs::create_directories(folder / "cstrike");
        if (withConfig)
            write(folder / "cstrike" / "config.cfg", "name \"player\"\n");
        return folder.make_preferred().string();
    }

    std::optional<std::string> find(std::optional<fs::path> steamDir = {}) const {
        return findHalfLifeInstallPath({home, steamDir});
    }

    TempFolder temp;
    fs::path home = fs::canonical(temp.path());
};

TEST_F(SteamLibrary, FindsTheGameInALaterListedLibrary) {
    fs::path root = makeRoot();
    fs::path second = home / "games/SteamLibrary";
    write(root / "steamapps/libraryfolders.vdf", libraryFolders({root, home / "gone", second}));
    std::string game = install(second, "Half-Life");
    EXPECT_EQ(find(), game);
    EXPECT_EQ(steamLibraries({home, {}}), (std::vector<fs::path>{root, second})); // "gone" left out
}

TEST_F(SteamLibrary, ReadsTheOldFormWithEscapedBackslashes) {
    fs::path root = makeRoot();
    fs::path library = home / "Games\\Steam";
    write(
        root / "steamapps/libraryfolders.vdf",
        "\"LibraryFolders\"\n{\n\t\"TimeNextStatsReport\"\t\t\"1700000000\"\n\t\"ContentStatsID\"\t\t\"-4\"\n"
        "\t\"1\"\t\t\"" +
            escaped(library) + "\"\n}\n");
    EXPECT_EQ(find(), install(library, "Half-Life"));
}

class SteamRootLocation : public SteamLibrary, public ::testing::WithParamInterface<const char*> {};

TEST_P(SteamRootLocation, FindsAnInstallUnderEachRootAlone) {
    std::string game = install(makeRoot(GetParam()), "Half-Life");
    EXPECT_EQ(find(), game);
}

INSTANTIATE_TEST_SUITE_P(Roots, SteamRootLocation,
                         ::testing::Values(".steam/steam", ".steam/root", ".local/share/Steam",
                                           ".var/app/com.valvesoftware.Steam/.local/share/Steam",
                                           ".var/app/com.valvesoftware.Steam/.steam/steam",
                                           "snap/steam/common/.local/share/Steam"));

TEST_F(SteamLibrary, SteamDirComesFirst) {
    fs::path native = makeRoot();
    fs::path custom = makeRoot("custom/Steam");
    install(native, "Half-Life");
    std::string game = install(custom, "Half-Life");
    EXPECT_EQ(find(custom), game);
    EXPECT_EQ(steamRoots({home, custom}), (std::vector<fs::path>{custom, native}));
}

// Wine makes no symbolic links.
#ifndef _WIN32
TEST_F(SteamLibrary, SymlinkedRootsAndRepeatedLibrariesAreTriedOnce) {
    fs::path root = makeRoot();
    fs::path extra = home / "extra";
    fs::create_directories(home / ".steam");
    fs::create_directory_symlink(root, home / ".steam/steam");
    fs::create_directory_symlink(home / ".steam/steam", home / ".steam/root");
    fs::create_directory_symlink(extra, home / "extra-link");
    write(root / "steamapps/libraryfolders.vdf",
          libraryFolders({home / ".steam/steam", extra.string() + "/", home / "extra-link"}));
    fs::create_directories(extra / "steamapps");
    EXPECT_EQ(steamRoots({home, {}}), std::vector<fs::path>{root});
    EXPECT_EQ(steamLibraries({home, {}}), (std::vector<fs::path>{root, extra}));
    EXPECT_EQ(find(), install(extra, "Half-Life"));
}
#endif

TEST_F(SteamLibrary, PrefersAFolderWithTheGameConfigElseTheFirstThatExists) {
    fs::path root = makeRoot();
    fs::path second = home / "second";
    write(root / "steamapps/libraryfolders.vdf", libraryFolders({root, second}));
    write(root / "steamapps/appmanifest_10.acf", manifest("10", "Deleted"));
    std::string bare = install(root, "Half-Life", false);
    std::string complete = install(second, "Half-Life");
    EXPECT_EQ(find(), complete);
    fs::remove(fs::path(complete) / "cstrike/config.cfg");
    EXPECT_EQ(find(), bare);
}

TEST_F(SteamLibrary, CounterStrikeManifestLeadsToTheFolderToo) {
    fs::path root = makeRoot();
    EXPECT_EQ(find(), std::nullopt);
    EXPECT_EQ(find(), install(root, "Half-Life", true, "10"));
}

TEST_F(SteamLibrary, KeysAndTheFolderNameMatchWithoutCase) {
    fs::path root = makeRoot();
    fs::path library = home / "old";
    write(root / "steamapps/libraryfolders.vdf",
          "\"LibraryFolders\" { \"1\" { \"Path\" \"" + escaped(library) + "\" } }");
    write(library / "SteamApps/appmanifest_70.acf", R"("APPSTATE" { "AppID" "70" "InstallDir" "HL" })");
    fs::create_directories(library / "SteamApps/common/HL/cstrike");
    // Windows finds the folder under either spelling and keeps the one it was asked for.
    const std::optional<std::string> found = find();
    ASSERT_TRUE(found);
    EXPECT_TRUE(fs::equivalent(*found, library / "SteamApps" / "common" / "HL")) << *found;
}

TEST_F(SteamLibrary, InstallDirLeavingTheLibraryIsRefused) {
    fs::path root = makeRoot();
    install(home, "escaped"); // holds steamapps/common/escaped/cstrike/config.cfg
    write(root / "steamapps/appmanifest_70.acf", manifest("70", "../../../../../steamapps/common/escaped"));
    write(root / "steamapps/appmanifest_10.acf",
          manifest("10", (home / "steamapps/common/escaped").string()));
    EXPECT_EQ(find(), std::nullopt);
}

TEST_F(SteamLibrary, OversizedAndSpecialLibraryListsAreSkipped) {
    fs::path root = makeRoot();
    fs::path second = home / "second";
    std::string game = install(second, "Half-Life");
    fs::path list = root / "steamapps/libraryfolders.vdf";
    write(list, libraryFolders({root, second}) + std::string(1024, ' '));
    EXPECT_EQ(find(), game);
    write(list, libraryFolders({root, second}) + std::string(9 * 1024 * 1024, ' '));
    EXPECT_EQ(find(), std::nullopt);
}

#ifndef _WIN32
TEST_F(SteamLibrary, LibraryListThatWouldBlockIsSkipped) {
    fs::path root = makeRoot();
    ASSERT_EQ(mkfifo((root / "steamapps/libraryfolders.vdf").c_str(), 0600), 0);
    EXPECT_EQ(steamLibraries({home, {}}), std::vector<fs::path>{root});
}
#endif

class SteamMalformedFile : public SteamLibrary, public ::testing::WithParamInterface<std::string> {};

TEST_P(SteamMalformedFile, BrokenLibraryListStillLeavesTheRoot) {
    fs::path root = makeRoot();
    std::string game = install(root, "Half-Life");
    write(root / "steamapps/libraryfolders.vdf", GetParam());
    EXPECT_EQ(find(), game);
}

TEST_P(SteamMalformedFile, BrokenManifestIsPassedOver) {
    fs::path root = makeRoot();
    std::string game = install(root, "Half-Life");
    write(root / "steamapps/appmanifest_70.acf", GetParam());
    EXPECT_EQ(find(), std::nullopt);
    write(root / "steamapps/appmanifest_10.acf", manifest("10", "Half-Life"));
    EXPECT_EQ(find(), game);
}

using namespace std::string_literals;
INSTANTIATE_TEST_SUITE_P(Contents, SteamMalformedFile,
                         ::testing::Values(R"("AppState" { "appid" "70" "installdir" "Half-Life)",
                                           R"("AppState" { "appid" "70" "installdir" "Half-Life")",
                                           "\"AppState\" {\"installdir\" \"Half-Life\" \0\xff\xfe\x01\x02 }"s,
                                           ""s));

TEST(SteamEnvironment, ReadsHomeAndSteamDir) {
    ScopedEnvironment environment;
    environment.set("HOME", "/home/player");
    environment.set("STEAM_DIR", "/opt/steam");
    SteamSearch search = searchFromEnvironment();
    EXPECT_EQ(search.home, "/home/player");
    EXPECT_EQ(search.steamDir, "/opt/steam");
    environment.set("STEAM_DIR", "");
    EXPECT_EQ(searchFromEnvironment().steamDir, std::nullopt);
    environment.set("STEAM_DIR", std::nullopt);
    EXPECT_EQ(searchFromEnvironment().steamDir, std::nullopt);
}

} // namespace
