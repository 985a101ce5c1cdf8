// A build without the Windows registry reads Wine's registry files, and searches native Steam and
// Steam for Windows in Wine prefixes.
#include "files/WholeFile.h"
#include "registry/IniFile.h"
#include "registry/RegistryPlatform.h"
#include "registry/SteamLibrary.h"
#include "registry/StoredValue.h"
#include "registry/WinePrefixes.h"
#include "registry/WineRegistryFile.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string_view>

namespace fs = std::filesystem;

namespace registry::platform {
namespace {

// What the registry answers: what it holds of the value, or the platform's error code when its file
// cannot be read.
struct StoreAnswer {
    std::int32_t error = StatusOk;
    StoredValue value;
};

std::int32_t errorOf(files::FileOutcome outcome) {
    switch (outcome) {
    case files::FileOutcome::Read:
    case files::FileOutcome::Missing:
        return StatusOk;
    case files::FileOutcome::NotRegular:
        return ErrorCantOpen;
    case files::FileOutcome::TooLarge:
        return ErrorFileTooLarge;
    case files::FileOutcome::Denied:
        return ErrorAccessDenied;
    case files::FileOutcome::Failed:
        break;
    }
    return ErrorCantRead;
}

// An unset or empty variable names nothing.
std::optional<fs::path> pathFromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value && *value ? std::optional<fs::path>(value) : std::nullopt;
}

// The prefix Wine runs programs in: $WINEPREFIX, else ~/.wine.
fs::path defaultPrefix() {
    if (std::optional<fs::path> prefix = pathFromEnvironment("WINEPREFIX"))
        return *prefix;
    const std::optional<fs::path> home = pathFromEnvironment("HOME");
    return home ? *home / ".wine" : fs::path();
}

// HKCU from user.reg and HKLM from system.reg; other hives hold nothing, and so does a missing file.
StoreAnswer readWineRegistry(Hive hive, std::string_view keyPath, std::string_view valueName) {
    const fs::path prefix = defaultPrefix();
    if (prefix.empty() || (hive != Hive::CurrentUser && hive != Hive::LocalMachine))
        return {};
    const files::WholeFile file =
        files::readWholeFile(prefix / (hive == Hive::CurrentUser ? "user.reg" : "system.reg"));
    if (file.outcome != files::FileOutcome::Read)
        return {errorOf(file.outcome), {}};
    return {StatusOk, wine::readValue(file.text, keyPath, valueName)};
}

} // namespace

StoredRead readStoredValue(Hive hive, const std::string& keyPath, const std::string& valueName) {
    const StoreAnswer found = readWineRegistry(hive, keyPath, valueName);
    if (found.error != StatusOk)
        return {found.error, StatusOk, {}};
    if (!found.value.keyFound)
        return {ErrorFileNotFound, StatusOk, {}};
    if (!found.value.data)
        return {StatusOk, ErrorFileNotFound, {}};
    return {StatusOk, StatusOk, *found.value.data};
}

// Native Steam first, then Steam for Windows in each Wine prefix; a folder that holds the game's
// config ends the search.
std::optional<std::string> findSteamHalfLife() {
    const fs::path home = pathFromEnvironment("HOME").value_or(fs::path());
    steam::HalfLifeSearch search;
    for (const steam::SteamRoot& root : steam::nativeRoots(home, pathFromEnvironment("STEAM_DIR")))
        if (search.search(root))
            return search.answer();
    for (const fs::path& prefix : wine::winePrefixes(home, pathFromEnvironment("WINEPREFIX"))) {
        const std::optional<steam::SteamRoot> root = wine::prefixSteamRoot(prefix);
        if (root && search.search(*root))
            break;
    }
    return search.answer();
}

// A file that cannot be read gives the fallback, as GetPrivateProfileStringA does.
std::string readIniString(const std::string& file, const std::string& section, const std::string& key,
                          const std::string& fallback) {
    files::WholeFile read = files::readWholeFile(file);
    std::istringstream stream(std::move(read.text));
    return ini::readProfileString(stream, section, key, fallback, IniBufferSize);
}

} // namespace registry::platform
