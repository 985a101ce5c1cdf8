#pragma once

#include "workspace/FileSteps.h"

#include "files/GameFolder.h"

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

// Refuses a link or odd file under the program's names and a changed record.
AfterConfig checkAfterGameConfig(const files::GameFolder& game, const FileSteps& files);

// Refuses a userconfig.cfg that needs the exec line and could not be written.
void checkUserConfigForApply(const files::GameFolder& game, const FileSteps& files);

// What Uninstall leaves of userconfig.cfg (nothing left: it is deleted, unless it is a link), refusing
// one that could not be written; nothing when it stays as it is.
std::optional<std::string> userConfigAfterUninstall(const files::GameFolder& game, const AfterConfig& found,
                                                    const FileSteps& files);

// What an applied script holds after its last banner, and before it.
std::string runLines(const std::string& appliedScript);
std::string withoutRun(const std::string& appliedScript);

// Writes what appliedScript holds after its last banner to zentrimo.cfg, and makes sure that
// userconfig.cfg holds an exec line for it.
void runAfterGameConfig(const files::GameFolder& game, const std::string& appliedScript,
                        const FileSteps& files);

// Deletes zentrimo.cfg when it is ours and gives userconfig.cfg the bytes userConfigAfterUninstall
// found, and nothing else.
void stopRunningAfterGameConfig(const files::GameFolder& game, const AfterConfig& found,
                                const std::optional<std::string>& userConfigAfter, const FileSteps& files);

} // namespace workspace
