#include "files/GameFolder.h"

#include "files/AsciiCase.h"
#include "files/FileError.h"
#include "files/NameLookup.h"
#include "files/Utf8Path.h"

#include <algorithm>
#include <optional>

namespace fs = std::filesystem;

namespace files {
namespace {

// suffix with its backslashes turned into the platform's separator, led by one when it has none.
std::string nativeTail(std::string_view suffix) {
    std::string tail(suffix);
    std::replace(tail.begin(), tail.end(), '\\', static_cast<char>(fs::path::preferred_separator));
    if (!tail.empty() && tail.front() != static_cast<char>(fs::path::preferred_separator))
        tail.insert(tail.begin(), static_cast<char>(fs::path::preferred_separator));
    return tail;
}

#ifndef _WIN32
// "C:", "C:\..." or "C:/...": a folder the player copied from the game's own Windows world.
bool hasDriveLetter(std::string_view path) {
    return path.size() >= 2 && upperAscii(path[0]) >= 'A' && upperAscii(path[0]) <= 'Z' && path[1] == ':' &&
           (path.size() == 2 || path[2] == '\\' || path[2] == '/');
}

// base followed by tail ('/'-separated, starting with '/'), each named component found as the game and
// Wine find it; a name that is missing stays as it is, and so do empty ones.
fs::path underFoundAsTheGame(fs::path base, const std::string& tail) {
    std::size_t start = tail.find('/');
    while (start != std::string::npos) {
        const std::size_t end = tail.find('/', start + 1);
        const std::string name = tail.substr(start + 1, end == std::string::npos ? end : end - start - 1);
        const bool plain = !name.empty() && name != "." && name != "..";
        const std::optional<fs::path> found = plain ? entryIgnoringCase(base, name) : std::nullopt;
        base = base.native() + '/' + (found ? found->filename().native() : name);
        start = end;
    }
    return base;
}

// Wine keeps one link per drive, named by its lower-case letter and a colon.
fs::path throughWineDrive(const fs::path& prefix, const std::string& windowsPath) {
    std::string rest = windowsPath.substr(2);
    std::replace(rest.begin(), rest.end(), '\\', '/');
    return underFoundAsTheGame(prefix.native() + "/dosdevices",
                               std::string("/") + lowerAscii(windowsPath[0]) + ':' + rest);
}
#endif

} // namespace

GameFolder::GameFolder(std::string given, fs::path winePrefix)
    : m_given(std::move(given)), m_winePrefix(std::move(winePrefix)) {
    // Every path would end at the NUL: somewhere outside the game.
    if (m_given.find('\0') != std::string::npos) {
        std::string shown = m_given;
        std::replace(shown.begin(), shown.end(), '\0', '?');
        throw FileError(GameFileProblem::BadGameRoot, pathFromUtf8(shown));
    }
#ifdef _WIN32
    m_path = pathFromUtf8(m_given);
#else
    m_path =
        hasDriveLetter(m_given) ? throughWineDrive(m_winePrefix, m_given) : underFoundAsTheGame(m_given, "");
#endif
}

fs::path GameFolder::file(std::string_view suffix) const {
#ifdef _WIN32
    return pathFromUtf8(m_given + nativeTail(suffix));
#else
    return underFoundAsTheGame(m_path, nativeTail(suffix));
#endif
}

} // namespace files
