#include "GameFiles.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string_view>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace workspace {

namespace fs = std::filesystem;

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

bool sameIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

// The entry of folder that the game opens for name: name itself when it exists, else the first entry
// in byte order that matches it without regard to ASCII case, else name (a file yet to be made).
std::string entryAsTheGameFindsIt(const std::string& folder, const std::string& name) {
    std::error_code error;
    if (fs::symlink_status(folder + '/' + name, error).type() != fs::file_type::not_found)
        return name;
    std::string found;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        const std::string candidate = entry->path().filename().string();
        if (sameIgnoringAsciiCase(candidate, name) && (found.empty() || candidate < found))
            found = candidate;
    }
    return found.empty() ? name : found;
}

// base followed by tail ('/'-separated, starting with '/'), each named component looked up as the
// game and Wine look them up; empty components stay as they are.
std::string underFoundAsTheGame(std::string base, const std::string& tail) {
    std::size_t start = tail.find('/');
    while (start != std::string::npos) {
        const std::size_t end = tail.find('/', start + 1);
        const std::string name = tail.substr(start + 1, end == std::string::npos ? end : end - start - 1);
        base += '/';
        if (!name.empty() && name != "." && name != "..")
            base += entryAsTheGameFindsIt(base, name);
        else
            base += name;
        start = end;
    }
    return base;
}

// Wine keeps one link per drive, named by its lower-case letter and a colon.
std::string throughWineDrive(const std::string& windowsPath) {
    std::string rest = windowsPath.substr(2);
    std::replace(rest.begin(), rest.end(), '\\', '/');
    const char drive = static_cast<char>(std::tolower(static_cast<unsigned char>(windowsPath[0])));
    return underFoundAsTheGame(winePrefix() + "/dosdevices", std::string("/") + drive + ':' + rest);
}
#endif

} // namespace

std::filesystem::path gameFilePath(const std::string& gameRoot, const char* suffix) {
    std::string tail = suffix;
    std::replace(tail.begin(), tail.end(), '\\',
                 static_cast<char>(std::filesystem::path::preferred_separator));
#ifdef _WIN32
    return gameRoot + tail;
#else
    if (hasDriveLetter(gameRoot + tail))
        return throughWineDrive(gameRoot + tail);
    return underFoundAsTheGame(gameRoot, tail);
#endif
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
