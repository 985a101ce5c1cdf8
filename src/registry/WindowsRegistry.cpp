#include "RegistryPlatform.h"

#include <array>
#include <filesystem>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace registry::platform {
namespace {

// In the order of Hive.
const std::array<HKEY, 6> PredefinedKeys{HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE,  HKEY_USERS,
                                         HKEY_DYN_DATA,     HKEY_CURRENT_CONFIG, HKEY_CLASSES_ROOT};

} // namespace

std::int32_t readFromKey(Hive hive, const std::string& keyPath, const std::string& valueName,
                         const ValueReader& read) {
    HKEY key = nullptr;
    const LSTATUS opened = RegOpenKeyExA(PredefinedKeys[static_cast<std::size_t>(hive)], keyPath.c_str(), 0,
                                         KEY_QUERY_VALUE, &key);
    if (opened != ERROR_SUCCESS)
        return opened;
    const std::int32_t status = read([&](char* data, std::uint32_t& size) -> std::int32_t {
        DWORD dataSize = size;
        const LSTATUS queried = RegQueryValueExA(key, valueName.c_str(), nullptr, nullptr,
                                                 reinterpret_cast<BYTE*>(data), &dataSize);
        size = dataSize;
        return queried;
    });
    const LSTATUS closed = RegCloseKey(key);
    return status != ERROR_SUCCESS ? status : closed;
}

std::string readIniString(const std::string& file, const std::string& section, const std::string& key,
                          const std::string& fallback) {
    // A bare file name would be looked for in the Windows folder, not where the existence test found it.
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(file, error);
    const std::string path = error ? file : absolute.string();
    std::array<char, IniBufferSize> buffer{};
    const DWORD copied =
        GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), buffer.data(),
                                 static_cast<DWORD>(buffer.size()), path.c_str());
    return std::string(buffer.data(), copied);
}

} // namespace registry::platform
