#pragma once

#include "game/StartupReport.h"

#include <cstddef>
#include <deque>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The report's bookkeeping while start-up runs: the value each variable holds and the lines it replaced,
// the lines that never take effect, and the warnings, each list stopping at its limit and counting the
// rest, so that a hostile folder cannot fill the memory.
namespace game {

class SettingsLedger {
public:
    explicit SettingsLedger(StartupReport& report) : m_report(report) {}

    // order: when the command ran, counted from 1.
    void set(const std::string& name, std::string_view value, const ScriptPlace& place,
             std::string_view command, std::size_t order);
    void ineffective(std::size_t order, const ScriptPlace& place, std::string_view command, Message why);
    void warn(WarningKind kind, const ScriptPlace& place, Message text);

    // Fills the report's settings and lines that never take effect.
    void finish();

private:
    struct Variable {
        std::string value;
        ScriptPlace place;
        std::string command;
        std::size_t order = 0;
        std::deque<EarlierValue> overridden;
        std::size_t overriddenLeftOut = 0;
    };
    struct Entry {
        std::size_t order;
        std::string variable; // set again: dropped when this very line holds the value at the end
        IneffectiveLine line;
    };

    // why: the reason, or "set again by" the place setBy.
    void listIneffective(std::size_t order, const std::string& variable, const ScriptPlace& place,
                         std::string_view command, Message why);
    void report(const std::string& name, Variable variable);

    StartupReport& m_report;
    std::unordered_map<std::string, Variable> m_variables;
    std::size_t m_overriddenKept = 0; // in all variables
    std::vector<Entry> m_ineffective;
    std::map<std::string, std::size_t> m_listed; // a line's key, its place in m_ineffective
};

} // namespace game
