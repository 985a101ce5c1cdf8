#include "Registry.h"

#include "RegistryPlatform.h"
#include "TextCase.h"
#include "Utf8Path.h"

#include <algorithm>
#include <array>
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

// Two steps: ask with no room to learn the size, then read into a buffer of exactly that size.
std::int32_t readString(const platform::ValueQuery& query, RegValue& output) {
    char probe = 0;
    std::uint32_t size = 0;
    std::int32_t status = query(&probe, size);
    std::string buffer;
    if (status == ErrorMoreData) {
        buffer.resize(size);
        status = query(buffer.data(), size);
    }
    // No data at all, not even the terminating zero: the default stays and the status is kept.
    if (status != StatusOk || size == 0)
        return status;
    buffer.resize(size - 1);
    output = untilZero(std::move(buffer));
    return status;
}

// A value longer than the number fails with ErrorMoreData, whatever its kind.
template <typename Number, typename Convert>
std::int32_t readNumber(const platform::ValueQuery& query, RegValue& output, Convert convert) {
    Number number = 0;
    std::uint32_t size = sizeof(Number);
    const std::int32_t status = query(reinterpret_cast<char*>(&number), size);
    if (status == StatusOk)
        output = convert(number);
    return status;
}

std::int32_t readTyped(const std::string& typeCode, const platform::ValueQuery& query, RegValue& output) {
    if (typeCode == "S")
        return readString(query, output);
    if (typeCode == "B")
        return readNumber<std::int16_t>(query, output, [](std::int16_t flag) { return flag != 0; });
    if (typeCode == "D")
        return readNumber<std::int32_t>(query, output, [](std::int32_t number) { return number; });
    return StatusOk;
}

} // namespace

std::optional<HiveHandle> GetHiveHandle(const std::string& hiveName) {
    const std::string upper = toUpperAscii(hiveName);
    for (const auto& [name, hive] : HiveNames) {
        if (upper == name)
            return HiveHandle{hive, {}};
    }
    std::error_code error;
    if (std::filesystem::is_regular_file(pathFromUtf8(hiveName), error))
        return HiveHandle{std::nullopt, hiveName};
    return std::nullopt;
}

std::int32_t ReadRegValue(const std::string& hiveName, const std::string& keyPath,
                          const std::string& valueName, const std::string& typeCode, RegValue defaultValue,
                          RegValue& output) {
    output = defaultValue;
    const std::optional<HiveHandle> handle = GetHiveHandle(hiveName);
    if (!handle)
        return StatusUnrecognisedHive;
    const std::string code = toUpperAscii(typeCode);
    if (!handle->hive) {
        if (code == "S")
            output =
                untilZero(platform::readIniString(handle->iniFile, keyPath, valueName, textOf(defaultValue)));
        return StatusOk;
    }
    return platform::readFromKey(*handle->hive, keyPath, valueName, [&](const platform::ValueQuery& query) {
        return readTyped(code, query, output);
    });
}

} // namespace registry
