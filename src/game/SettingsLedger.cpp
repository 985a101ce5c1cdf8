#include "game/SettingsLedger.h"

#include "game/TodayWords.h"

#include <algorithm>

namespace game {

namespace {

constexpr std::size_t MaxListed = 1000;
constexpr std::size_t MaxOverridden = 32;
constexpr std::size_t MaxVariables = 4096;
constexpr std::size_t MaxOverriddenInAll = 16384; // values, up to 514 bytes each

bool samePlace(const ScriptPlace& a, const ScriptPlace& b) {
    return a.file == b.file && a.line == b.line;
}

} // namespace

void SettingsLedger::set(const std::string& name, std::string_view value, const ScriptPlace& place,
                         std::string_view command, std::size_t order) {
    auto found = m_variables.find(name);
    if (found == m_variables.end()) {
        if (m_variables.size() == MaxVariables) {
            ++m_report.leftOut;
            return;
        }
        found = m_variables.emplace(name, Variable{}).first;
    } else if (Variable& earlier = found->second;
               !samePlace(earlier.place, place) || earlier.command != command) {
        // A line run again (its file exec'd twice) replaces nothing but itself.
        listIneffective(earlier.order, name, earlier.place, earlier.command,
                        {Phrase::WhySetAgain, {placeWords(place)}});
        if (earlier.overridden.size() == MaxOverridden ||
            (m_overriddenKept == MaxOverriddenInAll && !earlier.overridden.empty())) {
            earlier.overridden.pop_front();
            --m_overriddenKept;
            ++earlier.overriddenLeftOut;
        }
        if (m_overriddenKept < MaxOverriddenInAll) {
            earlier.overridden.push_back({earlier.place, earlier.value});
            ++m_overriddenKept;
        } else {
            ++earlier.overriddenLeftOut;
        }
    }
    Variable& variable = found->second;
    variable.value = value;
    variable.place = place;
    variable.command = command;
    variable.order = order;
    if (name == "cl_filterstuffcmd" && sameValue(value, "0"))
        warn(WarningKind::Tampering, place, {Phrase::WarnFilterStuffCmd, {command}});
}

void SettingsLedger::ineffective(std::size_t order, const ScriptPlace& place, std::string_view command,
                                 Message why) {
    listIneffective(order, {}, place, command, std::move(why));
}

// The same line set again on more than one run is listed once, from its first run.
void SettingsLedger::listIneffective(std::size_t order, const std::string& variable, const ScriptPlace& place,
                                     std::string_view command, Message why) {
    // Once the list is full, a line is counted without looking whether it is listed already.
    if (m_ineffective.size() == MaxListed) {
        ++m_report.leftOut;
        return;
    }
    const std::string key =
        variable + '\n' + place.file + '\n' + std::to_string(place.line) + '\n' + std::string(command);
    if (const auto listed = m_listed.find(key); listed != m_listed.end()) {
        m_ineffective[listed->second].line.why = std::move(why);
        return;
    }
    m_listed.emplace(key, m_ineffective.size());
    m_ineffective.push_back({order, variable, {place, std::string(command), std::move(why)}});
}

void SettingsLedger::warn(WarningKind kind, const ScriptPlace& place, Message text) {
    if (m_report.warnings.size() == MaxListed) {
        ++m_report.leftOut;
        return;
    }
    m_report.warnings.push_back({kind, place, std::move(text)});
}

void SettingsLedger::finish() {
    // A line that holds its variable's value at the end takes effect, however often it was set again.
    std::erase_if(m_ineffective, [&](const Entry& entry) {
        const auto holding = m_variables.find(entry.variable);
        return holding != m_variables.end() && samePlace(holding->second.place, entry.line.place) &&
               holding->second.command == entry.line.command;
    });
    m_listed.clear();
    std::vector<std::pair<std::string, Variable>> byName(std::make_move_iterator(m_variables.begin()),
                                                         std::make_move_iterator(m_variables.end()));
    std::ranges::sort(byName, {}, &std::pair<std::string, Variable>::first);
    for (auto& [name, variable] : byName)
        report(name, std::move(variable));
    std::ranges::stable_sort(m_ineffective, {}, &Entry::order);
    for (Entry& entry : m_ineffective)
        m_report.ineffective.push_back(std::move(entry.line));
}

void SettingsLedger::report(const std::string& name, Variable variable) {
    VariableSetting setting{name,
                            std::move(variable.value),
                            variable.place,
                            {std::make_move_iterator(variable.overridden.begin()),
                             std::make_move_iterator(variable.overridden.end())},
                            variable.overriddenLeftOut,
                            findSetting(name),
                            std::nullopt};
    if (setting.row) {
        setting.verdict = judge(*setting.row, setting.value);
        if (const auto why = neverTakesEffect(*setting.row, *setting.verdict, setting.value))
            listIneffective(variable.order, {}, setting.place, variable.command, *why);
        if (const auto cost = costMessage(*setting.row, *setting.verdict, setting.value))
            warn(WarningKind::Cost, setting.place, *cost);
    }
    m_report.settings.push_back(std::move(setting));
}

} // namespace game
