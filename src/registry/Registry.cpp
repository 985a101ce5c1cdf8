#include "registry/Registry.h"

#include "files/AsciiCase.h"
#include "files/Utf8Path.h"
#include "registry/RegistryPlatform.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <utility>

namespace registry {
namespace {

constexpr std::array<std::pair<std::string_view, Hive>, 6> HiveNames{{
    {"HKCU", Hive::CurrentUser},
    {"HKLM", Hive::LocalMachine},
    {"HKU", Hive::Users},
    {"HKDD", Hive::DynData},
    {"HKCC", Hive::CurrentConfig},
    {"HKCR", Hive::ClassesRoot},
}};

// The default as the settings-file reader's fallback text, converted as the old reader's
// variants were.
std::string textOf(const RegValue& value) {
    if (const auto* text = std::get_if<std::string>(&value))
        return *text;
    if (const auto* flag = std::get_if<bool>(&value))
        return *flag ? "True" : "False";
    return std::to_string(std::get<std::int32_t>(value));
}

std::string untilZero(std::string text) {
    text.resize(std::min(text.find('\0'), text.size()));
    return text;
}

// Up to sizeof(Number) bytes fill the number from its low end; a longer value fails with
// ErrorMoreData, whatever its kind.
template <typename Number> std::optional<Number> numberOf(const std::string& data) {
    if (data.size() > sizeof(Number))
        return std::nullopt;
    Number number = 0;
    std::memcpy(&number, data.data(), data.size());
    return number;
}

// The type codes' rules, the same for every store.
std::int32_t interpret(const std::string& typeCode, const platform::StoredRead& stored, RegValue& output) {
    if (stored.keyStatus != StatusOk)
        return stored.keyStatus;
    if (typeCode != "S" && typeCode != "B" && typeCode != "D")
        return StatusOk;
    if (stored.valueStatus != StatusOk)
        return stored.valueStatus;
    if (typeCode == "S") {
        // No data at all, not even the terminating zero: the default stays.
        if (!stored.data.empty())
            output = untilZero(stored.data.substr(0, stored.data.size() - 1));
        return StatusOk;
    }
    if (typeCode == "B") {
        const auto flag = numberOf<std::int16_t>(stored.data);
        if (flag)
            output = *flag != 0;
        return flag ? StatusOk : ErrorMoreData;
    }
    const auto number = numberOf<std::int32_t>(stored.data);
    if (number)
        output = *number;
    return number ? StatusOk : ErrorMoreData;
}

} // namespace

std::optional<HiveHandle> GetHiveHandle(const std::string& hiveName) {
    const std::string upper = files::toUpperAscii(hiveName);
    for (const auto& [name, hive] : HiveNames) {
        if (upper == name)
            return HiveHandle{hive, {}};
    }
    std::error_code error;
    if (std::filesystem::is_regular_file(files::pathFromUtf8(hiveName), error))
        return HiveHandle{std::nullopt, hiveName};
    return std::nullopt;
}

std::int32_t ReadRegValue(const std::string& hiveName, const std::string& keyPath,
                          const std::string& valueName, const std::string& typeCode, RegValue defaultValue,
                          RegValue& output, const std::filesystem::path& winePrefix) {
    output = defaultValue;
    const std::optional<HiveHandle> handle = GetHiveHandle(hiveName);
    if (!handle)
        return StatusUnrecognisedHive;
    const std::string code = files::toUpperAscii(typeCode);
    if (!handle->hive) {
        if (code == "S")
            output =
                untilZero(platform::readIniString(handle->iniFile, keyPath, valueName, textOf(defaultValue)));
        return StatusOk;
    }
    return interpret(code, platform::readStoredValue(*handle->hive, keyPath, valueName, winePrefix), output);
}

} // namespace registry
