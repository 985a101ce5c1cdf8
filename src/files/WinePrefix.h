#pragma once

#include <filesystem>
#include <optional>

namespace files {

// The prefix Wine runs programs in: $WINEPREFIX when set, else ~/.wine; empty without either.
inline std::filesystem::path defaultWinePrefix(const std::optional<std::filesystem::path>& winePrefix,
                                               const std::optional<std::filesystem::path>& home) {
    if (winePrefix && !winePrefix->empty())
        return *winePrefix;
    return home && !home->empty() ? *home / ".wine" : std::filesystem::path();
}

} // namespace files
