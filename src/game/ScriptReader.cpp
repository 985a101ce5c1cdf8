#include "game/ScriptReader.h"

namespace game {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

} // namespace

void splitWords(std::string_view command, std::vector<std::string_view>& words) {
    words.clear();
    std::size_t at = 0;
    while (at < command.size()) {
        while (at < command.size() && isBlank(command[at]))
            ++at;
        if (at == command.size())
            break;
        if (command[at] == '"') {
            const std::size_t close = std::min(command.find('"', at + 1), command.size());
            words.push_back(command.substr(at + 1, close - at - 1));
            at = close == command.size() ? close : close + 1;
        } else {
            std::size_t stop = at;
            while (stop < command.size() && !isBlank(command[stop]))
                ++stop;
            words.push_back(command.substr(at, stop - at));
            at = stop;
        }
    }
}

const ScriptCommand* ScriptReader::next() {
    while (m_at < m_script.size()) {
        const std::size_t segment = m_at;
        std::size_t comment = std::string_view::npos;
        bool quoted = false;
        std::size_t at = segment;
        for (; at < m_script.size(); ++at) {
            const char c = m_script[at];
            if (c == '"')
                quoted = !quoted;
            // The split at ';' comes before comments are dropped: a ';' inside a comment still ends it.
            if (c == '\n' || (c == ';' && !quoted))
                break;
            if (!quoted && comment == std::string_view::npos && c == '/' && at + 1 < m_script.size() &&
                m_script[at + 1] == '/')
                comment = at;
        }
        const bool lineEnds = at == m_script.size() || m_script[at] == '\n';
        const std::size_t line = m_line;
        const bool firstOnLine = segment == m_lineBegin;
        m_at = at + 1;
        if (lineEnds) {
            ++m_line;
            m_lineBegin = m_at;
        }
        std::size_t begin = segment;
        std::size_t end = std::min(comment, at);
        while (begin < end && isBlank(m_script[begin]))
            ++begin;
        while (end > begin && isBlank(m_script[end - 1]))
            --end;
        splitWords(m_script.substr(begin, end - begin), m_words);
        if (m_words.empty())
            continue;
        m_command = {m_words, begin, end,
                     at,      line,  firstOnLine && lineEnds && comment == std::string_view::npos};
        return &m_command;
    }
    return nullptr;
}

} // namespace game
