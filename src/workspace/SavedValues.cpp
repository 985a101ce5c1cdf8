#include "workspace/SavedValues.h"

#include "game/GameConfig.h"
#include "game/ScriptReader.h"
#include "game/TodaysGame.h"

#include <algorithm>
#include <set>
#include <string_view>

namespace workspace {

namespace {

constexpr std::string_view Absent = "absent";
constexpr std::string_view LineEnd = "\r\n";
// Records without it hold "value" in quotes, unescaped, as earlier versions wrote them (and as they
// are still written when that holds every line).
constexpr std::string_view FormatLine = "format 2\r\n";

bool needsEscape(unsigned char byte) {
    return byte == '%' || byte == '"' || byte < 0x20 || byte == 0x7f;
}

std::string escaped(std::string_view bytes) {
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string text = "\"";
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (needsEscape(byte))
            text += {'%', Hex[byte >> 4], Hex[byte & 15]};
        else
            text += c;
    }
    return text + '"';
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::optional<std::string> unescaped(std::string_view text) {
    std::string bytes;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] != '%') {
            bytes += text[at];
            continue;
        }
        if (at + 2 >= text.size())
            return std::nullopt;
        const int high = hexDigit(text[at + 1]), low = hexDigit(text[at + 2]);
        if (high < 0 || low < 0)
            return std::nullopt;
        bytes += static_cast<char>(high * 16 + low);
        at += 2;
    }
    return bytes;
}

// What the earlier records' lines could hold and read back: no quote, line end, ';' or comment.
bool heldByEarlierRecords(std::string_view value) {
    return value.find_first_of("\"\r\n;") == std::string_view::npos &&
           value.find("//") == std::string_view::npos;
}

// A player's line as the earlier records held it, "value", when it is exactly the line they gave back.
std::optional<std::string> earlierValue(const std::string& name, std::string_view line) {
    if (!line.starts_with(name + " \"") || !line.ends_with('"') || line.size() < name.size() + 3)
        return std::nullopt;
    const std::string_view value = line.substr(name.size() + 2, line.size() - name.size() - 3);
    if (!heldByEarlierRecords(value))
        return std::nullopt;
    return '"' + std::string(value) + '"';
}

bool isSaved(const std::string& name) {
    const game::Setting* setting = game::findSetting(name);
    return setting && setting->saved.value && setting->name == name;
}

// One record line as written, its two texts still as they stand between their quotes.
struct RecordLine {
    std::string name;
    std::optional<std::string_view> before;
    std::string_view applied;
};

// name, a blank, "text" or absent, a blank, "text"; neither text holds a quote.
std::optional<RecordLine> splitLine(std::string_view line) {
    const std::size_t blank = line.find(' ');
    if (blank == std::string_view::npos || blank == 0)
        return std::nullopt;
    RecordLine split{std::string(line.substr(0, blank)), std::nullopt, {}};
    std::string_view rest = line.substr(blank + 1);
    const auto quotedText = [&rest]() -> std::optional<std::string_view> {
        const std::size_t close = rest.find('"', 1);
        if (!rest.starts_with('"') || close == std::string_view::npos)
            return std::nullopt;
        const std::string_view text = rest.substr(1, close - 1);
        rest.remove_prefix(close + 1);
        return text;
    };
    if (rest.starts_with(Absent))
        rest.remove_prefix(Absent.size());
    else if (!(split.before = quotedText()))
        return std::nullopt;
    if (!rest.starts_with(' '))
        return std::nullopt;
    rest.remove_prefix(1);
    const auto applied = quotedText();
    if (!applied || !rest.empty())
        return std::nullopt;
    split.applied = *applied;
    return split;
}

// Where the line holding a command stands: its first byte, the end of its text before CR LF or LF, and
// the first byte of the next line.
struct LinePlace {
    std::size_t begin, textEnd, next;
};

LinePlace lineOf(const std::string& text, const game::SettingCommand& command) {
    const std::size_t newline = text.rfind('\n', command.begin);
    const std::size_t begin = newline == std::string::npos ? 0 : newline + 1;
    const std::size_t end = std::min(text.find('\n', command.end), text.size());
    const std::size_t textEnd = end > begin && end < text.size() && text[end - 1] == '\r' ? end - 1 : end;
    return {begin, textEnd, end == text.size() ? end : end + 1};
}

// Whether a command is the only one on its line, so that the line is the player's as a whole.
bool aloneOnLine(const std::string& text, const game::SettingCommand& command) {
    const LinePlace line = lineOf(text, command);
    game::ScriptReader reader(std::string_view(text).substr(line.begin, line.textEnd - line.begin));
    return reader.next() && !reader.next();
}

// The command in a recorded line that sets name.
std::optional<std::string> commandIn(const std::string& line, const std::string& name) {
    const auto command = game::lastSetting(game::settingCommands(line), name);
    if (!command)
        return std::nullopt;
    return line.substr(command->begin, command->end - command->begin);
}

// The value the game keeps for an applied one: the value itself, or what it clamped or forced it to.
bool stillApplied(const SavedValue& value, const std::string& current) {
    if (game::sameValue(current, value.applied))
        return true;
    const game::Verdict verdict = game::judge(*game::findSetting(value.name), value.applied);
    return verdict.fate != game::Fate::TakesEffect && game::sameValue(current, verdict.gameUses);
}

} // namespace

std::string recordText(const std::vector<SavedValue>& values) {
    // Earlier versions read a record that their own format holds: it is written so while it can be.
    std::optional<std::string> earlier = "";
    for (const SavedValue& value : values) {
        const auto line = value.before ? earlierValue(value.name, *value.before) : std::string(Absent);
        if (!line || !heldByEarlierRecords(value.applied)) {
            earlier.reset();
            break;
        }
        *earlier += value.name + ' ' + *line + " \"" + value.applied + '"' + std::string(LineEnd);
    }
    if (earlier)
        return *earlier;
    std::string text(FormatLine);
    for (const SavedValue& value : values)
        text += value.name + ' ' + (value.before ? escaped(*value.before) : std::string(Absent)) + ' ' +
                escaped(value.applied) + std::string(LineEnd);
    return text;
}

std::optional<std::vector<SavedValue>> parseRecord(const std::string& bytes) {
    const bool escapes = bytes.starts_with(FormatLine);
    std::vector<SavedValue> values;
    std::set<std::string> names;
    for (std::size_t at = escapes ? FormatLine.size() : 0; at < bytes.size();) {
        const std::size_t end = bytes.find(LineEnd, at);
        if (end == std::string::npos)
            return std::nullopt;
        const auto line = splitLine(std::string_view(bytes).substr(at, end - at));
        at = end + LineEnd.size();
        if (!line || !isSaved(line->name) || !names.insert(line->name).second)
            return std::nullopt;
        SavedValue value{line->name, std::nullopt, {}};
        if (escapes) {
            const auto applied = unescaped(line->applied);
            if (!applied)
                return std::nullopt;
            value.applied = *applied;
            if (line->before && !(value.before = unescaped(*line->before)))
                return std::nullopt;
        } else {
            if (!heldByEarlierRecords(line->applied) || !heldByEarlierRecords(line->before.value_or("")))
                return std::nullopt;
            value.applied = line->applied;
            // Earlier versions gave a value back as this line.
            if (line->before)
                value.before = value.name + " \"" + std::string(*line->before) + '"';
        }
        if (value.before && !commandIn(*value.before, value.name))
            return std::nullopt;
        values.push_back(std::move(value));
    }
    // Anything written otherwise than recordText writes it is not ours; earlier versions wrote only the
    // format their lines hold.
    if (escapes && recordText(values) != bytes)
        return std::nullopt;
    return values;
}

std::vector<SavedValue> recordAfterApplying(std::vector<SavedValue> record, const std::string& runLines,
                                            const std::string& config) {
    const auto configCommands = game::settingCommands(config);
    for (const game::SettingCommand& line : game::settingCommands(runLines)) {
        if (!isSaved(line.name))
            continue;
        const auto known = std::ranges::find(record, line.name, &SavedValue::name);
        if (known != record.end()) {
            known->applied = line.value;
            continue;
        }
        std::optional<std::string> before;
        if (const auto own = game::lastSetting(configCommands, line.name); own && aloneOnLine(config, *own)) {
            const LinePlace place = lineOf(config, *own);
            before = config.substr(place.begin, place.textEnd - place.begin);
        } else if (own) {
            before = config.substr(own->begin, own->end - own->begin);
        }
        record.push_back({line.name, before, line.value});
    }
    return record;
}

std::string configGivenBack(const std::string& config, const std::vector<SavedValue>& record) {
    const auto commands = game::settingCommands(config);
    struct Edit {
        std::size_t begin, end;
        std::string bytes;
    };
    std::vector<Edit> edits;
    for (const SavedValue& value : record) {
        const auto current = game::lastSetting(commands, value.name);
        if (!current || !stillApplied(value, current->value))
            continue;
        const LinePlace line = lineOf(config, *current);
        const bool wholeLine = aloneOnLine(config, *current);
        if (value.before && wholeLine)
            edits.push_back({line.begin, line.textEnd, *value.before});
        else if (value.before)
            edits.push_back(
                {current->begin, current->end, commandIn(*value.before, value.name).value_or("")});
        else if (wholeLine)
            edits.push_back({line.begin, line.next, ""});
        else
            edits.push_back({current->begin, current->end, ""});
    }
    std::ranges::sort(edits, std::greater{}, &Edit::begin);
    std::string result = config;
    for (const Edit& edit : edits)
        result.replace(edit.begin, edit.end - edit.begin, edit.bytes);
    return result;
}

} // namespace workspace
