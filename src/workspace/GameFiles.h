#pragma once

#include "files/GameFolder.h"

#include <filesystem>
#include <string>
#include <vector>

namespace workspace {

// Suffixes are written the way the game's own documentation writes them, for files::GameFolder::file.
inline constexpr const char* StartupScriptSuffix = "\\cstrike\\autoexec.cfg";
inline constexpr const char* WorkspaceSuffix = "\\cstrike\\autoexec.tmp";
inline constexpr const char* BackupSuffix = "\\cstrike\\Zentrimo.dll";
inline constexpr const char* GameConfigSuffix = "\\cstrike\\config.cfg";
// The game runs config.cfg after autoexec.cfg and userconfig.cfg after that: applied settings are
// also run from a file of our own, reached by one exec line in userconfig.cfg.
inline constexpr const char* UserConfigSuffix = "\\cstrike\\userconfig.cfg";
inline constexpr const char* OwnSettingsSuffix = "\\cstrike\\zentrimo.cfg";
// The bytes we appended to userconfig.cfg, so that uninstall takes back exactly those.
inline constexpr const char* AddedExecRecordSuffix = "\\cstrike\\zentrimo-userconfig.added";
// The player's own values of the saved variables a run applied, so that uninstall gives them back.
inline constexpr const char* SavedValuesRecordSuffix = "\\cstrike\\zentrimo-config.before";

// The eleven fixed lines (without line ends) written once at the top of every workspace.
const std::vector<std::string>& TweakBanner();

// True for a file that exists and is neither hidden nor a system file; on Linux a regular
// file (a folder of that name is not the file). Only "no such file" (or "not a folder" on the way)
// is false; any other failure to look throws FileError.
bool fileExists(const std::filesystem::path& path);

// True when the folder holds the game: its cstrike/config.cfg exists, found as the game finds it. Throws
// FileError as fileExists does.
bool holdsTheGame(const files::GameFolder& game);

} // namespace workspace
