#pragma once

#include "workspace/FileSteps.h"

#include <optional>
#include <string>
#include <vector>

namespace workspace {

// The game saves some variables into config.cfg whenever it quits, so the values a run applied outlast
// Uninstall there. Before they are applied, the player's own lines are recorded
// (zentrimo-config.before), and Uninstall puts them back where the game kept the applied value.

struct SavedValue {
    std::string name; // lower case, as the game saves it
    // The player's line in config.cfg as it stood, without its line end (only the command when others
    // share its line); nothing when config.cfg set none.
    std::optional<std::string> before;
    std::string applied; // the value the last apply set
    bool operator==(const SavedValue&) const = default;
};

// The record's bytes: a format line, then one line a variable: name, then "line" or absent, then
// "applied value", with '%', '"' and control bytes written as %XX.
std::string recordText(const std::vector<SavedValue>& values);
// The record as written by recordText, or by earlier versions (name "value" "applied" lines, without
// escapes); else nothing: it was changed by someone else.
std::optional<std::vector<SavedValue>> parseRecord(const std::string& bytes);

// The record after applying runLines over config: a variable recorded before keeps its first line.
std::vector<SavedValue> recordAfterApplying(std::vector<SavedValue> record, const std::string& runLines,
                                            const std::string& config);

// config with the player's lines back for every variable that still holds what was applied (or what
// the game made of it); every other byte as it was.
std::string configGivenBack(const std::string& config, const std::vector<SavedValue>& record);

} // namespace workspace
