#pragma once

#include <charconv>
#include <optional>
#include <string_view>

// Small text jobs the readers of scripts, settings files and answers share.
namespace files {

// The text without the blanks at either end; blanks are spaces, tabs and the CR of a CR LF line end
// unless told otherwise.
inline std::string_view trimmed(std::string_view text, std::string_view blanks = " \t\r") {
    const std::size_t start = text.find_first_not_of(blanks);
    if (start == std::string_view::npos)
        return {};
    return text.substr(start, text.find_last_not_of(blanks) - start + 1);
}

// The number the whole text reads as, in from_chars's form: no leading plus, no blanks.
template <class Number> std::optional<Number> wholeNumber(std::string_view text) {
    Number number{};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, number);
    if (error != std::errc() || stop != end)
        return std::nullopt;
    return number;
}

} // namespace files
