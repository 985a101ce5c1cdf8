#include "RegistryTestSupport.h"
#include "search/SteamLibrary.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <utility>

namespace fs = std::filesystem;
using namespace search::steam;
using namespace registry::test;

namespace {

std::vector<std::string> texts(const std::vector<fs::path>& paths) {
    std::vector<std::string> result;
    for (const fs::path& path : paths)
        result.push_back(path.string());
    return result;
}

// Windows opens a folder under any spelling and keeps the one it was asked for: the same folder there.
void expectSameFolder(const std::optional<std::string>& found, const std::string& expected) {
#ifdef _WIN32
    ASSERT_TRUE(found);
    EXPECT_TRUE(fs::equivalent(*found, expected)) << *found << " is not " << expected;
#else
    EXPECT_EQ(found, expected);
#endif
}

class SteamLibrary : public ::testing::Test {
protected:
    static void write(const fs::path& file, std::string_view bytes) { writeFile(file, bytes); }
    static void writeLibraries(const fs::path& root, const std::vector<fs::path>& libraries) {
        write(root / "steamapps/libraryfolders.vdf", libraryFolders(texts(libraries)));
    }

    fs::path makeRoot(std::string_view relative = ".local/share/Steam") {
        fs::create_directories(home / relative / "steamapps");
        return home / relative;
    }

    // Returns the game folder the manifest names.
    static std::string install(const fs::path& library, std::string_view installDir, bool withConfig = true,
                               std::string_view appId = "70", std::string_view steamApps = "steamapps") {
        return installGame(library, {appId, installDir, "4", withConfig, steamApps})
            .make_preferred()
            .string();
    }

    // The native roots searched in order, as the stand-in registry searches them.
    HalfLifeSearch search(std::optional<fs::path> steamDir = {}) const {
        HalfLifeSearch search;
        for (const SteamRoot& root : nativeRoots(home, steamDir))
            if (search.search(root))
                break;
        return search;
    }
    std::optional<std::string> find(std::optional<fs::path> steamDir = {}) const {
        return search(steamDir).answer();
    }
    std::vector<fs::path> rootFolders(std::optional<fs::path> steamDir = {}) const {
        std::vector<fs::path> folders;
        for (const SteamRoot& root : nativeRoots(home, steamDir))
            folders.push_back(root.folder);
        return folders;
    }

    TempFolder temp;
    fs::path home = fs::canonical(temp.path());
};

TEST_F(SteamLibrary, FindsTheGameInALaterListedLibrary) {
    fs::path root = makeRoot();
    fs::path second = home / "games/SteamLibrary";
    writeLibraries(root, {root, home / "gone", second});
    std::string game = install(second, "Half-Life");
    EXPECT_EQ(find(), game);
    EXPECT_EQ(search().libraries(), (std::vector<fs::path>{root, second})); // "gone" left out
}

TEST_F(SteamLibrary, ReadsTheOldFormWithEscapedBackslashes) {
    fs::path root = makeRoot();
    fs::path library = home / "Games\\Steam";
    write(root / "steamapps/libraryfolders.vdf", oldLibraryFolders({library.string()}));
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
                                           "snap/steam/common/.local/share/Steam",
                                           ".snap/data/steam/common/.local/share/Steam"));

TEST_F(SteamLibrary, RootsComeInTheirFixedOrder) {
    const std::vector<fs::path> roots{makeRoot("custom/Steam"), makeRoot(".local/share/Steam"),
                                      makeRoot("snap/steam/common/.local/share/Steam"),
                                      makeRoot(".snap/data/steam/common/.local/share/Steam")};
    for (const fs::path& root : roots)
        install(root, "Half-Life");
    EXPECT_EQ(rootFolders(roots[0]), roots);
    for (const fs::path& root : roots) {
        EXPECT_EQ(find(roots[0]), (root / "steamapps/common/Half-Life").make_preferred().string());
        fs::remove(root / "steamapps/appmanifest_70.acf");
    }
    EXPECT_EQ(find(roots[0]), std::nullopt);
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
    writeLibraries(root, {home / ".steam/steam", extra.string() + "/", home / "extra-link"});
    fs::create_directories(extra / "steamapps");
    EXPECT_EQ(rootFolders(), std::vector<fs::path>{root});
    EXPECT_EQ(search().libraries(), (std::vector<fs::path>{root, extra}));
    EXPECT_EQ(find(), install(extra, "Half-Life"));
}

TEST_F(SteamLibrary, SteamAppsInExactCaseWinsOverOtherSpellings) {
    fs::path root = makeRoot();
    install(root, "Other", true, "70", "SteamApps");
    std::string exact = install(root, "Half-Life");
    EXPECT_EQ(find(), exact);
    fs::remove_all(root / "steamapps");
    EXPECT_EQ(find(), install(root, "First", true, "70", "STEAMAPPS")); // before "SteamApps" in byte order
}
#endif

class SteamAppsSpelling : public SteamLibrary, public ::testing::WithParamInterface<const char*> {};

// Steam takes the folder in any letter case, and so do its libraries.
TEST_P(SteamAppsSpelling, IsFoundInTheRootAndInListedLibraries) {
    fs::path root = home / ".local/share/Steam";
    fs::path second = home / "second";
    fs::create_directories(root / GetParam());
    write(root / GetParam() / "libraryfolders.vdf", libraryFolders(texts({root, second})));
    std::string game = install(second, "Half-Life", true, "70", GetParam());
    expectSameFolder(find(), game);
    fs::remove_all(second);
    expectSameFolder(find(), install(root, "Half-Life", true, "10", GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Spellings, SteamAppsSpelling,
                         ::testing::Values("steamapps", "SteamApps", "STEAMAPPS"));

TEST_F(SteamLibrary, SteamDirComesFirst) {
    fs::path native = makeRoot();
    fs::path custom = makeRoot("custom/Steam");
    install(native, "Half-Life");
    std::string game = install(custom, "Half-Life");
    EXPECT_EQ(find(custom), game);
    EXPECT_EQ(rootFolders(custom), (std::vector<fs::path>{custom, native}));
}

TEST_F(SteamLibrary, PrefersAFolderWithTheGameConfigElseTheFirstThatExists) {
    fs::path root = makeRoot();
    fs::path second = home / "second";
    writeLibraries(root, {root, second});
    write(root / "steamapps/appmanifest_10.acf", appManifest("10", "Deleted"));
    std::string bare = install(root, "Half-Life", false);
    std::string complete = install(second, "Half-Life");
    EXPECT_EQ(find(), complete);
    fs::remove(fs::path(complete) / "cstrike/config.cfg");
    EXPECT_EQ(find(), bare);
}

// The game finds its config in any letter case, so the folder counts as complete.
TEST_F(SteamLibrary, GameConfigIsFoundInAnyLetterCase) {
    fs::path root = makeRoot();
    fs::path second = home / "second";
    writeLibraries(root, {root, second});
    install(root, "Half-Life", false);
    fs::path complete = home / "second/steamapps/common/Half-Life";
    write(second / "steamapps/appmanifest_70.acf", appManifest("70", "Half-Life"));
    write(complete / "CStrike/Config.cfg", "name \"player\"\n");
    EXPECT_EQ(find(), complete.make_preferred().string());
}

TEST_F(SteamLibrary, ManifestsMarkedNotInstalledArePassedOver) {
    fs::path root = makeRoot();
    fs::path second = home / "second";
    writeLibraries(root, {root, second});
    std::string first = install(root, "Half-Life");
    std::string later = install(second, "Half-Life");
    const std::vector<std::pair<std::string, std::string>> flagsAndAnswer{
        {"1", later},    {"1025", later}, {"4", first}, {"6", first},
        {"1030", first}, {"", first},     {"x1", first}};
    for (const auto& [flags, answer] : flagsAndAnswer) {
        write(root / "steamapps/appmanifest_70.acf", appManifest("70", "Half-Life", flags));
        EXPECT_EQ(find(), answer) << "StateFlags " << flags;
    }
    write(second / "steamapps/appmanifest_70.acf", appManifest("70", "Half-Life", "1"));
    write(root / "steamapps/appmanifest_70.acf", appManifest("70", "Half-Life", "1"));
    EXPECT_EQ(find(), std::nullopt);
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
          "\"LibraryFolders\" { \"1\" { \"Path\" \"" + escapedBackslashes(library.string()) + "\" } }");
    write(library / "SteamApps/appmanifest_70.acf", R"("APPSTATE" { "AppID" "70" "InstallDir" "HL" })");
    fs::create_directories(library / "SteamApps/common/HL/cstrike");
    expectSameFolder(find(), (library / "SteamApps" / "common" / "HL").make_preferred().string());
}

TEST_F(SteamLibrary, InstallDirLeavingTheLibraryIsRefused) {
    fs::path root = makeRoot();
    install(home, "escaped"); // holds steamapps/common/escaped/cstrike/config.cfg
    write(root / "steamapps/appmanifest_70.acf",
          appManifest("70", "../../../../../steamapps/common/escaped"));
    write(root / "steamapps/appmanifest_10.acf",
          appManifest("10", (home / "steamapps/common/escaped").string()));
    EXPECT_EQ(find(), std::nullopt);
}

TEST_F(SteamLibrary, OversizedAndSpecialLibraryListsAreSkipped) {
    fs::path root = makeRoot();
    fs::path second = home / "second";
    std::string game = install(second, "Half-Life");
    fs::path list = root / "steamapps/libraryfolders.vdf";
    write(list, libraryFolders(texts({root, second})) + std::string(1024, ' '));
    EXPECT_EQ(find(), game);
    write(list, libraryFolders(texts({root, second})) + std::string(9 * 1024 * 1024, ' '));
    EXPECT_EQ(find(), std::nullopt);
}

#ifndef _WIN32
TEST_F(SteamLibrary, LibraryListThatWouldBlockIsSkipped) {
    fs::path root = makeRoot();
    ASSERT_EQ(mkfifo((root / "steamapps/libraryfolders.vdf").c_str(), 0600), 0);
    EXPECT_EQ(search().libraries(), std::vector<fs::path>{root});
}
#endif

// Once a complete game is found, later roots are not even looked at.
TEST_F(SteamLibrary, SearchEndsAtTheFirstCompleteGame) {
    fs::path first = makeRoot("first");
    fs::path later = makeRoot("later");
    std::string bare = install(first, "Half-Life", false);
    HalfLifeSearch search;
    EXPECT_FALSE(search.search({first, std::nullopt}));
    EXPECT_EQ(search.answer(), bare);
    std::string complete = install(later, "Half-Life");
    EXPECT_TRUE(search.search({later, std::nullopt}));
    EXPECT_EQ(search.answer(), complete);
    EXPECT_TRUE(search.search({makeRoot("third"), std::nullopt}));
    EXPECT_EQ(search.libraries(), (std::vector<fs::path>{first, later}));
}

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
    write(root / "steamapps/appmanifest_10.acf", appManifest("10", "Half-Life"));
    EXPECT_EQ(find(), game);
}

using namespace std::string_literals;
INSTANTIATE_TEST_SUITE_P(Contents, SteamMalformedFile,
                         ::testing::Values(R"("AppState" { "appid" "70" "installdir" "Half-Life)",
                                           R"("AppState" { "appid" "70" "installdir" "Half-Life")",
                                           "\"AppState\" {\"installdir\" \"Half-Life\" \0\xff\xfe\x01\x02 }"s,
                                           ""s));

} // namespace
