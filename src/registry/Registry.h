#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <variant>

namespace registry {

using RegValue = std::variant<std::string, bool, std::int32_t>;

inline constexpr std::int32_t StatusOk = 0;
inline constexpr std::int32_t StatusUnrecognisedHive = 99;
// The platform's codes (the same numbers in Windows and in the stand-in without it). The stand-in
// answers the last four when a registry file cannot be read; it never waits for one.
inline constexpr std::int32_t ErrorFileNotFound = 2;
inline constexpr std::int32_t ErrorMoreData = 234;
inline constexpr std::int32_t ErrorAccessDenied = 5;
inline constexpr std::int32_t ErrorFileTooLarge = 223;
inline constexpr std::int32_t ErrorCantOpen = 1011; // no regular file: a FIFO, device, socket or folder
inline constexpr std::int32_t ErrorCantRead = 1012;

enum class Hive { CurrentUser, LocalMachine, Users, DynData, CurrentConfig, ClassesRoot };

// A hive name resolves to a predefined hive, or (when it names an existing file) to an
// INI-style settings file; nothing when it is neither.
struct HiveHandle {
    std::optional<Hive> hive;
    std::string iniFile; // set when hive is empty
};

std::optional<HiveHandle> GetHiveHandle(const std::string& hiveName);

// Reads one value. output receives defaultValue at once and is overwritten only when a value
// is read. Type codes "S" (text), "B" (Boolean from two bytes), "D" (32-bit number); hive names,
// type codes, key paths and value names are matched without regard to case. Text ends at its first
// zero, as callers of the Windows API see it.
// Returns 0, 99 for an unrecognised hive, or the platform's error code (2: not found).
// Without the Windows registry, the hives are the files of the Wine prefix winePrefix (none when empty).
std::int32_t ReadRegValue(const std::string& hiveName, const std::string& keyPath,
                          const std::string& valueName, const std::string& typeCode, RegValue defaultValue,
                          RegValue& output, const std::filesystem::path& winePrefix);

} // namespace registry
