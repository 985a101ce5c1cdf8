#include "game/ReportRendering.h"

#include <array>
#include <cstdio>

namespace game {

namespace {

std::string fateText(const Verdict& verdict, const Setting& row) {
    switch (verdict.fate) {
    case Fate::TakesEffect:
        return "takes effect";
    case Fate::Clamped:
        return (verdict.multiplayerOnly ? "in multiplayer the game uses " : "the game uses ") +
               verdict.gameUses;
    case Fate::Forced:
        return "forced to " + std::string(row.forced) + " by the game";
    case Fate::NoEffect:
        return "no effect";
    case Fate::NotInGame:
        break;
    }
    return "not in today's game";
}

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
    const bool inGame = setting.verdict && setting.verdict->fate != Fate::NotInGame;
    json += ", \"gameUses\": " + (inGame ? jsonString(setting.verdict->gameUses) : "null");
    return json + "}";
}

// What the game does with rate after the scripts, as a paragraph of its own.
std::string storedRateText(const StoredRate& rate) {
    switch (rate.kind) {
    case StoredRate::Kind::Read:
        return "\nRate kept by the game:\n  after the scripts the game sets rate to \"" + rate.value +
               "\", the rate it kept in " + rate.store + " when it last quit\n";
    case StoredRate::Kind::None:
        return "\nRate kept by the game:\n  " + rate.store +
               " holds no rate: the scripts' rate holds, and the game keeps it there when it quits\n";
    case StoredRate::Kind::Unknown:
        break;
    }
    return "\nRate kept by the game:\n  the game may put back the rate it kept in " + rate.store +
           " at its last quit, which this program cannot read: a rate set in a script may not take effect\n";
}

std::string storedRateJson(const StoredRate& rate) {
    constexpr std::array<std::string_view, 3> Kinds{"unknown", "none", "read"};
    return "  \"storedRate\": {\"kind\": " + jsonString(Kinds[static_cast<std::size_t>(rate.kind)]) +
           ", \"store\": " + jsonString(rate.store) + ", \"value\": " +
           (rate.kind == StoredRate::Kind::Read ? jsonString(rate.value) : std::string("null")) + "},\n";
}

std::string storedJson(std::string_view nameKey, const StoredCommands& stored) {
    return "{\"" + std::string(nameKey) + "\": " + jsonString(stored.name) +
           ", \"commands\": " + jsonString(stored.commands) + ", " + placeFields(stored.place) + "}";
}

} // namespace

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

std::string reportText(const StartupReport& report) {
    std::string text = "Start-up of the game in " + report.gameRoot + "\n\n";
    if (!report.launchOptions) {
        text += "Launch options: none given\n";
    } else {
        const LaunchOptions& options = *report.launchOptions;
        text += "Launch options: " + (options.text.empty() ? std::string("none") : options.text) + "\n";
        text += "  from " + options.source;
        if (options.steamUsers > 1)
            text += " (Steam user " + options.steamUser + ", whose file changed last of " +
                    std::to_string(options.steamUsers) + ")";
        text += "\n";
    }
    text += "\nScripts, in the order the game runs them:\n";
    if (report.standardValveRc)
        text +=
            "  valve.rc is in neither cstrike nor valve: read as the standard one, exec autoexec.cfg then "
            "the launch options\n";
    for (std::size_t i = 0; i < report.files.size(); ++i)
        text += "  " + std::to_string(i + 1) + ". " + report.files[i] + "\n";
    if (report.files.empty())
        text += "  none\n";
    text += "\nSettings as the game will have them:\n";
    for (const VariableSetting& setting : report.settings) {
        text += "  " + setting.name + " \"" + setting.value + "\"  " + placeText(setting.place);
        if (setting.verdict)
            text += ": " + fateText(*setting.verdict, *setting.row);
        text += "\n";
    }
    if (report.settings.empty())
        text += "  none\n";
    text += storedRateText(report.storedRate);
    if (!report.ineffective.empty()) {
        text += "\nLines that never take effect:\n";
        for (const IneffectiveLine& line : report.ineffective)
            text += "  " + placeText(line.place) + ": " + line.command + ": " + line.why + "\n";
    }
    if (!report.warnings.empty()) {
        text += "\nWarnings:\n";
        for (const Warning& warning : report.warnings)
            text += "  " + std::string(kindName(warning.kind)) + ", " + placeText(warning.place) + ": " +
                    warning.text + "\n";
    }
    if (report.leftOut > 0)
        text += "\n" + std::to_string(report.leftOut) + " more lines, settings or warnings left out\n";
    return text;
}

std::string reportJson(const StartupReport& report) {
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
               ", \"why\": " + jsonString(line.why) + "}";
    });
    json += jsonArray("warnings", report.warnings, [](const Warning& warning) {
        return "{\"kind\": " + jsonString(kindName(warning.kind)) + ", " + placeFields(warning.place) +
               ", \"text\": " + jsonString(warning.text) + "}";
    });
    json += storedRateJson(report.storedRate);
    return json + "  \"leftOut\": " + std::to_string(report.leftOut) + "\n}\n";
}

} // namespace game
