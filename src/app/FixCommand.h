#pragma once

#include "files/Environment.h"

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

// `zentrimo --fix ID [--fix ID]... | --fix all [--dry-run] [GAMEROOT]`: applies the fixes the report
// proposes, named by the ids its JSON gives, in one step, and prints what they change. Returns the exit
// code: 0 when applied (or, dryRun, only printed); 2 for an unknown id or no game folder; 3 while the game
// runs from the folder; 1 when a file cannot be read or written. Only 0 without dryRun changes a file, after
// a `fix` restore point under pointsRoot.
int fixOnConsole(const std::vector<std::string>& ids, bool dryRun, const std::optional<std::string>& gameRoot,
                 const files::Environment& environment, const std::filesystem::path& pointsRoot,
                 std::ostream& out, std::ostream& error);
