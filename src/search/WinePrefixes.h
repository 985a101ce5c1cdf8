#pragma once

#include "search/SteamLibrary.h"

#include <filesystem>
#include <optional>
#include <vector>

namespace search::wine {

// The Wine prefixes that exist, in the order searched: winePrefix ($WINEPREFIX), ~/.wine, then each
// in byte order of its name: Lutris' ~/Games/NAME, Bottles' bottles, Bottles' Flatpak bottles.
// Resolved through links, each once; a relative winePrefix or home is ignored.
std::vector<std::filesystem::path> winePrefixes(const std::filesystem::path& home,
                                                const std::optional<std::filesystem::path>& winePrefix);

// Steam for Windows in the prefix, as its user.reg names it (SteamPath), found through the
// prefix's drive links. Nothing when the file or the value is missing or unreadable.
std::optional<steam::SteamRoot> prefixSteamRoot(const std::filesystem::path& prefix);

} // namespace search::wine
