#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace registry::steam {

// Where to look: the home folder and $STEAM_DIR, taken from the environment by default.
struct SteamSearch {
    std::filesystem::path home;
    std::optional<std::filesystem::path> steamDir;
};

// HOME and STEAM_DIR; an unset or empty STEAM_DIR means none.
SteamSearch searchFromEnvironment();

// The Steam roots that exist, resolved through symbolic links, each once: steamDir, then the
// native, Flatpak and Snap locations under home.
std::vector<std::filesystem::path> steamRoots(const SteamSearch& search);

// Every root, each followed by the libraries its libraryfolders.vdf lists; resolved, existing
// and each once.
std::vector<std::filesystem::path> steamLibraries(const SteamSearch& search);

// The folder of a native Steam install of Half-Life (app 70, or Counter-Strike, app 10, which
// installs into the same folder): the first that holds cstrike/config.cfg, else the first that
// exists. Nothing when no Steam library has it.
std::optional<std::string> findHalfLifeInstallPath(const SteamSearch& search);

} // namespace registry::steam
