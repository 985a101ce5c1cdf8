#pragma once

#include <string>

namespace workspace {

// Whether the game (hl.exe, also under Wine or Proton, or hl_linux) runs from gameRoot, found by its
// executable's folder or its working folder. The game rewrites config.cfg when it quits, which would
// undo an uninstall.
bool gameRunningFrom(const std::string& gameRoot);

} // namespace workspace
