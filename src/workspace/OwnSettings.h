#pragma once

#include "workspace/FileSteps.h"

#include <optional>
#include <string>

namespace workspace {

// The game rewrites config.cfg on every quit and runs it after autoexec.cfg, so the saved variables
// an applied script sets would be overwritten at once. config.cfg ends by running userconfig.cfg,
// the file its header offers players: the applied settings run again from there.

// What applied or uninstall will find of the files below, checked before anything changes.
struct AfterConfig {
    std::optional<std::string> added; // the bytes the record says were added to userconfig.cfg
    bool ownSettingsPresent = false;
    bool ownSettingsAreOurs = false; // a zentrimo.cfg the program did not write is the player's
};

// Refuses a link or odd file under the program's names, a changed record and a userconfig.cfg that
// could not be written.
AfterConfig checkAfterGameConfig(const std::string& gameRoot, const FileSteps& files);

// What an applied script holds after its last banner, and before it.
std::string runLines(const std::string& appliedScript);
std::string withoutRun(const std::string& appliedScript);

// Writes what appliedScript holds after its last banner to zentrimo.cfg, and makes sure that
// userconfig.cfg holds an exec line for it.
void runAfterGameConfig(const std::string& gameRoot, const std::string& appliedScript,
                        const FileSteps& files);

// Deletes zentrimo.cfg when it is ours and takes back the exec line that runAfterGameConfig added, and
// nothing else.
void stopRunningAfterGameConfig(const std::string& gameRoot, const AfterConfig& found,
                                const FileSteps& files);

} // namespace workspace
