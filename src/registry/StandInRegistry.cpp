// A build without the Windows registry reads Wine's registry files, then a native Steam install.
#include "IniFile.h"
#include "RegistryPlatform.h"
#include "SteamLibrary.h"
#include "StoredKey.h"
#include "WineRegistryFile.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace registry::platform {
namespace {

constexpr std::string_view HalfLifeKey = "Software\\valve\\half-life";
constexpr std::string_view InstallPathName = "InstallPath";

// One place keys are kept: the key's values, or nothing when it holds no such key.
using Store = std::function<std::optional<StoredKey>(Hive hive, std::string_view keyPath)>;

struct Lookup {
    bool keyFound = false;
    std::optional<std::string> data;
};

// Stops at the first store that holds the value, so earlier stores win and later ones are
// asked only when needed.
Lookup lookUp(const std::vector<Store>& stores, Hive hive, std::string_view keyPath,
              std::string_view valueName) {
    Lookup lookup;
    for (const Store& store : stores) {
        const std::optional<StoredKey> key = store(hive, keyPath);
        if (!key)
            continue;
        lookup.keyFound = true;
        if (const StoredValue* value = findValue(*key, valueName)) {
            lookup.data = value->data;
            break;
        }
    }
    return lookup;
}

// HKCU from user.reg and HKLM from system.reg; other hives hold nothing.
Store wineStore(std::filesystem::path prefix) {
    return [prefix = std::move(prefix)](Hive hive, std::string_view keyPath) -> std::optional<StoredKey> {
        if (hive != Hive::CurrentUser && hive != Hive::LocalMachine)
            return std::nullopt;
        std::ifstream file(prefix / (hive == Hive::CurrentUser ? "user.reg" : "system.reg"),
                           std::ios::binary);
        return file ? wine::readKey(file, keyPath) : std::nullopt;
    };
}

// Only Half-Life's InstallPath: Counter-Strike's own key has no Steam counterpart.
std::optional<StoredKey> steamKey(Hive hive, std::string_view keyPath) {
    if (hive != Hive::CurrentUser || !equalsIgnoringCase(keyPath, HalfLifeKey))
        return std::nullopt;
    const std::optional<std::string> path = steam::findHalfLifeInstallPath(steam::searchFromEnvironment());
    if (!path)
        return std::nullopt;
    return StoredKey{{std::string(InstallPathName), *path + '\0'}};
}

// $WINEPREFIX, else ~/.wine, then native Steam.
std::vector<Store> storesFromEnvironment() {
    const char* prefix = std::getenv("WINEPREFIX");
    const char* home = std::getenv("HOME");
    std::filesystem::path winePrefix;
    if (prefix && *prefix)
        winePrefix = prefix;
    else if (home && *home)
        winePrefix = std::filesystem::path(home) / ".wine";
    std::vector<Store> stores;
    if (!winePrefix.empty())
        stores.push_back(wineStore(winePrefix));
    stores.push_back(steamKey);
    return stores;
}

} // namespace

// Keys are read whole when opened, so there is nothing to close.
std::int32_t readFromKey(Hive hive, const std::string& keyPath, const std::string& valueName,
                         const ValueReader& read) {
    const Lookup found = lookUp(storesFromEnvironment(), hive, keyPath, valueName);
    if (!found.keyFound)
        return ErrorFileNotFound;
    return read([&](char* data, std::uint32_t& size) -> std::int32_t {
        return found.data ? answerQuery(*found.data, data, size) : ErrorFileNotFound;
    });
}

std::string readIniString(const std::string& file, const std::string& section, const std::string& key,
                          const std::string& fallback) {
    std::ifstream stream(file, std::ios::binary);
    return ini::readProfileString(stream, section, key, fallback, IniBufferSize);
}

} // namespace registry::platform
