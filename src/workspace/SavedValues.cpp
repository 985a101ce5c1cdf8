#include "workspace/SavedValues.h"

#include "game/GameConfig.h"
#include "game/TodaysGame.h"

#include <algorithm>
#include <set>

namespace workspace {

namespace {

constexpr std::string_view Absent = "absent";

std::string quoted(const std::string& value) {
    return '"' + value + '"';
}

// What the record's own lines can hold and read back: no quote, line end, ';' or comment.
bool savable(const std::string& value) {
    return value.find_first_of("\"\r\n;") == std::string::npos && value.find("//") == std::string::npos;
}

bool isSaved(const std::string& name) {
    const game::Setting* setting = game::findSetting(name);
    return setting && setting->saved.value && setting->name == name;
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
    std::string text;
    for (const SavedValue& value : values)
        text += value.name + ' ' + (value.before ? quoted(*value.before) : std::string(Absent)) + ' ' +
                quoted(value.applied) + "\r\n";
    return text;
}

std::optional<std::vector<SavedValue>> parseRecord(const std::string& bytes) {
    std::vector<SavedValue> values;
    std::set<std::string> names;
    for (const game::SettingCommand& command : game::settingCommands(bytes)) {
        const std::string line = bytes.substr(command.begin, command.end - command.begin);
        const std::size_t applied = line.rfind(" \"");
        if (applied == std::string::npos || applied <= command.name.size() + 1 || line.back() != '"')
            return std::nullopt;
        const std::string beforeText =
            line.substr(command.name.size() + 1, applied - command.name.size() - 1);
        SavedValue value{command.name, std::nullopt, line.substr(applied + 2, line.size() - applied - 3)};
        if (beforeText != Absent) {
            if (beforeText.size() < 2 || beforeText.front() != '"' || beforeText.back() != '"')
                return std::nullopt;
            value.before = beforeText.substr(1, beforeText.size() - 2);
        }
        if (!isSaved(value.name) || !names.insert(value.name).second)
            return std::nullopt;
        values.push_back(std::move(value));
    }
    // Anything the lines above did not account for, byte for byte, is not ours.
    if (recordText(values) != bytes || !std::ranges::all_of(values, [](const SavedValue& v) {
            return savable(v.applied) && savable(v.before.value_or(""));
        }))
        return std::nullopt;
    return values;
}

std::vector<SavedValue> recordAfterApplying(std::vector<SavedValue> record, const std::string& runLines,
                                            const std::string& config) {
    const auto configCommands = game::settingCommands(config);
    for (const game::SettingCommand& line : game::settingCommands(runLines)) {
        if (!isSaved(line.name) || !savable(line.value))
            continue;
        const auto known = std::ranges::find(record, line.name, &SavedValue::name);
        if (known != record.end()) {
            known->applied = line.value;
            continue;
        }
        const auto own = game::lastSetting(configCommands, line.name);
        std::optional<std::string> before;
        if (own && savable(own->value))
            before = own->value;
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
        if (value.before) {
            edits.push_back({current->begin, current->end, value.name + ' ' + quoted(*value.before)});
        } else if (current->wholeLine) {
            const std::size_t lineBegin = config.rfind('\n', current->begin) == std::string::npos
                                              ? 0
                                              : config.rfind('\n', current->begin) + 1;
            const std::size_t newline = config.find('\n', current->end);
            edits.push_back({lineBegin, newline == std::string::npos ? config.size() : newline + 1, ""});
        } else {
            edits.push_back({current->begin, current->end, ""});
        }
    }
    std::ranges::sort(edits, std::greater{}, &Edit::begin);
    std::string result = config;
    for (const Edit& edit : edits)
        result.replace(edit.begin, edit.end - edit.begin, edit.bytes);
    return result;
}

} // namespace workspace
