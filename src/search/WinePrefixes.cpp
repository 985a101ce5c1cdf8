#include "search/WinePrefixes.h"

#include "files/NameLookup.h"
#include "files/WholeFile.h"
#include "files/WinePrefix.h"
#include "registry/WineRegistryFile.h"

#include <array>
#include <string_view>

namespace fs = std::filesystem;

namespace search::wine {
namespace {

// Folders that hold one prefix per game or bottle.
constexpr std::array<std::string_view, 3> PrefixCollections{
    "Games",
    ".local/share/bottles/bottles",
    ".var/app/com.usebottles.bottles/data/bottles/bottles",
};

} // namespace

std::vector<fs::path> winePrefixes(const fs::path& home, const std::optional<fs::path>& winePrefix) {
    std::vector<fs::path> prefixes;
    // Wine itself refuses a relative prefix.
    if (winePrefix && winePrefix->is_absolute())
        files::appendResolvedFolder(prefixes, *winePrefix);
    if (!home.is_absolute())
        return prefixes;
    files::appendResolvedFolder(prefixes, home / ".wine");
    for (std::string_view collection : PrefixCollections)
        for (const fs::path& prefix : files::subfoldersInOrder(home / collection))
            files::appendResolvedFolder(prefixes, prefix);
    return prefixes;
}

std::optional<steam::SteamRoot> prefixSteamRoot(const fs::path& prefix) {
    const files::WholeFile file = files::readWholeFile(prefix / "user.reg");
    if (file.outcome != files::FileOutcome::Read)
        return std::nullopt;
    const registry::StoredValue steamPath =
        registry::wine::readValue(file.text, "Software\\Valve\\Steam", "SteamPath");
    if (!steamPath.data)
        return std::nullopt;
    // Text ends at its first zero, as a Windows program reads it.
    std::optional<fs::path> folder = files::throughDriveLinks(prefix, steamPath.data->c_str());
    if (!folder)
        return std::nullopt;
    return steam::SteamRoot{std::move(*folder), prefix};
}

} // namespace search::wine
