#include "game/RunPreview.h"

#include "game/TodaysGame.h"

#include <algorithm>
#include <array>
#include <optional>

namespace game {

namespace {

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

struct Judged {
    const Setting* setting;
    Verdict verdict;
};

std::optional<Judged> judged(const ConsoleLine& line) {
    const Setting* setting = findSetting(line.name);
    if (!setting)
        return std::nullopt;
    return Judged{setting, judge(*setting, line.value)};
}

std::string str(std::string_view text) {
    return std::string(text);
}

// What the game makes of the line, in a page's words; empty when it takes the line as written.
std::string fatePhrase(const ConsoleLine& line, const Judged& j) {
    switch (j.verdict.fate) {
    case Fate::NotInGame:
        return line.name + " (" + str(j.setting->gone) + "): " + str(j.setting->today);
    case Fate::Forced:
        return line.name + " is forced to " + str(j.setting->forced) + " by the game";
    case Fate::NoEffect:
        return line.name + ": " + str(j.setting->today);
    case Fate::Clamped:
        return (j.verdict.multiplayerOnly ? "in multiplayer " : "") + std::string("the game uses ") +
               j.verdict.gameUses + " for " + line.name + ", not " + line.value;
    case Fate::TakesEffect:
        break;
    }
    return {};
}

// The same in the preview's words, one for every line.
std::string fateOfLine(const Judged& j) {
    switch (j.verdict.fate) {
    case Fate::NotInGame:
        return "not in today's game";
    case Fate::Forced:
        return "forced to " + str(j.setting->forced) + " by the game";
    case Fate::NoEffect:
        return str(j.setting->today);
    case Fate::Clamped:
        return "the game uses " + j.verdict.gameUses + (j.verdict.multiplayerOnly ? " in multiplayer" : "");
    case Fate::TakesEffect:
        break;
    }
    return "takes effect";
}

enum Count { Takes, Changed, Without, Gone, Unknown, Counts };

Count countOf(const std::optional<Judged>& j) {
    if (!j)
        return Unknown;
    switch (j->verdict.fate) {
    case Fate::TakesEffect:
        return Takes;
    case Fate::Clamped:
        return Changed;
    case Fate::Forced:
    case Fate::NoEffect:
        return Without;
    case Fate::NotInGame:
        return Gone;
    }
    return Unknown;
}

std::string countLine(const std::array<int, Counts>& counts, int lines) {
    std::string text = std::to_string(lines) + (lines == 1 ? " line: " : " lines: ");
    text += std::to_string(counts[Takes]) + (counts[Takes] == 1 ? " takes effect, " : " take effect, ");
    text += std::to_string(counts[Changed]) + " changed by the game, ";
    text += std::to_string(counts[Without]) + " without effect, ";
    text += std::to_string(counts[Gone]) + " not in today's game";
    if (counts[Unknown] > 0)
        text += ", " + std::to_string(counts[Unknown]) + " unknown to Zentrimo";
    return text;
}

} // namespace

ConsoleLine parseLine(std::string_view line) {
    line = trimmed(line);
    const std::size_t blank = line.find_first_of(" \t");
    ConsoleLine parsed{str(line.substr(0, blank)), {}};
    if (blank == std::string_view::npos)
        return parsed;
    std::string_view value = trimmed(line.substr(blank));
    if (value.size() >= 2 && value.front() == '"') {
        value.remove_prefix(1);
        value = value.substr(0, value.find('"'));
    }
    parsed.value = str(value);
    return parsed;
}

bool costsThePlayer(const std::string& line) {
    const auto j = judged(parseLine(line));
    return j && j->verdict.risky;
}

std::vector<std::string> concerns(const std::vector<std::string>& lines) {
    std::vector<std::string> phrases;
    const auto add = [&phrases](std::string phrase) {
        if (!phrase.empty() && std::ranges::find(phrases, phrase) == phrases.end())
            phrases.push_back(std::move(phrase));
    };
    for (const std::string& text : lines) {
        const ConsoleLine line = parseLine(text);
        const auto j = judged(line);
        if (!j)
            continue;
        add(fatePhrase(line, *j));
        if (j->verdict.risky)
            add(str(j->setting->risk.text));
    }
    return phrases;
}

std::string previewOfRun(std::string_view runLines, std::string_view extraNote) {
    std::array<int, Counts> counts{};
    std::string listed;
    int lines = 0;
    for (std::size_t start = 0; start < runLines.size();) {
        const std::size_t end = std::min(runLines.find('\n', start), runLines.size());
        const std::string_view text = trimmed(runLines.substr(start, end - start));
        start = end + 1;
        if (text.empty())
            continue;
        const auto j = judged(parseLine(text));
        ++lines;
        ++counts[countOf(j)];
        listed += str(text) + ": " + (j ? fateOfLine(*j) : "unknown to Zentrimo");
        if (j && j->verdict.risky)
            listed += "; " + str(j->setting->risk.text);
        listed += '\n';
    }
    std::string preview = lines == 0 ? "This run wrote no lines." : countLine(counts, lines);
    preview += '\n';
    if (!extraNote.empty())
        preview += str(extraNote) + '\n';
    return preview + listed;
}

} // namespace game
