#include "game/ScriptReader.h"

#include <algorithm>

namespace game {

namespace {

constexpr std::size_t MaxCommandBytes = 1023; // the command is copied into a line of 1024
constexpr std::size_t LongWord = 515;         // Cmd_TokenizeString: strlen(com_token) + 1 > 515
constexpr std::size_t MaxWords = 80;
constexpr std::size_t MaxLineBytes = 2047; // COM_ParseLine into the client's com_token of 2048

// The engine compares signed characters: bytes from 0x80 up are below the space.
bool isBlank(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte <= ' ' || byte >= 0x80;
}

// Inside a word only bytes up to the space end it: bytes from 0x80 up belong to it.
bool isWordEnd(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

// COM_ParseLine's line goes on while the signed byte is the space or above.
bool endsLine(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < ' ' || byte >= 0x80;
}

bool isAsciiBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

bool isOneCharacterWord(char c) {
    return c == '{' || c == '}' || c == '(' || c == ')' || c == '\'' || c == ',' || c == ':';
}

// Where the words of command end (after the last one read), filling words.
std::size_t tokenize(std::string_view command, std::vector<std::string_view>& words, bool& comment) {
    words.clear();
    comment = false;
    std::size_t at = 0;
    std::size_t end = 0;
    while (words.size() < MaxWords) {
        while (at < command.size() && isBlank(command[at]))
            ++at;
        if (at == command.size())
            break;
        std::string_view word;
        std::size_t next;
        if (command.compare(at, 2, "//") == 0) {
            comment = true;
            break;
        }
        if (command[at] == '"') {
            const std::size_t close = std::min(command.find('"', at + 1), command.size());
            word = command.substr(at + 1, close - at - 1);
            next = std::min(close + 1, command.size());
        } else if (isOneCharacterWord(command[at])) {
            word = command.substr(at, 1);
            next = at + 1;
        } else {
            next = at + 1;
            while (next < command.size() && !isOneCharacterWord(command[next]) && !isWordEnd(command[next]))
                ++next;
            word = command.substr(at, next - at);
        }
        if (word.size() >= LongWord)
            break;
        words.push_back(word);
        at = end = next;
    }
    return end;
}

} // namespace

bool splitWords(std::string_view command, std::vector<std::string_view>& words) {
    bool comment = false;
    tokenize(command, words, comment);
    return comment;
}

std::string_view scriptText(std::string_view bytes) {
    return bytes.substr(0, bytes.find('\0'));
}

bool isUtf16(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF"))
        return true;
    return bytes.size() >= 2 &&
           ((bytes[0] != '\0' && bytes[1] == '\0') || (bytes[0] == '\0' && bytes[1] != '\0'));
}

ScriptReader::ScriptReader(std::string_view script, std::size_t firstLine)
    : m_script(scriptText(script)), m_line(firstLine) {}

const ScriptCommand* ScriptReader::next(std::vector<std::string_view>& words) {
    while (m_at < m_script.size()) {
        const std::size_t segment = m_at;
        bool quoted = false;
        std::size_t at = segment;
        for (; at < m_script.size(); ++at) {
            const char c = m_script[at];
            if (c == '"')
                quoted = !quoted;
            // The split at ';' comes before comments are dropped: a ';' inside a comment still ends it.
            if (c == '\n' || (c == ';' && !quoted))
                break;
        }
        const bool lineEnds = at == m_script.size() || m_script[at] == '\n';
        const std::size_t line = m_line;
        const bool firstOnLine = segment == m_lineBegin;
        m_at = at + 1;
        if (lineEnds) {
            ++m_line;
            m_lineBegin = m_at;
        }
        const std::string_view command = m_script.substr(segment, std::min(at - segment, MaxCommandBytes));
        bool comment = false;
        const std::size_t end = tokenize(command, words, comment);
        if (words.empty())
            continue;
        // A quoted first word starts at its quote.
        const std::size_t begin =
            static_cast<std::size_t>(words.front().data() - m_script.data()) -
            (words.front().data() > m_script.data() + segment && words.front().data()[-1] == '"' ? 1 : 0);
        const std::string_view before = m_script.substr(segment, begin - segment);
        const std::string_view after = m_script.substr(segment + end, at - segment - end);
        const bool alone =
            std::ranges::all_of(before, isAsciiBlank) && std::ranges::all_of(after, isAsciiBlank);
        m_command = {words, begin, segment + end, at, line, firstOnLine && lineEnds && !comment && alone};
        return &m_command;
    }
    return nullptr;
}

std::optional<ParsedLine> LineReader::next() {
    if (m_at >= m_text.size())
        return std::nullopt;
    const std::size_t begin = m_at;
    std::size_t at = begin + 1;
    while (at < m_text.size() && !endsLine(m_text[at]) && at - begin < MaxLineBytes)
        ++at;
    const ParsedLine line{m_text.substr(begin, at - begin), m_line};
    m_line += m_text[begin] == '\n';
    for (; at < m_text.size() && endsLine(m_text[at]); ++at)
        m_line += m_text[at] == '\n';
    m_at = at;
    return line;
}

} // namespace game
