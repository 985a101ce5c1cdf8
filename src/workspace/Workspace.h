#pragma once

#include "workspace/FileSteps.h"
#include "workspace/RestorePoints.h"

#include "files/GameFolder.h"

#include <string>
#include <vector>

namespace workspace {

// name, one blank, the value between double quotes; no line end.
std::string SettingLine(const std::string& name, const std::string& value);

// Every line below is written followed by CR LF. Each operation throws files::FileError when a file
// operation fails; files that were already whole stay whole. An empty game folder is
// refused before any file is touched; so is a game folder that another running program is
// changing. Tests pass FileSteps to fail a chosen step.

// Creates an empty start-up script if there is none, makes the backup once, copies the backup
// to the workspace file, then appends the banner and lines.
void PrepareWorkspace(const files::GameFolder& game, const std::vector<std::string>& lines,
                      const FileSteps& files = FileSteps());

// Appends lines to the workspace file (created when missing).
void AppendWorkspaceLines(const files::GameFolder& game, const std::vector<std::string>& lines,
                          const FileSteps& files = FileSteps());

// Copies the workspace file over the start-up script and has its setting lines run after config.cfg
// too (zentrimo.cfg, run from userconfig.cfg), then deletes the workspace file. With points, a point is
// kept after the checks and before the first change.
void ApplyWorkspace(const files::GameFolder& game, const FileSteps& files = FileSteps(),
                    const RestorePoints* points = nullptr);

enum class UninstallResult { NotInstalled, Restored };

// Copies the backup over the start-up script, takes back zentrimo.cfg and its exec line, and deletes
// the backup; NotInstalled (and no file touched) when there is no backup. With points, as ApplyWorkspace.
UninstallResult UninstallTweak(const files::GameFolder& game, const FileSteps& files = FileSteps(),
                               const RestorePoints* points = nullptr);

} // namespace workspace
