#include "registry/Registry.h"

#include "files/AsciiCase.h"
#include "files/Utf8Path.h"
#include "registry/RegistryPlatform.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <exception>
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

// The two install paths the start window asks for, and where else they may be recorded.
struct InstallKey {
    std::string_view key;
    // Where 32-bit installers' machine-wide keys land on 64-bit Windows and in a 64-bit Wine prefix.
    std::string_view machineKey32;
    bool onSteam;
};

constexpr std::string_view InstallPathName = "InstallPath";
constexpr std::array<InstallKey, 2> InstallKeys{{
    {"Software\\valve\\half-life", "Software\\Wow6432Node\\valve\\half-life", true},
    // The retail edition: Steam's Half-Life is not it.
    {"Software\\valve\\counterstrike", "Software\\Wow6432Node\\valve\\counterstrike", false},
}};

const InstallKey* installKeyOf(const std::string& keyPath, const std::string& valueName) {
    if (!files::equalsIgnoringCase(valueName, InstallPathName))
        return nullptr;
    const auto found = std::ranges::find_if(InstallKeys, [&](const InstallKey& install) {
        return files::equalsIgnoringCase(keyPath, install.key);
    });
    return found == InstallKeys.end() ? nullptr : &*found;
}

// The install path where the current user's key lacks it: the machine-wide key (as 64-bit, then as
// 32-bit programs see it), then for the Steam edition the Steam installs. Nothing when none has it.
std::optional<std::int32_t> readInstallPathElsewhere(const InstallKey& install, const std::string& typeCode,
                                                     const std::string& valueName, RegValue& output) {
    for (std::string_view machineKey : {install.key, install.machineKey32}) {
        const auto stored = platform::readStoredValue(Hive::LocalMachine, std::string(machineKey), valueName);
        if (interpret(typeCode, stored, output) == StatusOk)
            return StatusOk;
    }
    std::optional<std::string> folder;
    try {
        folder = install.onSteam ? platform::findSteamHalfLife() : std::nullopt;
    } catch (const std::exception&) { // no error of the search reaches the caller; it finds nothing
    }
    if (!folder)
        return std::nullopt;
    return interpret(typeCode, {StatusOk, StatusOk, *folder + '\0'}, output);
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
                          RegValue& output) {
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
    const std::int32_t status =
        interpret(code, platform::readStoredValue(*handle->hive, keyPath, valueName), output);
    const InstallKey* install = installKeyOf(keyPath, valueName);
    if (status == StatusOk || *handle->hive != Hive::CurrentUser || !install)
        return status;
    return readInstallPathElsewhere(*install, code, valueName, output).value_or(status);
}

} // namespace registry
