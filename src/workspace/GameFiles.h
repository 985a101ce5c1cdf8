#pragma once

#include <filesystem>
#include <string>

namespace workspace {

// Suffixes are written the way the game's own documentation writes them; the backslashes
// become the platform's separator when a path is formed.
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

// gameRoot followed directly by suffix. gameRoot is never altered, except that on a platform
// without drive letters a Windows-form root ("C:\Games\Half-Life") is resolved through the
// Wine prefix's dosdevices links ($WINEPREFIX, default ~/.wine). Where letter case matters, each
// component after the root (and every component of a Windows-form root) is found as the game and
// Wine find it: the exact name when it exists, else the first entry in byte order that matches it
// without regard to ASCII case.
// A root holding a NUL throws FileError (BadGameRoot) before any file is looked at.
std::filesystem::path gameFilePath(const std::string& gameRoot, const char* suffix);

// True for a file that exists and is neither hidden nor a system file; on Linux a regular
// file (a folder of that name is not the file). Only "no such file" (or "not a folder" on the way)
// is false; any other failure to look throws FileError.
bool fileExists(const std::filesystem::path& path);

} // namespace workspace
