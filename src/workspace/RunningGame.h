#pragma once

#include "files/GameFolder.h"

#include <filesystem>
#include <string>

namespace workspace {

// Whether the game (hl.exe, also under Wine or Proton, or hl_linux) runs from game, found by its
// executable's folder, its working folder or the program its command line names. A game whose folder
// cannot be read at all (another user's) counts as running from here. The game rewrites config.cfg
// when it quits, which would undo an uninstall.
bool gameRunningFrom(const files::GameFolder& game);

#ifndef _WIN32
// As above, with the processes read from processes instead of /proc.
bool gameRunningFrom(const files::GameFolder& game, const std::filesystem::path& processes);
#endif

} // namespace workspace
