#include "files/Utf8Path.h"
#include "registry/RegistryPlatform.h"

#include <array>
#include <cstring>
#include <filesystem>
#include <string_view>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

// The wide-character calls throughout: the ANSI ones would pass text through the ANSI code page,
// which holds few of the letters a folder's name may have.
namespace registry::platform {
namespace {

// In the order of Hive.
const std::array<HKEY, 6> PredefinedKeys{HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE,  HKEY_USERS,
                                         HKEY_DYN_DATA,     HKEY_CURRENT_CONFIG, HKEY_CLASSES_ROOT};

std::wstring wideFromUtf8(std::string_view text) {
    if (text.empty())
        return {};
    const int length =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

std::string utf8FromWide(std::wstring_view text) {
    if (text.empty())
        return {};
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                           nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), length, nullptr,
                        nullptr);
    return utf8;
}

bool isText(DWORD type) {
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

// The value's data as the ANSI call hands them over, with UTF-8 for the code page.
LSTATUS readValue(HKEY key, const std::wstring& name, std::string& data) {
    DWORD type = REG_NONE;
    DWORD size = 0;
    LSTATUS status = RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size);
    // The value may grow between learning its size and reading it.
    do {
        if (status != ERROR_SUCCESS && status != ERROR_MORE_DATA)
            return status;
        data.resize(size);
        status =
            RegQueryValueExW(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
    } while (status == ERROR_MORE_DATA);
    if (status != ERROR_SUCCESS)
        return status;
    data.resize(size);
    if (isText(type)) {
        std::wstring wide(size / sizeof(wchar_t), L'\0');
        std::memcpy(wide.data(), data.data(), wide.size() * sizeof(wchar_t));
        data = utf8FromWide(wide);
    }
    return ERROR_SUCCESS;
}

} // namespace

StoredRead readStoredValue(Hive hive, const std::string& keyPath, const std::string& valueName,
                           const std::filesystem::path&) {
    HKEY key = nullptr;
    const LSTATUS opened = RegOpenKeyExW(PredefinedKeys[static_cast<std::size_t>(hive)],
                                         wideFromUtf8(keyPath).c_str(), 0, KEY_QUERY_VALUE, &key);
    if (opened != ERROR_SUCCESS)
        return {opened, StatusOk, {}};
    StoredRead stored;
    stored.valueStatus = readValue(key, wideFromUtf8(valueName), stored.data);
    const LSTATUS closed = RegCloseKey(key);
    if (stored.valueStatus == ERROR_SUCCESS)
        stored.valueStatus = closed;
    return stored;
}

std::string readIniString(const std::string& file, const std::string& section, const std::string& key,
                          const std::string& fallback) {
    // A bare file name would be looked for in the Windows folder, not where the existence test found it.
    std::error_code error;
    const std::filesystem::path given = files::pathFromUtf8(file);
    const std::filesystem::path absolute = std::filesystem::absolute(given, error);
    std::array<wchar_t, IniBufferSize> buffer{};
    const DWORD copied = GetPrivateProfileStringW(
        wideFromUtf8(section).c_str(), wideFromUtf8(key).c_str(), wideFromUtf8(fallback).c_str(),
        buffer.data(), static_cast<DWORD>(buffer.size()), (error ? given : absolute).c_str());
    return utf8FromWide(std::wstring_view(buffer.data(), copied));
}

} // namespace registry::platform
