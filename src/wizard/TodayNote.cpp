#include "wizard/TodayNote.h"

#include "game/RunPreview.h"
#include "game/TodayWords.h"
#include "game/TodaysGame.h"
#include "wizard/CoreWords.h"

#include <algorithm>
#include <optional>
#include <string>

namespace wizard {

namespace {

// The option that writes the game's own defaults, for a page whose choice costs something.
std::optional<std::string> defaultOption(const OptionGroup& group, const PageSpec& page) {
    const auto isDefault = [](const std::string& line) {
        const game::ConsoleLine parsed = game::parseLine(line);
        const game::Setting* setting = game::findSetting(parsed.name);
        return setting && !setting->defaultValue.value.empty() &&
               game::sameValue(parsed.value, setting->defaultValue.value);
    };
    using game::Phrase;
    constexpr Phrase Ordinals[] = {Phrase::DefaultIsFirstOption, Phrase::DefaultIsSecondOption,
                                   Phrase::DefaultIsThirdOption};
    const std::size_t count = group.options.size();
    for (std::size_t index = 0; index < count; ++index) {
        Answer choice;
        choice.option = group.options[index].tag;
        const Outcome outcome = page.lines(choice);
        if (!outcome.lines.empty() && std::ranges::all_of(outcome.lines, isDefault))
            return utf8WordsOf({index == count - 1 ? Phrase::DefaultIsLastOption
                                                   : Ordinals[std::min<std::size_t>(index, 2)]});
    }
    return std::nullopt;
}

} // namespace

QString todayNote(const PageSpec& page, const Answer& answer) {
    const Outcome outcome = page.lines(answer);
    if (!outcome.refusal.isEmpty())
        return {};
    std::vector<std::string> phrases = game::concerns(outcome.lines, programWording());
    if (phrases.empty())
        return {};
    const auto* group = std::get_if<OptionGroup>(&page.input);
    if (group && std::ranges::any_of(outcome.lines, game::costsThePlayer))
        if (const auto hint = defaultOption(*group, page))
            phrases.push_back(*hint);
    QString note;
    for (const std::string& sentence : phrases)
        note += (note.isEmpty() ? QString() : QStringLiteral(" ")) + QString::fromStdString(sentence);
    return note;
}

QString longestTodayNote(const PageSpec& page, const Answer& answer) {
    std::vector<Answer> answers{answer};
    if (std::holds_alternative<CheckBox>(page.input)) {
        answers.push_back(answer);
        answers.back().checked = !answer.checked;
    }
    if (const auto* group = std::get_if<OptionGroup>(&page.input))
        for (const Option& option : group->options) {
            answers.push_back(answer);
            answers.back().option = option.tag;
        }
    QString longest;
    for (const Answer& each : answers)
        if (const QString note = todayNote(page, each); note.size() > longest.size())
            longest = note;
    return longest;
}

} // namespace wizard
