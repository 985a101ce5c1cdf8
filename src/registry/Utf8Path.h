#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace registry {

// The core keeps paths as UTF-8 text; Windows would read a narrow path in its ANSI code page.
inline std::filesystem::path pathFromUtf8(std::string_view text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

} // namespace registry
