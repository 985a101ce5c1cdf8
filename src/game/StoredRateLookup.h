#pragma once

#include "game/StartupReport.h"

#include <filesystem>
#include <optional>

namespace game {

// Where the game keeps the rate it puts back after the scripts, for a game folder: the registry value
// HKEY_CURRENT_USER\Software\Valve\Steam Rate on Windows, the user.reg of the Wine prefix that holds the
// game or its Steam folder; Unknown elsewhere (Steam's own store on Linux, whose format no source shows).
StoredRate storedRateFor(const std::filesystem::path& gameRoot,
                         const std::optional<std::filesystem::path>& steam);

} // namespace game
