// config.cfg's reader and the saved values' record on any text: every line config.cfg gives can be
// recorded and read back, a record read back is the bytes it was read from, and
// giving the player's own lines back over themselves changes no byte.
#include "game/GameConfig.h"
#include "workspace/SavedValues.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (const game::SettingCommand& command : game::settingCommands(text))
        if (command.begin > command.end || command.end > text.size())
            std::abort();
    if (const auto record = workspace::parseRecord(text); record && workspace::recordText(*record) != text)
        std::abort();
    const auto own = workspace::recordAfterApplying({}, text, text);
    if (workspace::parseRecord(workspace::recordText(own)) != own ||
        workspace::configGivenBack(text, own) != text)
        std::abort();
    const std::vector<workspace::SavedValue> record{{"gamma", "gamma \"2.5\"", "4"},
                                                    {"rate", std::nullopt, "25000"},
                                                    {"m_filter", "m_filter\t\"0;\" ", "1"}};
    const std::string givenBack = workspace::configGivenBack(text, record);
    const auto again = workspace::recordAfterApplying(record, text, givenBack);
    if (again.size() < record.size())
        std::abort();
    return 0;
}
