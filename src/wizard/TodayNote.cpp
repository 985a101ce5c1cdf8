#include "wizard/TodayNote.h"

#include "game/RunPreview.h"
#include "game/TodaysGame.h"

#include <algorithm>

namespace wizard {

namespace {

// The option that writes the game's own defaults, for a page whose choice costs something.
QString defaultOption(const OptionGroup& group, const PageSpec& page) {
    const auto isDefault = [](const std::string& line) {
        const game::ConsoleLine parsed = game::parseLine(line);
        const game::Setting* setting = game::findSetting(parsed.name);
        return setting && !setting->defaultValue.empty() &&
               game::sameValue(parsed.value, setting->defaultValue);
    };
    const int count = static_cast<int>(group.options.size());
    for (int index = 0; index < count; ++index) {
        Answer choice;
        choice.option = group.options[index].tag;
        const Outcome outcome = page.lines(choice);
        if (!outcome.lines.empty() && std::ranges::all_of(outcome.lines, isDefault)) {
            static const char* const Ordinals[] = {"first", "second", "third"};
            const QString ordinal =
                index == count - 1 ? QStringLiteral("last") : QString(Ordinals[std::min(index, 2)]);
            return QStringLiteral("the game's own default is the %1 option").arg(ordinal);
        }
    }
    return {};
}

} // namespace

QString todayNote(const PageSpec& page, const Answer& answer) {
    const Outcome outcome = page.lines(answer);
    if (!outcome.refusal.isEmpty())
        return {};
    std::vector<std::string> phrases = game::concerns(outcome.lines);
    if (phrases.empty())
        return {};
    const auto* group = std::get_if<OptionGroup>(&page.input);
    if (group && std::ranges::any_of(outcome.lines, game::costsThePlayer))
        if (const QString hint = defaultOption(*group, page); !hint.isEmpty())
            phrases.push_back(hint.toStdString());
    QString note = QStringLiteral("In today's game:");
    for (std::size_t i = 0; i < phrases.size(); ++i)
        note += (i == 0 ? QStringLiteral(" ") : QStringLiteral("; ")) + QString::fromStdString(phrases[i]);
    return note + '.';
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
