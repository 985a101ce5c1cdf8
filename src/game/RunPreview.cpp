#include "game/RunPreview.h"

#include "game/TodayWords.h"
#include "game/TodaysGame.h"

#include "files/Text.h"

#include <algorithm>
#include <array>
#include <optional>

namespace game {

namespace {

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

enum Count { Takes, Changed, Without, Gone, Unknown, Counts };

Count countOf(const std::optional<Judged>& j) {
    if (!j)
        return Unknown;
    switch (j->verdict.fate) {
    case Fate::TakesEffect:
        return Takes;
    case Fate::Changed:
        return Changed;
    case Fate::Forced:
    case Fate::NoEffect:
    case Fate::Replaced:
    case Fate::RefusedInMultiplayer:
        return Without;
    case Fate::NotInGame:
        return Gone;
    }
    return Unknown;
}

Message countLine(const std::array<int, Counts>& counts, int lines) {
    std::vector<Argument> numbers{std::to_string(lines)};
    for (const int count : counts)
        numbers.emplace_back(std::to_string(count));
    return {counts[Unknown] > 0 ? Phrase::RunCountsUnknown : Phrase::RunCounts, std::move(numbers)};
}

// Each line of a run that holds something, with what today's game makes of it.
struct RunLine {
    std::string_view text;
    std::optional<Judged> judged;
    std::vector<Message> sentences;
};

std::vector<RunLine> linesOfRun(std::string_view runLines) {
    std::vector<RunLine> lines;
    for (std::size_t start = 0; start < runLines.size();) {
        const std::size_t end = std::min(runLines.find('\n', start), runLines.size());
        const std::string_view text = files::trimmed(runLines.substr(start, end - start));
        start = end + 1;
        if (text.empty())
            continue;
        const ConsoleLine line = parseLine(text);
        const auto j = judged(line);
        lines.push_back({text, j,
                         j ? todayMessages(*j->setting, j->verdict, line.value)
                           : std::vector<Message>{{Phrase::UnknownLine}}});
    }
    return lines;
}

} // namespace

ConsoleLine parseLine(std::string_view line) {
    line = files::trimmed(line);
    const std::size_t blank = line.find_first_of(" \t");
    ConsoleLine parsed{str(line.substr(0, blank)), {}};
    if (blank == std::string_view::npos)
        return parsed;
    std::string_view value = files::trimmed(line.substr(blank));
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

std::string wordedSentences(const std::vector<Message>& messages, const Wording& words) {
    std::string text;
    for (const Message& message : messages)
        text += (text.empty() ? "" : " ") + words(message);
    return text;
}

std::vector<std::string> concerns(const std::vector<std::string>& lines, const Wording& words) {
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
        if (j->verdict.fate != Fate::TakesEffect)
            add(words(fateMessage(*j->setting, j->verdict, line.value)));
        if (const auto cost = costMessage(*j->setting, j->verdict, line.value))
            add(words(*cost));
        if (const auto after = afterScriptsMessage(*j->setting))
            add(words(*after));
    }
    return phrases;
}

std::string previewOfRun(std::string_view runLines, std::string_view extraNote, const Wording& words) {
    std::array<int, Counts> counts{};
    std::string listed;
    const std::vector<RunLine> lines = linesOfRun(runLines);
    for (const RunLine& line : lines) {
        ++counts[countOf(line.judged)];
        listed += words({Phrase::Placed, {line.text, wordedSentences(line.sentences, words)}}) + '\n';
    }
    std::string preview = words(lines.empty() ? Message{Phrase::RunWroteNothing}
                                              : countLine(counts, static_cast<int>(lines.size())));
    preview += '\n';
    if (!extraNote.empty())
        preview += str(extraNote) + '\n';
    return preview + listed;
}

std::vector<ReviewedLine> reviewOfRun(std::string_view runLines, const Wording& words) {
    std::vector<ReviewedLine> review;
    for (const RunLine& line : linesOfRun(runLines)) {
        const Fate fate = line.judged ? line.judged->verdict.fate : Fate::TakesEffect;
        review.push_back({str(line.text), wordedSentences(line.sentences, words),
                          fate == Fate::NotInGame || fate == Fate::NoEffect || fate == Fate::Forced ||
                              fate == Fate::Replaced});
    }
    return review;
}

std::vector<std::string> concerns(const std::vector<std::string>& lines) {
    return concerns(lines, englishWording());
}

std::string previewOfRun(std::string_view runLines, std::string_view extraNote) {
    return previewOfRun(runLines, extraNote, englishWording());
}

std::vector<ReviewedLine> reviewOfRun(std::string_view runLines) {
    return reviewOfRun(runLines, englishWording());
}

} // namespace game
