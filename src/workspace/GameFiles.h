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

// gameRoot followed directly by suffix. gameRoot is never altered, except that on a platform
// without drive letters a Windows-form root ("C:\Games\Half-Life") is resolved through the
// Wine prefix's dosdevices links ($WINEPREFIX, default ~/.wine).
std::filesystem::path gameFilePath(const std::string& gameRoot, const char* suffix);

// True for a file that exists and is neither hidden nor a system file; on Linux a regular
// file (a folder of that name is not the file).
bool fileExists(const std::filesystem::path& path);

} // namespace workspace
