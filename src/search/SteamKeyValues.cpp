#include "search/SteamKeyValues.h"

#include "files/AsciiCase.h"
#include "files/WholeFile.h"

#include <algorithm>
#include <cstdint>

namespace search::steam {
namespace {

// Steam's own files stay far below both; the limits keep a damaged file from costing
// unbounded memory or stack. Lower than other registry files' limit, as every few bytes of a
// file can become an entry.
constexpr std::uintmax_t MaxFileSize = 8 * 1024 * 1024;
constexpr int MaxDepth = 64;

template <typename Predicate>
const KeyValue* findChild(const KeyValue& parent, std::string_view key, Predicate wanted) {
    auto found = std::ranges::find_if(parent.children, [&](const KeyValue& child) {
        return wanted(child) && files::equalsIgnoringCase(child.key, key);
    });
    return found == parent.children.end() ? nullptr : &*found;
}

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool isControl(char c) {
    return (static_cast<unsigned char>(c) < 0x20 && !isSpace(c)) || c == 0x7f;
}

class Parser {
public:
    explicit Parser(std::string_view text) : m_text(text) {}

    // Reads entries up to the closing brace of a block, or to the end at the top level.
    bool parseEntries(std::vector<KeyValue>& entries, int depth) {
        for (;;) {
            Token key = next();
            if (key.kind != Kind::Text)
                return key.kind == (depth == 0 ? Kind::End : Kind::Close);
            KeyValue entry;
            entry.key = std::move(key.text);
            Token value = next();
            if (value.kind == Kind::Text) {
                entry.value = std::move(value.text);
            } else if (value.kind == Kind::Open && depth < MaxDepth) {
                entry.isBlock = true;
                if (!parseEntries(entry.children, depth + 1))
                    return false;
            } else {
                return false;
            }
            entries.push_back(std::move(entry));
        }
    }

    // One pass, no tree: only the value looked for is copied.
    std::optional<std::string> findText(std::span<const std::string_view> path) {
        std::optional<std::string> found;
        std::size_t depth = 0;
        std::size_t matched = 0; // blocks of path entered, each the first with its key
        bool passed = false;     // the matched chain was left: what it lacks is not elsewhere
        for (;;) {
            Token key = next();
            if (key.kind == Kind::End && depth == 0)
                return found.value_or("");
            if (key.kind == Kind::Close && depth > 0) {
                if (depth-- == matched) {
                    --matched;
                    passed = true;
                }
                continue;
            }
            if (key.kind != Kind::Text)
                return std::nullopt;
            Token value = next();
            const bool inChain = !passed && depth == matched && !found;
            if (value.kind == Kind::Text) {
                if (inChain && matched + 1 == path.size() && files::equalsIgnoringCase(key.text, path.back()))
                    found = std::move(value.text);
            } else if (value.kind == Kind::Open && depth < MaxDepth) {
                ++depth;
                if (inChain && matched + 1 < path.size() &&
                    files::equalsIgnoringCase(key.text, path[matched]))
                    ++matched;
            } else {
                return std::nullopt;
            }
        }
    }

private:
    enum class Kind { Text, Open, Close, End, Error };
    struct Token {
        Kind kind;
        std::string text;
    };

    Token next() {
        for (;;) {
            while (m_pos < m_text.size() && isSpace(m_text[m_pos]))
                ++m_pos;
            if (m_pos == m_text.size())
                return {Kind::End, {}};
            std::string_view rest = m_text.substr(m_pos);
            if (rest.starts_with("//")) {
                m_pos = std::min(m_text.find('\n', m_pos), m_text.size());
            } else if (rest[0] == '[') {
                // A platform condition such as [$WIN32]: every platform's entry is kept.
                std::size_t close = rest.find_first_of("]\n");
                if (close == std::string_view::npos || rest[close] != ']')
                    return {Kind::Error, {}};
                m_pos += close + 1;
            } else {
                return token(rest[0]);
            }
        }
    }

    Token token(char first) {
        if (first == '{' || first == '}') {
            ++m_pos;
            return {first == '{' ? Kind::Open : Kind::Close, {}};
        }
        if (first == '"')
            return quoted();
        std::size_t start = m_pos;
        while (m_pos < m_text.size() && !isSpace(m_text[m_pos]) && !isControl(m_text[m_pos]) &&
               std::string_view("\"{}").find(m_text[m_pos]) == std::string_view::npos)
            ++m_pos;
        if (m_pos == start)
            return {Kind::Error, {}};
        return {Kind::Text, std::string(m_text.substr(start, m_pos - start))};
    }

    Token quoted() {
        std::string text;
        for (++m_pos; m_pos < m_text.size(); ++m_pos) {
            // Plain runs are copied at once.
            const std::size_t plain = m_text.find_first_of("\"\\", m_pos);
            if (plain == std::string_view::npos)
                break;
            const std::string_view run = m_text.substr(m_pos, plain - m_pos);
            if (run.find('\0') != std::string_view::npos)
                break;
            text += run;
            m_pos = plain;
            char c = m_text[m_pos];
            if (c == '"') {
                ++m_pos;
                return {Kind::Text, std::move(text)};
            }
            if (c == '\0')
                break;
            if (c == '\\' && ++m_pos < m_text.size())
                text += unescape(m_text[m_pos]);
            else if (c != '\\')
                text += c;
        }
        return {Kind::Error, {}};
    }

    static std::string unescape(char c) {
        switch (c) {
        case 'n':
            return "\n";
        case 't':
            return "\t";
        case '\\':
        case '"':
            return std::string(1, c);
        default:
            return std::string{'\\', c};
        }
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
};

} // namespace

const KeyValue* KeyValue::block(std::string_view childKey) const {
    return findChild(*this, childKey, [](const KeyValue& child) { return child.isBlock; });
}

std::optional<std::string> KeyValue::text(std::string_view childKey) const {
    const KeyValue* found = findChild(*this, childKey, [](const KeyValue& child) { return !child.isBlock; });
    return found ? std::optional(found->value) : std::nullopt;
}

std::optional<KeyValue> parseKeyValues(std::string_view text) {
    KeyValue root;
    root.isBlock = true;
    if (!Parser(text).parseEntries(root.children, 0))
        return std::nullopt;
    return root;
}

std::optional<std::string> findText(std::string_view text, std::span<const std::string_view> path) {
    return Parser(text).findText(path);
}

std::optional<std::string> findTextInFile(const std::filesystem::path& file,
                                          std::span<const std::string_view> path) {
    const files::WholeFile read = files::readWholeFile(file, MaxFileSize);
    if (read.outcome != files::FileOutcome::Read)
        return std::nullopt;
    return findText(read.text, path);
}

std::optional<KeyValue> readKeyValuesFile(const std::filesystem::path& file) {
    const files::WholeFile read = files::readWholeFile(file, MaxFileSize);
    if (read.outcome != files::FileOutcome::Read)
        return std::nullopt;
    return parseKeyValues(read.text);
}

} // namespace search::steam
