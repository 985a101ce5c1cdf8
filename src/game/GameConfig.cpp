#include "game/GameConfig.h"

#include "files/AsciiCase.h"
#include "game/ScriptReader.h"

#include <algorithm>

namespace game {

std::vector<SettingCommand> settingCommands(std::string_view script) {
    std::vector<SettingCommand> found;
    ScriptReader reader(script);
    while (const ScriptCommand* command = reader.next()) {
        if (command->words.size() < 2)
            continue;
        found.push_back({files::toLowerAscii(command->words[0]), std::string(command->words[1]),
                         command->begin, command->end, command->wholeLine});
    }
    return found;
}

std::optional<SettingCommand> lastSetting(const std::vector<SettingCommand>& commands,
                                          std::string_view name) {
    const std::string lower = files::toLowerAscii(name);
    const auto last = std::ranges::find(commands.rbegin(), commands.rend(), lower, &SettingCommand::name);
    if (last == commands.rend())
        return std::nullopt;
    return *last;
}

} // namespace game
