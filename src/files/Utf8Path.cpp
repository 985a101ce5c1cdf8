#include "files/Utf8Path.h"

#include <exception>

namespace fs = std::filesystem;

namespace files {

fs::path pathFromUtf8(std::string_view text) {
    return fs::path(std::u8string(text.begin(), text.end()));
}

std::string utf8Of(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::optional<fs::path> pathFromText(std::string_view text) {
    // The file calls would end the name at a NUL: some other file.
    if (text.find('\0') != std::string_view::npos)
        return std::nullopt;
    try {
        return pathFromUtf8(text);
    } catch (const std::exception&) { // not UTF-8, where names are UTF-16
        return std::nullopt;
    }
}

std::optional<std::string> textOfPath(const fs::path& path) {
    try {
        return utf8Of(path);
    } catch (const std::exception&) { // a lone UTF-16 surrogate
        return std::nullopt;
    }
}

} // namespace files
