#pragma once

#include <filesystem>
#include <optional>

namespace files {

// What the core takes from the process environment. main reads it once and passes it down, so that
// no core library reads the process and a test sets it. An unset or empty variable is nothing.
struct Environment {
    std::optional<std::filesystem::path> home;       // HOME
    std::optional<std::filesystem::path> winePrefix; // WINEPREFIX
    std::optional<std::filesystem::path> steamDir;   // STEAM_DIR

    // The prefix Wine runs programs in: winePrefix when set, else ~/.wine; empty without either.
    std::filesystem::path winePrefixInUse() const;
};

} // namespace files
