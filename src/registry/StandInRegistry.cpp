// A build without the Windows registry reads Wine's registry files, then a native Steam install.
#include "IniFile.h"
#include "RegistryFile.h"
#include "RegistryPlatform.h"
#include "SteamLibrary.h"
#include "StoredValue.h"
#include "TextCase.h"
#include "WineRegistryFile.h"

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <sstream>
#include <string_view>
#include <vector>

namespace registry::platform {
namespace {

constexpr std::string_view HalfLifeKey = "Software\\valve\\half-life";
constexpr std::string_view InstallPathName = "InstallPath";

// What one store answers: what it holds of the value, or the platform's error code when its file
// cannot be read.
struct StoreAnswer {
    std::int32_t error = StatusOk;
    StoredValue value;
};

using Store = std::function<StoreAnswer(Hive hive, std::string_view keyPath, std::string_view valueName)>;

// Stops at the first store that holds the value, so earlier stores win and later ones are
// asked only when needed; a store that cannot be read ends the search, as a failing hive would.
StoreAnswer lookUp(const std::vector<Store>& stores, Hive hive, std::string_view keyPath,
                   std::string_view valueName) {
    StoreAnswer lookup;
    for (const Store& store : stores) {
        StoreAnswer answer = store(hive, keyPath, valueName);
        if (answer.error != StatusOk || answer.value.data)
            return answer;
        lookup.value.keyFound = lookup.value.keyFound || answer.value.keyFound;
    }
    return lookup;
}

std::int32_t errorOf(FileOutcome outcome) {
    switch (outcome) {
    case FileOutcome::Read:
    case FileOutcome::Missing:
        return StatusOk;
    case FileOutcome::NotRegular:
        return ErrorCantOpen;
    case FileOutcome::TooLarge:
        return ErrorFileTooLarge;
    case FileOutcome::Denied:
        return ErrorAccessDenied;
    case FileOutcome::Failed:
        break;
    }
    return ErrorCantRead;
}

// HKCU from user.reg and HKLM from system.reg; other hives hold nothing, and so does a missing file.
Store wineStore(std::filesystem::path prefix) {
    return [prefix = std::move(prefix)](Hive hive, std::string_view keyPath,
                                        std::string_view valueName) -> StoreAnswer {
        if (hive != Hive::CurrentUser && hive != Hive::LocalMachine)
            return {};
        const RegistryFile file =
            readRegistryFile(prefix / (hive == Hive::CurrentUser ? "user.reg" : "system.reg"));
        if (file.outcome != FileOutcome::Read)
            return {errorOf(file.outcome), {}};
        return {StatusOk, wine::readValue(file.text, keyPath, valueName)};
    };
}

// Only Half-Life's InstallPath: Counter-Strike's own key has no Steam counterpart. Steam's files
// are searched, not opened as a hive, so one that cannot be read is passed over.
StoreAnswer steamStore(Hive hive, std::string_view keyPath, std::string_view valueName) {
    if (hive != Hive::CurrentUser || !equalsIgnoringCase(keyPath, HalfLifeKey))
        return {};
    const std::optional<std::string> path = steam::findHalfLifeInstallPath(steam::searchFromEnvironment());
    if (!path)
        return {};
    if (!equalsIgnoringCase(valueName, InstallPathName))
        return {StatusOk, {true, std::nullopt}};
    return {StatusOk, {true, *path + '\0'}};
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
    stores.push_back(steamStore);
    return stores;
}

} // namespace

// Keys are read when opened, so there is nothing to close.
std::int32_t readFromKey(Hive hive, const std::string& keyPath, const std::string& valueName,
                         const ValueReader& read) {
    const StoreAnswer found = lookUp(storesFromEnvironment(), hive, keyPath, valueName);
    if (found.error != StatusOk)
        return found.error;
    if (!found.value.keyFound)
        return ErrorFileNotFound;
    return read([&](char* data, std::uint32_t& size) -> std::int32_t {
        return found.value.data ? answerQuery(*found.value.data, data, size) : ErrorFileNotFound;
    });
}

// A file that cannot be read gives the fallback, as GetPrivateProfileStringA does.
std::string readIniString(const std::string& file, const std::string& section, const std::string& key,
                          const std::string& fallback) {
    RegistryFile read = readRegistryFile(file);
    std::istringstream stream(std::move(read.text));
    return ini::readProfileString(stream, section, key, fallback, IniBufferSize);
}

} // namespace registry::platform
