#include "GameFiles.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace workspace {

namespace {

#ifndef _WIN32
// "C:\..." or "C:/...": a path the user copied from the game's own Windows world.
bool hasDriveLetter(const std::string& path) {
    return path.size() >= 3 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':' &&
           (path[2] == '\\' || path[2] == '/');
}

std::string winePrefix() {
    if (const char* prefix = std::getenv("WINEPREFIX"); prefix && *prefix)
        return prefix;
    const char* home = std::getenv("HOME");
    return std::string(home ? home : "") + "/.wine";
}

// Wine keeps one link per drive, named by its lower-case letter and a colon.
std::string throughWineDrive(const std::string& windowsPath) {
    std::string rest = windowsPath.substr(2);
    std::replace(rest.begin(), rest.end(), '\\', '/');
    const char drive = static_cast<char>(std::tolower(static_cast<unsigned char>(windowsPath[0])));
    return winePrefix() + "/dosdevices/" + drive + ':' + rest;
}
#endif

} // namespace

std::filesystem::path gameFilePath(const std::string& gameRoot, const char* suffix) {
    std::string tail = suffix;
    std::replace(tail.begin(), tail.end(), '\\',
                 static_cast<char>(std::filesystem::path::preferred_separator));
#ifndef _WIN32
    if (hasDriveLetter(gameRoot + tail))
        return throughWineDrive(gameRoot + tail);
#endif
    return gameRoot + tail;
}

bool fileExists(const std::filesystem::path& path) {
#ifdef _WIN32
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           !(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
#else
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
#endif
}

} // namespace workspace
