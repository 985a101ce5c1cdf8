#include "game/LineEdits.h"

#include <algorithm>
#include <map>

namespace game {

std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

std::optional<std::string> withEdits(std::string_view text, const std::vector<LineEdit>& edits) {
    const std::vector<std::string_view> lines = linesOf(text);
    std::multimap<std::size_t, const LineEdit*> putIn;
    std::map<std::size_t, const LineEdit*> changed;
    for (const LineEdit& edit : edits) {
        if (edit.line == 0 || edit.line > lines.size() + (edit.before.empty() ? 1 : 0))
            return std::nullopt;
        if (edit.before.empty())
            putIn.emplace(edit.line, &edit);
        else if (lines[edit.line - 1] != edit.before || !changed.emplace(edit.line, &edit).second)
            return std::nullopt;
    }
    std::string result;
    std::size_t at = 0; // where the line's bytes start in text
    for (std::size_t line = 1; line <= lines.size() + 1; ++line) {
        for (auto [it, end] = putIn.equal_range(line); it != end; ++it) {
            if (!result.empty() && result.back() != '\n')
                result += "\r\n";
            result += it->second->after + "\r\n";
        }
        if (line > lines.size())
            break;
        const std::size_t next = std::min(text.find('\n', at), text.size() - 1) + 1;
        const std::string_view whole = text.substr(at, next - at);
        at = next;
        if (const auto edit = changed.find(line); edit == changed.end())
            result += whole;
        else if (!edit->second->after.empty())
            result += edit->second->after + std::string(whole.substr(lines[line - 1].size()));
    }
    return result;
}

} // namespace game
