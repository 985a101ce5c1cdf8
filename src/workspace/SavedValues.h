#pragma once

#include "workspace/FileSteps.h"

#include <optional>
#include <string>
#include <vector>

namespace workspace {

// The game saves some variables into config.cfg whenever it quits, so the values a run applied outlast
// Uninstall there. Before they are applied, the player's own values are recorded
// (zentrimo-config.before), and Uninstall gives them back where the game kept the applied value.

struct SavedValue {
    std::string name;                  // lower case, as the game saves it
    std::optional<std::string> before; // the player's value; nothing when config.cfg set none
    std::string applied;               // the value the last apply set
};

// The record's bytes, one line a variable: name, then "value" or absent, then "applied value".
std::string recordText(const std::vector<SavedValue>& values);
// The record as written by recordText, else nothing: it was changed by someone else.
std::optional<std::vector<SavedValue>> parseRecord(const std::string& bytes);

// The record after applying runLines over config: a variable recorded before keeps its first value.
std::vector<SavedValue> recordAfterApplying(std::vector<SavedValue> record, const std::string& runLines,
                                            const std::string& config);

// config with the player's values back for every variable that still holds what was applied (or what
// the game made of it); every other byte as it was.
std::string configGivenBack(const std::string& config, const std::vector<SavedValue>& record);

} // namespace workspace
