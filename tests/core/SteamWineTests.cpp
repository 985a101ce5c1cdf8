// Where the start window's install paths come from when the registry lacks them: the machine-wide keys,
// native Steam and Steam for Windows in Wine prefixes, on fake homes laid out as players have them.
#ifndef _WIN32

#include "RegistryTestSupport.h"
#include "files/NameLookup.h"
#include "files/WholeFile.h"
#include "files/WinePrefix.h"
#include "search/GameSearch.h"
#include "search/SteamKeyValues.h"
#include "search/SteamLibrary.h"
#include "search/WinePrefixes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <sys/stat.h>

using namespace std::string_literals;
using namespace registry;
using namespace registry::test;
using namespace search;
namespace fs = std::filesystem;

namespace {

const Result NotFound(2, ""s);
constexpr const char* HalfLifeKey = "Software\\valve\\half-life";
constexpr const char* CounterStrikeKey = "Software\\valve\\counterstrike";

class SteamInWine : public WineRegistry {
protected:
    fs::path home() const { return fs::canonical(m_home); }

    // The game's folder as the search names it.
    static std::string installGameAt(const fs::path& library, const GameInstall& game = {}) {
        return fs::canonical(installGame(library, game)).string();
    }

    // What the search answers for the edition whose key this is: the folder, else the user's registry's
    // status.
    static Result installPath(const char* key) {
        const search::FoundFolder found = search::gameFolder(
            key == std::string_view(HalfLifeKey) ? search::GameEdition::Steam : search::GameEdition::Retail,
            processEnvironment());
        if (found.folder)
            return Result(0, *found.folder);
        return Result(
            found.problem == search::SearchProblem::NotFound ? ErrorFileNotFound : found.registryError, ""s);
    }

    void writeSystemReg(std::string_view body) const {
        writeFile(m_prefix / "system.reg", std::string(WineHeader).append(body));
    }
};

class SteamInWinePrefix : public SteamInWine, public ::testing::WithParamInterface<const char*> {};

// Each layout alone: the game's Unix folder, reached through the prefix's own drive links.
TEST_P(SteamInWinePrefix, LeadsToTheGameInsideThePrefix) {
    const fs::path prefix = GetParam() == "$WINEPREFIX"s ? m_prefix : m_home / GetParam();
    const std::string game = installGameAt(makeWineSteam(prefix));
    EXPECT_EQ(installPath(HalfLifeKey), Result(0, game));
    EXPECT_EQ(installPath(CounterStrikeKey), NotFound);
}

INSTANTIATE_TEST_SUITE_P(Layouts, SteamInWinePrefix,
                         ::testing::Values("$WINEPREFIX", ".wine", "Games/counter-strike",
                                           ".local/share/bottles/bottles/Steam",
                                           ".var/app/com.usebottles.bottles/data/bottles/bottles/Steam"));

TEST_F(SteamInWine, LibrariesInWindowsFormLeadThroughTheDriveLinks) {
    const fs::path steam = makeWineSteam(m_prefix);
    const fs::path disk = m_temp.path() / "disk";
    fs::create_directories(disk / "Games/SteamLibrary");
    fs::create_directories(m_home / "SteamLibrary");
    fs::create_directory_symlink(disk, m_prefix / "dosdevices/d:");
    const std::string onD = installGameAt(disk / "Games/SteamLibrary");
    const std::vector<std::string> listed{"C:\\Program Files (x86)\\Steam", onDriveZ(m_home / "SteamLibrary"),
                                          "d:\\GAMES\\steamlibrary"};
    for (const std::string& form : {libraryFolders(listed), oldLibraryFolders({listed[1], listed[2]})}) {
        writeFile(steam / "steamapps/libraryfolders.vdf", form);
        EXPECT_EQ(installPath(HalfLifeKey), Result(0, onD)) << form;
    }
    const std::string onZ = installGameAt(m_home / "SteamLibrary");
    EXPECT_EQ(installPath(HalfLifeKey), Result(0, onZ));
    const std::optional<steam::SteamRoot> root = wine::prefixSteamRoot(m_prefix);
    ASSERT_TRUE(root);
    steam::HalfLifeSearch search;
    EXPECT_FALSE(search.search({root->folder, std::nullopt})); // Windows paths lead nowhere natively
    EXPECT_EQ(search.answer(), std::nullopt);
}

// Wine takes a name's exact spelling when it exists, else one that differs only in case.
TEST_F(SteamInWine, NamesResolveAsWineResolvesThem) {
    const fs::path programs = m_prefix / "drive_c/Program Files (x86)";
    makeWineSteam(m_prefix, "C:/PROGRAM FILES (X86)/steam");
    fs::create_directories(programs / "steam/steamapps");
    const std::string exact = installGameAt(programs / "steam");
    installGameAt(programs / "Steam");
    EXPECT_EQ(installPath(HalfLifeKey), Result(0, exact));
    fs::remove_all(programs / "steam");
    EXPECT_EQ(installPath(HalfLifeKey),
              Result(0, fs::canonical(programs / "Steam/steamapps/common/Half-Life").string()));
    fs::remove(m_prefix / "dosdevices/c:");
    fs::create_directory_symlink("../drive_c", m_prefix / "dosdevices/C:");
    EXPECT_EQ(installPath(HalfLifeKey),
              Result(0, fs::canonical(programs / "Steam/steamapps/common/Half-Life").string()));
}

TEST(ThroughDriveLinks, TakesOnlyDrivePathsThatStayOnTheDrive) {
    const TempFolder temp;
    const fs::path drive = temp.path() / "drive_c";
    fs::create_directories(drive / "Games/Half-Life");
    fs::create_directories(temp.path() / "dosdevices");
    fs::create_directory_symlink(drive, temp.path() / "dosdevices/c:");
    const fs::path c = temp.path() / "dosdevices/c:";
    EXPECT_EQ(files::throughDriveLinks(temp.path(), "C:\\"), c);
    EXPECT_EQ(files::throughDriveLinks(temp.path(), "c:/games//HALF-LIFE/"), c / "Games/Half-Life");
    EXPECT_EQ(files::throughDriveLinks(temp.path(), "C:\\\\Games"), c / "Games");
    for (const char* other :
         {"C:Games", "D:\\Games", "\\\\server\\share\\Games", "/Games", "1:\\Games", "C:\\Games\\..\\Games",
          "C:\\Games\\.\\Half-Life", "C:\\Games\\Half-Life\\cstrike", ""})
        EXPECT_EQ(files::throughDriveLinks(temp.path(), other), std::nullopt) << other;
}

// Every place at once; each answers once those before it are gone.
TEST_F(SteamInWine, PlacesAnswerInTheirFixedOrder) {
    writeUserReg("[Software\\\\Valve\\\\Half-Life]\n\"InstallPath\"=\"C:\\\\Sierra\\\\Half-Life\"\n");
    writeSystemReg("[Software\\\\Valve\\\\Half-Life]\n\"InstallPath\"=\"C:\\\\WON\\\\Half-Life\"\n");
    std::vector<std::string> steamGames;
    steamGames.push_back(installGameAt(steamDir()));
    const fs::path nativeSteam = m_home / ".local/share/Steam";
    fs::create_directories(nativeSteam);
    steamGames.push_back(installGameAt(nativeSteam));
    for (const fs::path& prefix : {m_prefix, m_home / ".wine", m_home / "Games/a-game",
                                   m_home / "Games/b-game", m_home / ".local/share/bottles/bottles/Steam",
                                   m_home / ".var/app/com.usebottles.bottles/data/bottles/bottles/Steam"})
        steamGames.push_back(installGameAt(makeWineSteam(prefix)));
    // The default prefix holds both the registry values and a Steam for Windows.
    writeFile(m_prefix / "user.reg",
              steamUserReg("c:/program files (x86)/steam") +
                  "\n[Software\\\\Valve\\\\Half-Life]\n\"InstallPath\"=\"C:\\\\Sierra\\\\Half-Life\"\n");

    EXPECT_EQ(installPath(HalfLifeKey), Result(0, "C:\\Sierra\\Half-Life"s));
    writeFile(m_prefix / "user.reg", steamUserReg("c:/program files (x86)/steam"));
    EXPECT_EQ(installPath(HalfLifeKey), Result(0, "C:\\WON\\Half-Life"s));
    fs::remove(m_prefix / "system.reg");
    for (const std::string& game : steamGames) {
        EXPECT_EQ(installPath(HalfLifeKey), Result(0, game));
        fs::remove(fs::path(game).parent_path().parent_path() / "appmanifest_70.acf");
    }
    EXPECT_EQ(installPath(HalfLifeKey), NotFound);
    EXPECT_EQ(installPath(CounterStrikeKey), NotFound);
}

// A game the player has run counts before one never started, wherever it is.
TEST_F(SteamInWine, AGameWithItsConfigWinsOverAnEarlierOneWithout) {
    installGameAt(steamDir(), {.withConfig = false});
    const std::string lutris = installGameAt(makeWineSteam(m_home / "Games/steam"));
    EXPECT_EQ(installPath(HalfLifeKey), Result(0, lutris));
    fs::remove(fs::path(lutris) / "cstrike/config.cfg");
    EXPECT_EQ(installPath(HalfLifeKey),
              Result(0, fs::canonical(steamDir() / "steamapps/common/Half-Life").string()));
}

TEST_F(SteamInWine, ManifestsMarkedNotInstalledArePassedOver) {
    installGameAt(makeWineSteam(m_prefix), {.stateFlags = "1"});
    const std::string bottle = installGameAt(makeWineSteam(m_home / ".local/share/bottles/bottles/Games"),
                                             {.appId = "10", .stateFlags = "6"});
    EXPECT_EQ(installPath(HalfLifeKey), Result(0, bottle));
}

// The same folders reached through links, a drive or the prefix variable are searched once.
TEST_F(SteamInWine, LinkedPrefixesAndLibrariesAreSearchedOnce) {
    const fs::path wine = m_home / ".wine";
    const fs::path steam = makeWineSteam(wine);
    fs::create_directories(m_home / "Games");
    fs::create_directory_symlink(wine, m_home / "Games/linked");
    fs::create_directory_symlink(wine, m_prefix);
    fs::create_directories(m_home / "Games/b-game");
    fs::create_directories(m_home / "Games/a-game");
    EXPECT_EQ(wine::winePrefixes(home(), m_prefix),
              (std::vector<fs::path>{fs::canonical(wine), home() / "Games/a-game", home() / "Games/b-game"}));

    const fs::path nativeSteam = home() / ".local/share/Steam";
    fs::create_directories(nativeSteam / "steamapps");
    writeFile(
        steam / "steamapps/libraryfolders.vdf",
        libraryFolders({"C:\\Program Files (x86)\\Steam", onDriveZ(nativeSteam), onDriveZ(steamDir())}));
    steam::HalfLifeSearch search;
    for (const steam::SteamRoot& root : steam::nativeRoots(home(), steamDir()))
        search.search(root);
    search.search(*wine::prefixSteamRoot(m_prefix));
    EXPECT_EQ(search.libraries(), (std::vector<fs::path>{fs::canonical(steamDir()), nativeSteam, steam}));
    // The picker is offered the same libraries.
    EXPECT_EQ(search::steamLibraries(processEnvironment()), search.libraries());
}

TEST_F(SteamInWine, MachineWideValuesServeBothEditionsAfterTheUsersOwn) {
    writeSystemReg(
        "[Software\\\\Wow6432Node\\\\Valve\\\\Half-Life]\n\"InstallPath\"=\"C:\\\\WON\\\\Half-Life\"\n"
        "[Software\\\\Wow6432Node\\\\Valve\\\\CounterStrike]\n\"InstallPath\"=\"C:\\\\Retail\\\\CS32\"\n"
        "[Software\\\\Valve\\\\CounterStrike]\n\"InstallPath\"=\"C:\\\\Retail\\\\CS\"\n");
    installGameAt(steamDir());
    EXPECT_EQ(installPath(HalfLifeKey), Result(0, "C:\\WON\\Half-Life"s));
    EXPECT_EQ(installPath(CounterStrikeKey), Result(0, "C:\\Retail\\CS"s));
    // The registry answers only what it holds: the search is not in it.
    EXPECT_EQ(read("hkcu", "SOFTWARE\\VALVE\\COUNTERSTRIKE", "installpath", "s", ""s), NotFound);
    writeUserReg("[Software\\\\Valve\\\\CounterStrike]\n\"InstallPath\"=\"D:\\\\Mine\"\n");
    EXPECT_EQ(installPath(CounterStrikeKey), Result(0, "D:\\Mine"s));
    writeUserReg("");
    writeSystemReg(
        "[Software\\\\Wow6432Node\\\\Valve\\\\CounterStrike]\n\"InstallPath\"=\"C:\\\\Retail\\\\CS32\"\n");
    EXPECT_EQ(installPath(CounterStrikeKey), Result(0, "C:\\Retail\\CS32"s));
    // Other values and hives keep to the key asked for.
    EXPECT_EQ(read("HKCU", CounterStrikeKey, "Language", "S", ""s), NotFound);
    EXPECT_EQ(read("HKU", CounterStrikeKey, "InstallPath", "S", ""s), NotFound);
}

// A registry file that cannot be read is an absent value here: the search goes on.
TEST_F(SteamInWine, UnreadableUserRegIsPassedOver) {
    writeSystemReg("[Software\\\\Valve\\\\CounterStrike]\n\"InstallPath\"=\"C:\\\\Retail\\\\CS\"\n");
    const std::string game = installGameAt(steamDir());
    writeUserReg("");
    fs::resize_file(m_prefix / "user.reg", files::MaxFileBytes + 1);
    EXPECT_EQ(installPath(HalfLifeKey), Result(0, game));
    EXPECT_EQ(installPath(CounterStrikeKey), Result(0, "C:\\Retail\\CS"s));
    EXPECT_EQ(read("HKCU", "Software\\Test", "Value", "S", ""s), Result(ErrorFileTooLarge, ""s));
    fs::remove(m_prefix / "system.reg");
    EXPECT_EQ(installPath(CounterStrikeKey), Result(ErrorFileTooLarge, ""s));
}

// Broken, blocking, looping and huge things before the game are passed over at once.
TEST_F(SteamInWine, BrokenPrefixesArePassedOverQuickly) {
    const fs::path games = m_home / "Games";
    makeWineSteam(games / "a-fifo");
    fs::remove(games / "a-fifo/user.reg");
    ASSERT_EQ(mkfifo((games / "a-fifo/user.reg").c_str(), 0600), 0);
    makeWineSteam(games / "b-huge");
    fs::resize_file(games / "b-huge/user.reg", files::MaxFileBytes + 1);
    makeWineSteam(games / "c-loop");
    fs::remove(games / "c-loop/dosdevices/c:");
    fs::create_directory_symlink("c:", games / "c-loop/dosdevices/c:");
    installGameAt(makeWineSteam(games / "d-garbage"));
    writeFile(games / "d-garbage/user.reg", "\x7f"
                                            "ELF\x02\x01\x01\0\0\0 SteamPath"s);
    installGameAt(makeWineSteam(games / "e-elsewhere", "/home/player/steam"));
    const fs::path crowded = games / "f-crowded";
    installGameAt(makeWineSteam(crowded, "c:/program files (x86)/STEAM"));
    for (std::size_t i = 0; i < files::MaxListedEntries; ++i)
        fs::create_directory(crowded / "drive_c/Program Files (x86)" / ("folder" + std::to_string(i)));
    const std::string game = installGameAt(makeWineSteam(games / "g-good"));

    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(installPath(HalfLifeKey), Result(0, game));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

TEST_F(SteamInWine, CrowdedFoldersAreNotListed) {
    const fs::path folder = m_temp.path() / "crowded";
    fs::create_directories(folder / "Wanted");
    for (std::size_t i = 1; i < files::MaxListedEntries; ++i)
        fs::create_directory(folder / ("folder" + std::to_string(i)));
    EXPECT_EQ(files::entryIgnoringCase(folder, "wanted"), folder / "Wanted");
    EXPECT_EQ(files::subfoldersInOrder(folder).size(), files::MaxListedEntries);
    fs::create_directory(folder / "one-more");
    EXPECT_EQ(files::entryIgnoringCase(folder, "wanted"), std::nullopt);
    EXPECT_EQ(files::entryIgnoringCase(folder, "Wanted"), folder / "Wanted");
    EXPECT_TRUE(files::subfoldersInOrder(folder).empty());
}

class SpecialRegistryFile : public WineRegistry {};

// A hive that cannot be read is passed over for Steam at once; the retail edition keeps the error.
TEST_F(SpecialRegistryFile, AnUnreadableHiveIsPassedOverForSteamAtOnce) {
    writeFile(steamDir() / "steamapps" / "appmanifest_70.acf",
              "\"AppState\" { \"installdir\" \"Half-Life\" }");
    fs::create_directories(steamDir() / "steamapps" / "common" / "Half-Life");
    const std::string game = fs::canonical(steamDir() / "steamapps" / "common" / "Half-Life").string();
    makeFifo(m_prefix / "user.reg");
    const auto folderOf = [](search::GameEdition edition) {
        return search::gameFolder(edition, processEnvironment());
    };
    const search::FoundFolder steam =
        promptly(m_prefix / "user.reg", [&] { return folderOf(search::GameEdition::Steam); });
    EXPECT_EQ(steam.folder, game);
    const search::FoundFolder retail =
        promptly(m_prefix / "user.reg", [&] { return folderOf(search::GameEdition::Retail); });
    EXPECT_EQ(retail.folder, std::nullopt);
    EXPECT_EQ(retail.problem, search::SearchProblem::RegistryUnreadable);
    EXPECT_EQ(retail.registryError, ErrorCantOpen);
}

TEST(SteamFileRefusal, AFifoManifestIsPassedOverAtOnce) {
    TempFolder temp;
    const fs::path manifest = temp.path() / "appmanifest_70.acf";
    makeFifo(manifest);
    EXPECT_EQ(promptly(manifest, [&] { return search::steam::readKeyValuesFile(manifest).has_value(); }),
              false);
}

} // namespace

#endif
