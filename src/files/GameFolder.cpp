#include "files/GameFolder.h"

#include "files/FileError.h"
#include "files/Utf8Path.h"
#include "files/WinePrefix.h"

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
    m_path = hasDriveLetter(m_given) ? *throughDriveLinks(m_winePrefix, m_given, MissingNames::Kept)
                                     : fs::path(m_given);
#endif
}

fs::path GameFolder::file(std::string_view suffix) const {
#ifdef _WIN32
    return pathFromUtf8(m_given + nativeTail(suffix));
#else
    return *followIgnoringCase(m_path, suffix, MissingNames::Kept);
#endif
}

} // namespace files
