#pragma once

#include <algorithm>
#include <string>
#include <string_view>

namespace registry {

// ASCII folding only: hive names, type codes and the key paths the program asks for are ASCII.
inline char upperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

inline std::string toUpperAscii(std::string_view text) {
    std::string upper(text);
    std::ranges::transform(upper, upper.begin(), upperAscii);
    return upper;
}

inline bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, {}, upperAscii, upperAscii);
}

} // namespace registry
