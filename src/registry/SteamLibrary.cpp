#include "SteamLibrary.h"

#include "SteamKeyValues.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string_view>

namespace fs = std::filesystem;

namespace registry::steam {
namespace {

constexpr std::array<std::string_view, 6> HomeRoots{
    ".steam/steam",
    ".steam/root",
    ".local/share/Steam",
    ".var/app/com.valvesoftware.Steam/.local/share/Steam",
    ".var/app/com.valvesoftware.Steam/.steam/steam",
    "snap/steam/common/.local/share/Steam",
};

// Older clients spelled the folder with capitals.
constexpr std::array<std::string_view, 2> SteamAppsNames{"steamapps", "SteamApps"};

// Counter-Strike installs into Half-Life's folder, so either manifest leads to it.
constexpr std::array<std::string_view, 2> ManifestNames{"appmanifest_70.acf", "appmanifest_10.acf"};

bool isDirectory(const fs::path& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

// Appends the folder resolved, unless it is missing or resolves to one already listed.
void addResolved(std::vector<fs::path>& folders, const fs::path& folder) {
    std::error_code error;
    fs::path resolved = fs::canonical(folder, error);
    if (!error && isDirectory(resolved) && std::ranges::find(folders, resolved) == folders.end())
        folders.push_back(std::move(resolved));
}

std::vector<fs::path> steamAppsFolders(const fs::path& library) {
    std::vector<fs::path> folders;
    for (std::string_view name : SteamAppsNames)
        addResolved(folders, library / name);
    return folders;
}

bool isNumber(std::string_view text) {
    return !text.empty() && std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

// The numbered entries: a block with a "path" in current files, the path itself in old ones.
std::vector<fs::path> listedLibraries(const fs::path& steamApps) {
    std::vector<fs::path> listed;
    std::optional<KeyValue> file = readKeyValuesFile(steamApps / "libraryfolders.vdf");
    const KeyValue* folders = file ? file->block("libraryfolders") : nullptr;
    if (!folders)
        return listed;
    for (const KeyValue& entry : folders->children) {
        std::optional<std::string> path = entry.isBlock ? entry.text("path") : entry.value;
        if (isNumber(entry.key) && path && fs::path(*path).is_absolute())
            listed.emplace_back(*path);
    }
    return listed;
}

bool staysInside(const fs::path& relative) {
    return !relative.empty() && !relative.has_root_path() &&
           std::ranges::none_of(relative, [](const fs::path& part) { return part == "." || part == ".."; });
}

std::optional<fs::path> manifestGameFolder(const fs::path& steamApps, std::string_view manifestName) {
    std::optional<KeyValue> manifest = readKeyValuesFile(steamApps / manifestName);
    const KeyValue* state = manifest ? manifest->block("AppState") : nullptr;
    std::optional<std::string> installDir = state ? state->text("installdir") : std::nullopt;
    if (!installDir || !staysInside(*installDir))
        return std::nullopt;
    return steamApps / "common" / *installDir;
}

std::string plainText(const fs::path& folder) {
    fs::path normal = folder.lexically_normal();
    return (normal.has_filename() ? normal : normal.parent_path()).string();
}

} // namespace

SteamSearch searchFromEnvironment() {
    SteamSearch search;
    if (const char* home = std::getenv("HOME"))
        search.home = home;
    if (const char* steamDir = std::getenv("STEAM_DIR"); steamDir && *steamDir)
        search.steamDir = steamDir;
    return search;
}

std::vector<fs::path> steamRoots(const SteamSearch& search) {
    std::vector<fs::path> roots;
    if (search.steamDir)
        addResolved(roots, *search.steamDir);
    // A relative home would make the search depend on the working folder.
    if (search.home.is_absolute())
        for (std::string_view root : HomeRoots)
            addResolved(roots, search.home / root);
    return roots;
}

std::vector<fs::path> steamLibraries(const SteamSearch& search) {
    std::vector<fs::path> libraries;
    for (const fs::path& root : steamRoots(search)) {
        addResolved(libraries, root);
        for (const fs::path& steamApps : steamAppsFolders(root))
            for (const fs::path& listed : listedLibraries(steamApps))
                addResolved(libraries, listed);
    }
    return libraries;
}

std::optional<std::string> findHalfLifeInstallPath(const SteamSearch& search) {
    std::optional<fs::path> firstExisting;
    for (const fs::path& library : steamLibraries(search)) {
        for (const fs::path& steamApps : steamAppsFolders(library)) {
            for (std::string_view manifestName : ManifestNames) {
                std::optional<fs::path> folder = manifestGameFolder(steamApps, manifestName);
                if (!folder || !isDirectory(*folder))
                    continue;
                std::error_code error;
                if (fs::is_regular_file(*folder / "cstrike" / "config.cfg", error))
                    return plainText(*folder);
                if (!firstExisting)
                    firstExisting = folder;
            }
        }
    }
    return firstExisting ? std::optional(plainText(*firstExisting)) : std::nullopt;
}

} // namespace registry::steam
