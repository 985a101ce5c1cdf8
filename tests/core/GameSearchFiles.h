#pragma once

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

// Steam's and Wine's files in their real formats, for the fake homes of the core and window tests.
namespace registry::test {

inline void writeFile(const std::filesystem::path& file, std::string_view bytes) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

inline constexpr std::string_view WineHeader =
    "WINE REGISTRY Version 2\n"
    ";; All keys relative to \\\\User\\\\S-1-5-21-4242-4242-4242-1000\n\n"
    "#arch=win32\n";

// user.reg as Steam for Windows leaves it: SteamPath in lower case with forward slashes.
inline std::string steamUserReg(std::string_view steamPath) {
    return std::string(WineHeader) +
           "\n[Software\\\\Valve\\\\Steam] 1702035678\n#time=1da29c5a1b2c3d4\n"
           "\"AutoLoginUser\"=\"player\"\n\"Language\"=\"english\"\n\"SteamExe\"=\"" +
           std::string(steamPath) + "/steam.exe\"\n\"SteamPath\"=\"" + std::string(steamPath) + "\"\n";
}

// A path as Steam and Wine write it into their files.
inline std::string escapedBackslashes(std::string_view path) {
    std::string text;
    for (char c : path) {
        if (c == '\\')
            text += '\\';
        text += c;
    }
    return text;
}

// A Windows path as Steam for Windows writes it for a folder Wine reaches through Z:.
inline std::string onDriveZ(const std::filesystem::path& folder) {
    std::string text = "Z:" + folder.string();
    for (char& c : text)
        c = c == '/' ? '\\' : c;
    return text;
}

// Steam's files as Steam writes them, tabs between key and value.
inline std::string appManifest(std::string_view appId, std::string_view installDir,
                               std::string_view stateFlags = "4") {
    return "\"AppState\"\n{\n\t\"appid\"\t\t\"" + std::string(appId) +
           "\"\n\t\"Universe\"\t\t\"1\"\n\t\"name\"\t\t\"Half-Life\"\n\t\"StateFlags\"\t\t\"" +
           std::string(stateFlags) + "\"\n\t\"installdir\"\t\t\"" + escapedBackslashes(installDir) +
           "\"\n\t\"InstalledDepots\"\n\t{\n\t\t\"71\"\n\t\t{\n\t\t\t\"manifest\"\t\t\"2391\"\n"
           "\t\t}\n\t}\n}\n";
}

// The current form: numbered blocks from "0", the main library among them.
inline std::string libraryFolders(const std::vector<std::string>& libraries) {
    std::string text = "\"libraryfolders\"\n{\n";
    for (std::size_t i = 0; i < libraries.size(); ++i)
        text += "\t\"" + std::to_string(i) + "\"\n\t{\n\t\t\"path\"\t\t\"" +
                escapedBackslashes(libraries[i]) +
                "\"\n\t\t\"label\"\t\t\"\"\n\t\t\"contentid\"\t\t\"4312775582447839181\"\n"
                "\t\t\"totalsize\"\t\t\"0\"\n\t\t\"apps\"\n\t\t{\n\t\t\t\"70\"\t\t\"1\"\n\t\t}\n\t}\n";
    return text + "}\n";
}

// The old form: plain strings numbered from "1", the main library not listed.
inline std::string oldLibraryFolders(const std::vector<std::string>& libraries) {
    std::string text = "\"LibraryFolders\"\n{\n\t\"TimeNextStatsReport\"\t\t\"1700000000\"\n"
                       "\t\"ContentStatsID\"\t\t\"-4\"\n";
    for (std::size_t i = 0; i < libraries.size(); ++i)
        text += "\t\"" + std::to_string(i + 1) + "\"\t\t\"" + escapedBackslashes(libraries[i]) + "\"\n";
    return text + "}\n";
}

// What installGame puts into a library.
struct GameInstall {
    std::string_view appId = "70";
    std::string_view installDir = "Half-Life";
    std::string_view stateFlags = "4";
    bool withConfig = true;
    std::string_view steamApps = "steamapps";
};

// A Steam game in a library: its manifest, its folder and, unless told otherwise, the config the game
// writes when first started. Returns the folder.
inline std::filesystem::path installGame(const std::filesystem::path& library, const GameInstall& game = {}) {
    const std::filesystem::path steamApps = library / game.steamApps;
    writeFile(steamApps / ("appmanifest_" + std::string(game.appId) + ".acf"),
              appManifest(game.appId, game.installDir, game.stateFlags));
    const std::filesystem::path folder = steamApps / "common" / game.installDir;
    std::filesystem::create_directories(folder / "cstrike");
    if (game.withConfig)
        writeFile(folder / "cstrike" / "config.cfg", "name \"player\"\n");
    return folder;
}

// A prefix as Wine makes it, drive links C: and Z: included, with Steam for Windows installed where its
// installer puts it and recorded in user.reg. Returns the Steam folder.
inline std::filesystem::path makeWineSteam(const std::filesystem::path& prefix,
                                           std::string_view steamPath = "c:/program files (x86)/steam") {
    std::filesystem::create_directories(prefix / "dosdevices");
    std::filesystem::create_directories(prefix / "drive_c/Program Files (x86)/Steam/steamapps");
    std::filesystem::create_directory_symlink("../drive_c", prefix / "dosdevices/c:");
    std::filesystem::create_directory_symlink("/", prefix / "dosdevices/z:");
    writeFile(prefix / "user.reg", steamUserReg(steamPath));
    return std::filesystem::canonical(prefix / "drive_c/Program Files (x86)/Steam");
}

} // namespace registry::test
