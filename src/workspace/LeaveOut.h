#pragma once

#include "workspace/FileSteps.h"

#include "files/GameFolder.h"

#include <string>
#include <vector>

namespace workspace {

// Takes the run's lines the player left out of the workspace file before it is applied. kept holds one
// flag for each line after the last banner that is not blank, in order; blank lines stay. With every line
// kept (or a flag missing for it) the file is not touched.
void leaveOutRunLines(const files::GameFolder& game, const std::vector<bool>& kept,
                      const FileSteps& files = FileSteps());

} // namespace workspace
