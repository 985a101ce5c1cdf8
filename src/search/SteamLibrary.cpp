#include "search/SteamLibrary.h"

#include "files/NameLookup.h"
#include "files/Utf8Path.h"
#include "files/WinePrefix.h"
#include "search/SteamKeyValues.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <iterator>
#include <string_view>

namespace fs = std::filesystem;

namespace search::steam {
namespace {

constexpr std::array<std::string_view, 7> HomeRoots{
    ".steam/steam",
    ".steam/root",
    ".local/share/Steam",
    ".var/app/com.valvesoftware.Steam/.local/share/Steam",
    ".var/app/com.valvesoftware.Steam/.steam/steam",
    "snap/steam/common/.local/share/Steam",
    ".snap/data/steam/common/.local/share/Steam", // Snap's hidden-folder option
};

// Counter-Strike installs into Half-Life's folder, so either manifest leads to it.
constexpr std::array<std::string_view, 2> ManifestNames{"appmanifest_70.acf", "appmanifest_10.acf"};

// The bit of a manifest's StateFlags that Steam sets for an app that is not installed.
constexpr unsigned long long UninstalledFlag = 1;

bool isDirectory(const fs::path& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

bool isNumber(std::string_view text) {
    return !text.empty() && std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

// The numbered entries: a block with a "path" in current files, the path itself in old ones.
std::vector<fs::path> listedLibraries(const SteamRoot& root) {
    std::vector<fs::path> listed;
    const std::optional<fs::path> steamApps = files::entryIgnoringCase(root.folder, "steamapps");
    std::optional<KeyValue> file =
        steamApps ? readKeyValuesFile(*steamApps / "libraryfolders.vdf") : std::nullopt;
    const KeyValue* folders = file ? file->block("libraryfolders") : nullptr;
    if (!folders)
        return listed;
    for (const KeyValue& entry : folders->children) {
        std::optional<std::string> text = entry.isBlock ? entry.text("path") : entry.value;
        if (!isNumber(entry.key) || !text)
            continue;
        std::optional<fs::path> path =
            root.winePrefix ? files::throughDriveLinks(*root.winePrefix, *text) : files::pathFromText(*text);
        if (path && path->is_absolute())
            listed.push_back(std::move(*path));
    }
    return listed;
}

bool isMarkedUninstalled(const KeyValue& state) {
    const std::optional<std::string> flags = state.text("StateFlags");
    unsigned long long value = 0;
    if (!flags)
        return false;
    const char* end = flags->data() + flags->size();
    const std::from_chars_result read = std::from_chars(flags->data(), end, value);
    return read.ec == std::errc() && read.ptr == end && (value & UninstalledFlag) != 0;
}

// The folder a manifest names, when it exists and Steam has not marked the app as not installed.
std::optional<fs::path> manifestGameFolder(const fs::path& steamApps, std::string_view manifestName) {
    std::optional<KeyValue> manifest = readKeyValuesFile(steamApps / manifestName);
    const KeyValue* state = manifest ? manifest->block("AppState") : nullptr;
    if (!state || isMarkedUninstalled(*state))
        return std::nullopt;
    const std::optional<std::string> installDir = state->text("installdir");
    const std::optional<fs::path> common = files::entryIgnoringCase(steamApps, "common");
    std::optional<fs::path> folder =
        installDir && common ? files::followIgnoringCase(*common, *installDir) : std::nullopt;
    return folder && isDirectory(*folder) ? folder : std::nullopt;
}

bool holdsGameConfig(const fs::path& folder) {
    const std::optional<fs::path> config = files::followIgnoringCase(folder, "cstrike/config.cfg");
    std::error_code error;
    return config && fs::is_regular_file(*config, error);
}

} // namespace

std::vector<SteamRoot> nativeRoots(const fs::path& home, const std::optional<fs::path>& steamDir) {
    std::vector<fs::path> folders;
    if (steamDir)
        files::appendResolvedFolder(folders, *steamDir);
    // A relative home would make the search depend on the working folder.
    if (home.is_absolute())
        for (std::string_view root : HomeRoots)
            files::appendResolvedFolder(folders, home / root);
    std::vector<SteamRoot> roots;
    for (fs::path& folder : folders)
        roots.push_back({std::move(folder), std::nullopt});
    return roots;
}

std::vector<fs::path> librariesOf(const SteamRoot& root) {
    std::vector<fs::path> libraries{root.folder};
    std::ranges::move(listedLibraries(root), std::back_inserter(libraries));
    return libraries;
}

bool HalfLifeSearch::search(const SteamRoot& root) {
    return m_withConfig || std::ranges::any_of(librariesOf(root), [this](const fs::path& library) {
               return searchLibrary(library);
           });
}

std::optional<std::string> HalfLifeSearch::answer() const {
    return m_withConfig ? m_withConfig : m_firstFound;
}

bool HalfLifeSearch::searchLibrary(const fs::path& library) {
    if (!files::appendResolvedFolder(m_libraries, library))
        return false;
    const std::optional<fs::path> steamApps = files::entryIgnoringCase(m_libraries.back(), "steamapps");
    if (!steamApps)
        return false;
    for (std::string_view manifestName : ManifestNames) {
        std::optional<fs::path> folder = manifestGameFolder(*steamApps, manifestName);
        const std::optional<std::string> text =
            folder ? files::textOfPath(folder->make_preferred()) : std::nullopt;
        if (!text)
            continue;
        if (holdsGameConfig(*folder)) {
            m_withConfig = text;
            return true;
        }
        if (!m_firstFound)
            m_firstFound = text;
    }
    return false;
}

} // namespace search::steam
