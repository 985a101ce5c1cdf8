#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace registry::steam {

// Where to look: the home folder and $STEAM_DIR, taken from the environment by default.
struct SteamSearch {
    std::filesystem::path home;
    std::optional<std::filesystem::path> steamDir;
};

SteamSearch searchFromEnvironment();

// The folder of a native Steam install of Half-Life (app 70, or Counter-Strike, app 10, which
// installs into the same folder): the first that holds cstrike/config.cfg, else the first that
// exists. Nothing when no Steam library has it.
std::optional<std::string> findHalfLifeInstallPath(const SteamSearch& search);

} // namespace registry::steam
