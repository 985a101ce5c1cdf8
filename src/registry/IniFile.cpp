#include "registry/IniFile.h"

#include "files/AsciiCase.h"
#include "files/Text.h"

#include <algorithm>
#include <optional>

namespace registry::ini {
namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

std::string_view trim(std::string_view text) {
    // Ctrl-Z ends files from old editors.
    return files::trimmed(text, " \t\r\n\v\f\x1a");
}

std::string_view unquoted(std::string_view value) {
    const bool quoted =
        value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front();
    return quoted ? value.substr(1, value.size() - 2) : value;
}

std::optional<std::string> findEntry(std::istream& file, std::string_view section, std::string_view key) {
    std::string line;
    bool inSection = false;
    for (bool first = true; std::getline(file, line); first = false) {
        std::string_view text = line;
        if (first && text.starts_with(ByteOrderMark))
            text.remove_prefix(ByteOrderMark.size());
        text = trim(text);
        const std::size_t close = text.rfind(']');
        if (text.starts_with('[') && close != std::string_view::npos) {
            inSection = files::equalsIgnoringCase(trim(text.substr(1, close - 1)), section);
            continue;
        }
        const std::size_t equals = text.find('=');
        if (inSection && equals != std::string_view::npos &&
            files::equalsIgnoringCase(trim(text.substr(0, equals)), key))
            return std::string(trim(text.substr(equals + 1)));
    }
    return std::nullopt;
}

} // namespace

std::string readProfileString(std::istream& file, std::string_view section, std::string_view key,
                              std::string_view fallback, std::size_t bufferSize) {
    std::string text;
    if (const std::optional<std::string> entry = findEntry(file, trim(section), trim(key)))
        text = unquoted(*entry);
    else
        text = fallback.substr(0, fallback.find_last_not_of(' ') + 1);
    text.resize(std::min(text.size(), bufferSize - 1));
    return text;
}

} // namespace registry::ini
