#pragma once

#include "registry/Registry.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// What ReadRegValue needs from the platform: the Windows API, or a stand-in without it.
namespace registry::platform {

// What the platform holds of one value: the error from opening the key (or reading the file that
// keeps it), else the value's own error, else its data as stored: text kinds as UTF-8 with their
// terminating zero, numbers in little-endian bytes.
struct StoredRead {
    std::int32_t keyStatus = StatusOk;
    std::int32_t valueStatus = StatusOk;
    std::string data;
};

StoredRead readStoredValue(Hive hive, const std::string& keyPath, const std::string& valueName,
                           const std::filesystem::path& winePrefix);

inline constexpr std::size_t IniBufferSize = 255;

// The text GetPrivateProfileStringA copies into a buffer of IniBufferSize characters; file, names
// and text in UTF-8.
std::string readIniString(const std::string& file, const std::string& section, const std::string& key,
                          const std::string& fallback);

} // namespace registry::platform
