#include "GameFiles.h"

#include "FileError.h"
#include "SystemFiles.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string_view>

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
    const fs::path exact = folder + '/' + name;
    if (fs::symlink_status(exact, error).type() != fs::file_type::not_found) {
        if (error)
            throw FileError(error, exact);
        return name;
    }
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

fs::path pathFromUtf8(const std::string& text) {
    return fs::path(std::u8string(text.begin(), text.end()));
}

std::string utf8Of(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::filesystem::path gameFilePath(const std::string& gameRoot, const char* suffix) {
    // Every path would end at the NUL: somewhere outside the game.
    if (gameRoot.find('\0') != std::string::npos) {
        std::string shown = gameRoot;
        std::replace(shown.begin(), shown.end(), '\0', '?');
        throw FileError(GameFileProblem::BadGameRoot, pathFromUtf8(shown));
    }
    std::string tail = suffix;
    std::replace(tail.begin(), tail.end(), '\\',
                 static_cast<char>(std::filesystem::path::preferred_separator));
#ifdef _WIN32
    return pathFromUtf8(gameRoot + tail);
#else
    if (hasDriveLetter(gameRoot + tail))
        return throughWineDrive(gameRoot + tail);
    return underFoundAsTheGame(gameRoot, tail);
#endif
}

bool fileExists(const std::filesystem::path& path) {
    const auto facts = sys::lookAt(path);
    return facts && facts->regular && !facts->hidden;
}

} // namespace workspace
