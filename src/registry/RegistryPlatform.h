#pragma once

#include "Registry.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// What ReadRegValue needs from the platform: the Windows API, or a stand-in without it.
namespace registry::platform {

// Behaves like RegQueryValueExA on the opened key's value, with UTF-8 for the ANSI code page:
// copies the data when size is enough, else answers ErrorMoreData; either way size becomes the
// data's size. Text kinds come as 8-bit text with their terminating zero, numbers as stored.
using ValueQuery = std::function<std::int32_t(char* data, std::uint32_t& size)>;
using ValueReader = std::function<std::int32_t(const ValueQuery& query)>;

// Opens keyPath under the hive for reading values, lets read query valueName, and closes the
// key. Returns the error from opening, else read's error, else the result of closing.
std::int32_t readFromKey(Hive hive, const std::string& keyPath, const std::string& valueName,
                         const ValueReader& read);

// A ValueQuery's answer for a value whose data are stored.
inline std::int32_t answerQuery(std::string_view stored, char* data, std::uint32_t& size) {
    const bool fits = stored.size() <= size;
    if (fits)
        std::ranges::copy(stored, data);
    size = static_cast<std::uint32_t>(stored.size());
    return fits ? StatusOk : ErrorMoreData;
}

inline constexpr std::size_t IniBufferSize = 255;

// The text GetPrivateProfileStringA copies into a buffer of IniBufferSize characters; file, names
// and text in UTF-8.
std::string readIniString(const std::string& file, const std::string& section, const std::string& key,
                          const std::string& fallback);

} // namespace registry::platform
