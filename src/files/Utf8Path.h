#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The core keeps paths as UTF-8 text on every platform; Windows would read a narrow path in its ANSI
// code page.
namespace files {

std::filesystem::path pathFromUtf8(std::string_view text);
std::string utf8Of(const std::filesystem::path& path);

// The same, for text from outside: nothing for text the platform cannot name a file with (a NUL, or
// bytes that are not UTF-8 where names are UTF-16) or a path that is no text (a lone surrogate).
std::optional<std::filesystem::path> pathFromText(std::string_view text);
std::optional<std::string> textOfPath(const std::filesystem::path& path);

} // namespace files
