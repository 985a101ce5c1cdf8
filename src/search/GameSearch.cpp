#include "search/GameSearch.h"

#include "files/NameLookup.h"
#include "files/Utf8Path.h"
#include "registry/Registry.h"
#include "search/WinePrefixes.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace fs = std::filesystem;

namespace search {
namespace {

struct InstallKey {
    std::string_view key;
    // Where 32-bit installers' machine-wide keys land on 64-bit Windows and in a 64-bit Wine prefix.
    std::string_view machineKey32;
};

constexpr InstallKey SteamInstall{R"(Software\valve\half-life)", R"(Software\Wow6432Node\valve\half-life)"};
// The retail edition: Steam's Half-Life is not it.
constexpr InstallKey RetailInstall{R"(Software\valve\counterstrike)",
                                   R"(Software\Wow6432Node\valve\counterstrike)"};

std::int32_t readInstallPath(const char* hive, std::string_view key, std::string& folder,
                             const fs::path& winePrefix) {
    registry::RegValue value;
    const std::int32_t status =
        registry::ReadRegValue(hive, std::string(key), "InstallPath", "S", std::string(), value, winePrefix);
    folder = std::get<std::string>(value);
    return status;
}

#ifdef _WIN32
// Steam for Windows records its folder as SteamPath, in lower case with forward slashes.
std::optional<steam::SteamRoot> windowsSteamRoot() {
    registry::RegValue steamPath;
    if (registry::ReadRegValue("HKCU", R"(Software\Valve\Steam)", "SteamPath", "S", std::string(), steamPath,
                               {}) != registry::StatusOk)
        return std::nullopt;
    std::optional<fs::path> folder = files::pathFromText(std::get<std::string>(steamPath));
    if (!folder || !folder->is_absolute())
        return std::nullopt;
    return steam::SteamRoot{std::move(*folder), std::nullopt};
}
#endif

bool lies(const fs::path& folder, const fs::path& below) {
    const auto [end, _] = std::ranges::mismatch(below, folder);
    return end == below.end();
}

} // namespace

FoundFolder gameFolder(GameEdition edition, const files::Environment& environment) {
    const InstallKey& install = edition == GameEdition::Steam ? SteamInstall : RetailInstall;
    FoundFolder found;
    std::string folder;
    const std::int32_t userStatus =
        readInstallPath("HKCU", install.key, folder, environment.winePrefixInUse());
    if (userStatus == registry::StatusOk)
        return {folder, SearchProblem::None, 0};
    if (userStatus != registry::ErrorFileNotFound)
        found = {std::nullopt, SearchProblem::RegistryUnreadable, userStatus};
    else
        found.problem = SearchProblem::NotFound;
    for (std::string_view machineKey : {install.key, install.machineKey32})
        if (readInstallPath("HKLM", machineKey, folder, environment.winePrefixInUse()) == registry::StatusOk)
            return {folder, SearchProblem::None, 0};
    if (edition != GameEdition::Steam)
        return found;
    steam::HalfLifeSearch steam;
    for (const steam::SteamRoot& root : steamRoots(environment))
        if (steam.search(root))
            break;
    if (std::optional<std::string> answer = steam.answer())
        return {std::move(answer), SearchProblem::None, 0};
    return found;
}

std::vector<steam::SteamRoot> steamRoots(const files::Environment& environment) {
#ifdef _WIN32
    (void)environment;
    std::optional<steam::SteamRoot> root = windowsSteamRoot();
    return root ? std::vector{std::move(*root)} : std::vector<steam::SteamRoot>{};
#else
    const fs::path home = environment.home.value_or(fs::path());
    std::vector<steam::SteamRoot> roots = steam::nativeRoots(home, environment.steamDir);
    for (const fs::path& prefix : wine::winePrefixes(home, environment.winePrefix))
        if (std::optional<steam::SteamRoot> root = wine::prefixSteamRoot(prefix))
            roots.push_back(std::move(*root));
    return roots;
#endif
}

std::vector<fs::path> steamLibraries(const files::Environment& environment) {
    std::vector<fs::path> libraries;
    for (const steam::SteamRoot& root : steamRoots(environment))
        for (const fs::path& library : steam::librariesOf(root))
            files::appendResolvedFolder(libraries, library);
    return libraries;
}

std::optional<fs::path> steamFolderHolding(const fs::path& gameRoot, const files::Environment& environment) {
    std::error_code error;
    const fs::path game = fs::canonical(gameRoot, error);
    if (error)
        return std::nullopt;
    for (const steam::SteamRoot& root : steamRoots(environment)) {
        std::vector<fs::path> libraries;
        for (const fs::path& library : steam::librariesOf(root))
            if (files::appendResolvedFolder(libraries, library)) {
                const std::optional<fs::path> steamApps =
                    files::entryIgnoringCase(libraries.back(), "steamapps");
                if (steamApps && lies(game, fs::canonical(*steamApps, error)) && !error)
                    return root.folder;
            }
    }
    return std::nullopt;
}

} // namespace search
