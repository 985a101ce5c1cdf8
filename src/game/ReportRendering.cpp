#include "game/ReportRendering.h"

#include "game/TodayWords.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace game {

namespace {

// The length of the valid UTF-8 sequence at the start of text, or 0.
std::size_t utf8Length(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    const std::size_t length = lead < 0x80                   ? 1
                               : lead >= 0xC2 && lead < 0xE0 ? 2
                               : lead >= 0xE0 && lead < 0xF0 ? 3
                               : lead >= 0xF0 && lead < 0xF5 ? 4
                                                             : 0;
    if (length == 0 || text.size() < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i)
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
    // Overlong forms, surrogates and code points past U+10FFFF are not UTF-8.
    if ((lead == 0xE0 && byte(1) < 0xA0) || (lead == 0xED && byte(1) >= 0xA0) ||
        (lead == 0xF0 && byte(1) < 0x90) || (lead == 0xF4 && byte(1) >= 0x90))
        return 0;
    return length;
}

// Text from a script as a terminal may show it: control characters (C0, DEL, and C1 in UTF-8) and bytes
// that are not UTF-8 are written as \xNN, so that no script can move the cursor or hide a line.
std::string shown(std::string_view text) {
    std::string safe;
    while (!text.empty()) {
        const std::size_t length = utf8Length(text);
        const auto byte = static_cast<unsigned char>(text.front());
        const bool c1 = length == 2 && byte == 0xC2 && static_cast<unsigned char>(text[1]) < 0xA0;
        const bool control = length == 1 && (byte < 0x20 || byte == 0x7F);
        if (length == 0 || control || c1) {
            for (std::size_t i = 0; i < std::max<std::size_t>(length, 1); ++i) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\x%02x", static_cast<unsigned char>(text[i]));
                safe += escaped;
            }
        } else {
            safe += text.substr(0, length);
        }
        text.remove_prefix(std::max<std::size_t>(length, 1));
    }
    return safe;
}

std::string jsonLine(const ScriptPlace& place) {
    return place.line == 0 ? "null" : std::to_string(place.line);
}

std::string jsonFile(const ScriptPlace& place) {
    return place.file.empty() ? "null" : jsonString(place.file);
}

std::string placeFields(const ScriptPlace& place) {
    return "\"file\": " + jsonFile(place) + ", \"line\": " + jsonLine(place);
}

// A JSON array, one element a line.
template <typename Items, typename Write>
std::string jsonArray(std::string_view name, const Items& items, Write write) {
    std::string json = "  \"" + std::string(name) + "\": [";
    for (std::size_t i = 0; i < items.size(); ++i)
        json += (i == 0 ? "\n    " : ",\n    ") + write(items[i]);
    return json + (items.empty() ? "],\n" : "\n  ],\n");
}

std::string settingJson(const VariableSetting& setting) {
    std::string json = "{\"name\": " + jsonString(setting.name) +
                       ", \"value\": " + jsonString(setting.value) + ", " + placeFields(setting.place) +
                       ", \"overridden\": [";
    for (std::size_t i = 0; i < setting.overridden.size(); ++i)
        json += (i == 0 ? "{" : ", {") + placeFields(setting.overridden[i].place) +
                ", \"value\": " + jsonString(setting.overridden[i].value) + "}";
    json += "]";
    if (setting.overriddenLeftOut > 0)
        json += ", \"overriddenLeftOut\": " + std::to_string(setting.overriddenLeftOut);
    json += ", \"today\": " + (setting.verdict ? jsonString(fateName(setting.verdict->fate)) : "null");
    // Nothing to tell of a value the game drops or takes from another setting.
    const bool inGame = setting.verdict && setting.verdict->fate != Fate::NotInGame &&
                        setting.verdict->fate != Fate::Replaced;
    json += ", \"gameUses\": " + (inGame ? jsonString(setting.verdict->gameUses) : "null");
    json += ", \"todayText\": " +
            (setting.verdict ? jsonString(englishSentences(settingMessages(setting, true))) : "null");
    return json + "}";
}

std::string storedRateJson(const StoredRate& rate) {
    constexpr std::array<std::string_view, 3> Kinds{"unknown", "none", "read"};
    return "  \"storedRate\": {\"kind\": " + jsonString(Kinds[static_cast<std::size_t>(rate.kind)]) +
           ", \"store\": " + jsonString(english(rate.store)) + ", \"value\": " +
           (rate.kind == StoredRate::Kind::Read ? jsonString(rate.value) : std::string("null")) + "},\n";
}

std::string storedJson(std::string_view nameKey, const StoredCommands& stored) {
    return "{\"" + std::string(nameKey) + "\": " + jsonString(stored.name) +
           ", \"commands\": " + jsonString(stored.commands) + ", " + placeFields(stored.place) + "}";
}

std::string fixJson(const Fix& fix) {
    std::string json = "{\"id\": " + jsonString(fix.id) + ", \"kind\": " + jsonString(fixKindName(fix.kind)) +
                       ", " + placeFields(fix.place) + ", \"text\": " + jsonString(english(fix.text)) +
                       ", \"edits\": [";
    for (std::size_t i = 0; i < fix.edits.size(); ++i) {
        const LineEdit& edit = fix.edits[i];
        json += std::string(i == 0 ? "" : ", ") + "{\"file\": " + jsonString(edit.file) +
                ", \"line\": " + std::to_string(edit.line) + ", \"before\": " + jsonString(edit.before) +
                ", \"after\": " + jsonString(edit.after) + "}";
    }
    return json + "]}";
}

} // namespace

// A value the game put back itself is what it kept: no "may" about it.
std::vector<Message> settingMessages(const VariableSetting& setting, bool withCost) {
    if (setting.place.file.empty())
        return {fateMessage(*setting.row, *setting.verdict, setting.value)};
    return todayMessages(*setting.row, *setting.verdict, setting.value, withCost);
}

std::string jsonString(std::string_view text) {
    std::string json = "\"";
    while (!text.empty()) {
        const char c = text.front();
        const std::size_t length = utf8Length(text);
        if (c == '"' || c == '\\') {
            json += {'\\', c};
        } else if (length > 1 || (length == 1 && static_cast<unsigned char>(c) >= 0x20 && c != 0x7F)) {
            json += text.substr(0, length);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned char>(c));
            json += escaped;
        }
        text.remove_prefix(std::max<std::size_t>(length, 1));
    }
    return json + "\"";
}

std::string shownText(std::string_view text) {
    return shown(text);
}

std::string reportJson(const StartupReport& report, const std::vector<Fix>& fixes) {
    std::string json = "{\n  \"gameRoot\": " + jsonString(report.gameRoot) + ",\n  \"launchOptions\": ";
    if (const auto& options = report.launchOptions)
        json += "{\"text\": " + jsonString(options->text) + ", \"source\": " + jsonString(options->source) +
                ", \"steamUser\": " + jsonString(options->steamUser) +
                ", \"steamUsers\": " + std::to_string(options->steamUsers) + "}";
    else
        json += "null";
    json += ",\n  \"standardValveRc\": " + std::string(report.standardValveRc ? "true" : "false") + ",\n";
    std::size_t order = 0;
    json += jsonArray("files", report.files, [&](const std::string& file) {
        return "{\"path\": " + jsonString(file) + ", \"order\": " + std::to_string(++order) + "}";
    });
    json += jsonArray("settings", report.settings, settingJson);
    json += jsonArray("binds", report.binds, [](const StoredCommands& s) { return storedJson("key", s); });
    json +=
        jsonArray("aliases", report.aliases, [](const StoredCommands& s) { return storedJson("name", s); });
    json += jsonArray("ineffective", report.ineffective, [](const IneffectiveLine& line) {
        return "{" + placeFields(line.place) + ", \"command\": " + jsonString(line.command) +
               ", \"why\": " + jsonString(english(line.why)) + "}";
    });
    json += jsonArray("warnings", report.warnings, [](const Warning& warning) {
        return "{\"kind\": " + jsonString(kindName(warning.kind)) + ", " + placeFields(warning.place) +
               ", \"text\": " + jsonString(english(warning.text)) + "}";
    });
    json += jsonArray("fixes", fixes, fixJson);
    json += storedRateJson(report.storedRate);
    return json + "  \"leftOut\": " + std::to_string(report.leftOut) + "\n}\n";
}

} // namespace game
