#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// config.cfg as the game reads it (game/ScriptReader.h), for the lines that set a variable: a variable
// takes the first word after its name.
namespace game {

struct SettingCommand {
    std::string name;  // lower case
    std::string value; // without its quotes
    std::size_t begin; // the command's bytes in the file, blanks around it left out
    std::size_t end;
    bool wholeLine; // nothing else but blanks and the line end on its line
};

// Every command of two words or more, in file order.
std::vector<SettingCommand> settingCommands(std::string_view script);

// The command that sets name last (the one whose value holds once the file has run).
std::optional<SettingCommand> lastSetting(const std::vector<SettingCommand>& commands, std::string_view name);

} // namespace game
