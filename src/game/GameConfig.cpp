#include "game/GameConfig.h"

#include "files/AsciiCase.h"

#include <algorithm>

namespace game {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

// The words of one command, as the engine's tokenizer splits them.
std::vector<std::string> wordsOf(std::string_view command) {
    std::vector<std::string> words;
    std::size_t at = 0;
    while (at < command.size()) {
        while (at < command.size() && isBlank(command[at]))
            ++at;
        if (at == command.size())
            break;
        if (command[at] == '"') {
            const std::size_t close = command.find('"', at + 1);
            const std::size_t stop = close == std::string_view::npos ? command.size() : close;
            words.emplace_back(command.substr(at + 1, stop - at - 1));
            at = stop == command.size() ? stop : stop + 1;
        } else {
            std::size_t stop = at;
            while (stop < command.size() && !isBlank(command[stop]))
                ++stop;
            words.emplace_back(command.substr(at, stop - at));
            at = stop;
        }
    }
    return words;
}

} // namespace

std::vector<SettingCommand> settingCommands(std::string_view script) {
    std::vector<SettingCommand> found;
    std::size_t lineBegin = 0;
    while (lineBegin < script.size()) {
        const std::size_t newline = script.find('\n', lineBegin);
        const std::size_t lineEnd = newline == std::string_view::npos ? script.size() : newline;
        std::size_t commandBegin = lineBegin;
        bool quoted = false;
        bool comment = false;
        std::vector<std::pair<std::size_t, std::size_t>> commands;
        for (std::size_t at = lineBegin; at <= lineEnd; ++at) {
            const char c = at < lineEnd ? script[at] : '\n';
            if (c == '"')
                quoted = !quoted;
            // The split at ';' comes before comments are dropped: a ';' inside a comment still ends it.
            if (c == '\n' || (c == ';' && !quoted)) {
                commands.emplace_back(commandBegin, at);
                commandBegin = at + 1;
                comment = false;
                continue;
            }
            if (!quoted && !comment && c == '/' && at + 1 < lineEnd && script[at + 1] == '/') {
                commands.emplace_back(commandBegin, at);
                comment = true;
            }
            if (comment)
                commandBegin = at + 1;
        }
        const auto isLineBlank = [&](std::size_t from, std::size_t to) {
            return std::all_of(script.begin() + from, script.begin() + to, isBlank);
        };
        for (auto [begin, end] : commands) {
            while (begin < end && isBlank(script[begin]))
                ++begin;
            while (end > begin && isBlank(script[end - 1]))
                --end;
            std::vector<std::string> words = wordsOf(script.substr(begin, end - begin));
            if (words.size() < 2)
                continue;
            words[0] = files::toLowerAscii(words[0]);
            found.push_back({std::move(words[0]), std::move(words[1]), begin, end,
                             isLineBlank(lineBegin, begin) && isLineBlank(end, lineEnd)});
        }
        lineBegin = lineEnd + 1;
    }
    return found;
}

std::optional<SettingCommand> lastSetting(const std::vector<SettingCommand>& commands,
                                          std::string_view name) {
    const std::string lower = files::toLowerAscii(name);
    const auto last = std::ranges::find(commands.rbegin(), commands.rend(), lower, &SettingCommand::name);
    if (last == commands.rend())
        return std::nullopt;
    return *last;
}

} // namespace game
