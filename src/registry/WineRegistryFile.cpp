#include "registry/WineRegistryFile.h"

#include "files/AsciiCase.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <optional>
#include <string>

namespace registry::wine {
namespace {

constexpr std::string_view Header = "WINE REGISTRY Version 2";
constexpr std::array<std::string_view, 4> StringPrefixes{"\"", "str:\"", "str(2):\"", "str(7):\""};
constexpr std::uint32_t BinaryKind = 3;
// REG_SZ, REG_EXPAND_SZ, REG_MULTI_SZ: RegQueryValueExA hands these over as 8-bit text.
constexpr std::array<std::uint32_t, 3> TextKinds{1, 2, 7};
constexpr std::string_view EscapeLetters = "abefnrtv";
constexpr std::string_view EscapedControls = "\a\b\x1b\f\n\r\t\v";

// UTF-8 from UTF-16 code units (surrogates paired) and from bytes that already are UTF-8.
class Utf8Builder {
public:
    void addUnit(char16_t unit) {
        const bool high = unit >= 0xD800 && unit <= 0xDBFF;
        const bool low = unit >= 0xDC00 && unit <= 0xDFFF;
        if (low && m_highSurrogate) {
            addCodePoint(0x10000 + ((m_highSurrogate - 0xD800) << 10) + (unit - 0xDC00));
            m_highSurrogate = 0;
            return;
        }
        flushHalf();
        if (high)
            m_highSurrogate = unit;
        else
            addCodePoint(low ? Replacement : unit);
    }
    void addByte(char byte) {
        flushHalf();
        m_text += byte;
    }
    std::string finish() {
        flushHalf();
        return std::move(m_text);
    }

private:
    static constexpr char32_t Replacement = 0xFFFD;

    void flushHalf() {
        if (m_highSurrogate)
            addCodePoint(Replacement);
        m_highSurrogate = 0;
    }
    void addCodePoint(char32_t point) {
        if (point < 0x80) {
            m_text += static_cast<char>(point);
            return;
        }
        const int continuations = point < 0x800 ? 1 : point < 0x10000 ? 2 : 3;
        constexpr std::array<unsigned, 4> leads{0, 0xC0, 0xE0, 0xF0};
        m_text += static_cast<char>(leads[continuations] | (point >> (6 * continuations)));
        for (int shift = 6 * (continuations - 1); shift >= 0; shift -= 6)
            m_text += static_cast<char>(0x80 | ((point >> shift) & 0x3F));
    }

    std::string m_text;
    char16_t m_highSurrogate = 0;
};

bool consume(std::string_view& rest, std::string_view prefix) {
    if (!rest.starts_with(prefix))
        return false;
    rest.remove_prefix(prefix.size());
    return true;
}

std::string_view skipBlanks(std::string_view text) {
    const std::size_t start = text.find_first_not_of(" \t");
    return start == std::string_view::npos ? std::string_view() : text.substr(start);
}

std::optional<std::uint32_t> takeNumber(std::string_view& rest, int base,
                                        std::size_t maxDigits = std::string_view::npos) {
    const std::string_view digits = rest.substr(0, maxDigits);
    std::uint32_t number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number, base);
    if (error != std::errc())
        return std::nullopt;
    rest.remove_prefix(static_cast<std::size_t>(end - digits.data()));
    return number;
}

// Reads up to the unescaped terminator, which must be there. Escapes as Wine writes them: control
// letters, \x with up to four hex digits, up to three octal digits; any other escaped character
// stands for itself (\\, \", \]).
std::optional<std::string> takeEscaped(std::string_view& rest, char terminator) {
    Utf8Builder text;
    while (!rest.empty() && rest.front() != terminator) {
        const char c = rest.front();
        rest.remove_prefix(1);
        if (c != '\\') {
            text.addByte(c);
        } else if (rest.empty()) {
            return std::nullopt;
        } else if (const std::optional<std::uint32_t> octal = takeNumber(rest, 8, 3)) {
            text.addUnit(static_cast<char16_t>(*octal));
        } else if (consume(rest, "x")) {
            if (const std::optional<std::uint32_t> hex = takeNumber(rest, 16, 4))
                text.addUnit(static_cast<char16_t>(*hex));
            else
                text.addByte('x');
        } else {
            const std::size_t letter = EscapeLetters.find(rest.front());
            text.addByte(letter == std::string_view::npos ? rest.front() : EscapedControls[letter]);
            rest.remove_prefix(1);
        }
    }
    if (!consume(rest, std::string_view(&terminator, 1)))
        return std::nullopt;
    return text.finish();
}

// The text's lines in turn, without their LF or CR LF; views into the text, so that a huge line
// costs no copy.
class Lines {
public:
    explicit Lines(std::string_view text) : m_rest(text) {}
    bool next(std::string_view& line) {
        if (m_rest.empty())
            return false;
        const std::size_t end = std::min(m_rest.find('\n'), m_rest.size());
        line = m_rest.substr(0, end);
        m_rest.remove_prefix(std::min(end + 1, m_rest.size()));
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        return true;
    }

private:
    std::string_view m_rest;
};

// Comma-separated bytes; a trailing backslash continues the list on the next line.
std::optional<std::string> takeHexBytes(std::string_view rest, Lines& lines) {
    std::string bytes;
    for (;;) {
        while (const std::optional<std::uint32_t> byte = takeNumber(rest, 16)) {
            if (*byte > 0xFF)
                return std::nullopt;
            bytes += static_cast<char>(*byte);
            rest = skipBlanks(rest);
            if (consume(rest, ","))
                rest = skipBlanks(rest);
        }
        if (!rest.starts_with('\\'))
            return bytes;
        if (!lines.next(rest))
            return std::nullopt;
        rest = skipBlanks(rest);
    }
}

std::string textFromUtf16(std::string_view bytes) {
    Utf8Builder text;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto low = static_cast<unsigned char>(bytes[i]);
        const auto high = static_cast<unsigned char>(bytes[i + 1]);
        text.addUnit(static_cast<char16_t>(low | high << 8));
    }
    return text.finish();
}

std::string littleEndian(std::uint32_t number) {
    std::string bytes;
    for (int shift = 0; shift < 32; shift += 8)
        bytes += static_cast<char>((number >> shift) & 0xFF);
    return bytes;
}

std::optional<std::string> takeData(std::string_view rest, Lines& lines) {
    for (std::string_view prefix : StringPrefixes) {
        if (consume(rest, prefix)) {
            std::optional<std::string> string = takeEscaped(rest, '"');
            return string ? std::optional(*string + '\0') : std::nullopt;
        }
    }
    if (consume(rest, "dword:")) {
        const std::optional<std::uint32_t> number = takeNumber(rest, 16);
        return number ? std::optional(littleEndian(*number)) : std::nullopt;
    }
    std::optional<std::uint32_t> kind = BinaryKind;
    if (!consume(rest, "hex:")) {
        if (!consume(rest, "hex("))
            return std::nullopt;
        kind = takeNumber(rest, 16);
        if (!kind || !consume(rest, "):"))
            return std::nullopt;
    }
    std::optional<std::string> bytes = takeHexBytes(rest, lines);
    if (bytes && std::ranges::find(TextKinds, *kind) != TextKinds.end())
        return textFromUtf16(*bytes);
    return bytes;
}

struct NamedData {
    std::string name;
    std::string data;
};

// "name"=data, or @=data for the key's default value.
std::optional<NamedData> takeValue(std::string_view line, Lines& lines) {
    NamedData value;
    if (!consume(line, "@")) {
        std::optional<std::string> name = consume(line, "\"") ? takeEscaped(line, '"') : std::nullopt;
        if (!name)
            return std::nullopt;
        value.name = std::move(*name);
    }
    line = skipBlanks(line);
    if (!consume(line, "="))
        return std::nullopt;
    std::optional<std::string> data = takeData(skipBlanks(line), lines);
    if (!data)
        return std::nullopt;
    value.data = std::move(*data);
    return value;
}

// Wine leaves out keys that hold nothing but subkeys; their subkeys' sections show them.
bool namesKeyOrSubkey(std::string_view section, std::string_view keyPath) {
    return files::equalsIgnoringCase(section.substr(0, keyPath.size()), keyPath) &&
           (section.size() == keyPath.size() || section[keyPath.size()] == '\\');
}

} // namespace

StoredValue readValue(std::string_view text, std::string_view keyPath, std::string_view valueName) {
    StoredValue found;
    Lines lines(text);
    std::string_view line;
    if (!lines.next(line) || line != Header)
        return found;
    bool inKey = false;
    while (lines.next(line)) {
        std::string_view rest = skipBlanks(line);
        if (consume(rest, "[")) {
            const std::optional<std::string> section = takeEscaped(rest, ']');
            inKey = section && files::equalsIgnoringCase(*section, keyPath);
            found.keyFound = found.keyFound || (section && namesKeyOrSubkey(*section, keyPath));
        } else if (inKey) {
            // Comments and options (;; and #time=...) are no values; a repeated value replaces.
            std::optional<NamedData> value = takeValue(rest, lines);
            if (value && files::equalsIgnoringCase(value->name, valueName))
                found.data = std::move(value->data);
        }
    }
    return found;
}

} // namespace registry::wine
