#include "workspace/GameFiles.h"

#include "workspace/FileError.h"
#include "workspace/SystemFiles.h"

#include "files/AsciiCase.h"
#include "files/NameLookup.h"
#include "files/Utf8Path.h"
#include "files/WinePrefix.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace workspace {

namespace fs = std::filesystem;

namespace {

#ifndef _WIN32
// "C:\..." or "C:/...": a path the user copied from the game's own Windows world.
bool hasDriveLetter(const std::string& path) {
    return path.size() >= 3 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':' &&
           (path[2] == '\\' || path[2] == '/');
}

// base followed by tail ('/'-separated, starting with '/'), each named component found as the game and
// Wine find it; a name that is missing stays as it is (a file yet to be made), and so do empty ones.
fs::path underFoundAsTheGame(fs::path base, const std::string& tail) {
    std::size_t start = tail.find('/');
    while (start != std::string::npos) {
        const std::size_t end = tail.find('/', start + 1);
        const std::string name = tail.substr(start + 1, end == std::string::npos ? end : end - start - 1);
        const bool plain = !name.empty() && name != "." && name != "..";
        const std::optional<fs::path> found = plain ? files::entryIgnoringCase(base, name) : std::nullopt;
        base = base.native() + '/' + (found ? found->filename().native() : name);
        start = end;
    }
    return base;
}

// Wine keeps one link per drive, named by its lower-case letter and a colon.
fs::path throughWineDrive(const std::string& windowsPath) {
    std::string rest = windowsPath.substr(2);
    std::replace(rest.begin(), rest.end(), '\\', '/');
    const char drive = files::lowerAscii(windowsPath[0]);
    const fs::path prefix = files::winePrefixOfThisProcess();
    return underFoundAsTheGame(prefix.native() + "/dosdevices", std::string("/") + drive + ':' + rest);
}
#endif

} // namespace

std::filesystem::path gameFilePath(const std::string& gameRoot, const char* suffix) {
    // Every path would end at the NUL: somewhere outside the game.
    if (gameRoot.find('\0') != std::string::npos) {
        std::string shown = gameRoot;
        std::replace(shown.begin(), shown.end(), '\0', '?');
        throw FileError(GameFileProblem::BadGameRoot, files::pathFromUtf8(shown));
    }
    std::string tail = suffix;
    std::replace(tail.begin(), tail.end(), '\\',
                 static_cast<char>(std::filesystem::path::preferred_separator));
#ifdef _WIN32
    return files::pathFromUtf8(gameRoot + tail);
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
