#pragma once

#include "files/Environment.h"

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

// `zentrimo --restore-points [--json] [GAMEROOT]`: the game folder's restore points, newest first, on `out`.
// Exit code 0; 2 when there is no game folder; 1 when the points cannot be read or written out.
int restorePointsOnConsole(const std::optional<std::string>& gameRoot, bool json,
                           const files::Environment& environment, const std::filesystem::path& pointsRoot,
                           std::ostream& out, std::ostream& error);

// `zentrimo --restore ID [GAMEROOT]`: restores point id. Exit code 0 when done; 2 when the point is unknown
// or damaged, or there is no game folder; 3 while the game runs; 1 when a file fails. Nothing changed in
// all but 0 and 1, and the reason on `error`.
int restoreOnConsole(const std::string& id, const std::optional<std::string>& gameRoot,
                     const files::Environment& environment, const std::filesystem::path& pointsRoot,
                     std::ostream& out, std::ostream& error);
