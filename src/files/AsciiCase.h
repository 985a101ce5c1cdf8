#pragma once

#include <algorithm>
#include <string>
#include <string_view>

// ASCII folding only: the game, Wine and Steam match names, hive names and keys without regard to
// ASCII case, and leave every other byte as it is.
namespace files {

inline char upperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

inline char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

inline std::string toUpperAscii(std::string_view text) {
    std::string upper(text);
    std::ranges::transform(upper, upper.begin(), upperAscii);
    return upper;
}

inline std::string toLowerAscii(std::string_view text) {
    std::string lower(text);
    std::ranges::transform(lower, lower.begin(), lowerAscii);
    return lower;
}

inline bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, {}, upperAscii, upperAscii);
}

} // namespace files
