#pragma once

#include "FileSteps.h"

#include <string>

namespace workspace {

// The game rewrites config.cfg on every quit and runs it after autoexec.cfg, so the saved variables
// an applied script sets would be overwritten at once. config.cfg ends by running userconfig.cfg,
// the file its header offers players: the applied settings run again from there.

// Writes what appliedScript holds after its last banner to zentrimo.cfg, and makes sure that
// userconfig.cfg holds an exec line for it.
void runAfterGameConfig(const std::string& gameRoot, const std::string& appliedScript,
                        const FileSteps& files);

// Deletes zentrimo.cfg and takes back the exec line that runAfterGameConfig added, and nothing else.
void stopRunningAfterGameConfig(const std::string& gameRoot, const FileSteps& files);

} // namespace workspace
