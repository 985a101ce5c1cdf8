#pragma once

#include <filesystem>
#include <optional>

namespace search {

// What the search takes from the environment, passed in so that a test sets it rather than the process.
// An unset or empty variable is nothing.
struct Environment {
    std::optional<std::filesystem::path> home;       // HOME
    std::optional<std::filesystem::path> winePrefix; // WINEPREFIX
    std::optional<std::filesystem::path> steamDir;   // STEAM_DIR
};

Environment environmentOfThisProcess();

} // namespace search
