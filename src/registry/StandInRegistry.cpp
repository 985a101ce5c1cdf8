// A build without the Windows registry reads Wine's registry files.
#include "files/WholeFile.h"
#include "registry/IniFile.h"
#include "registry/RegistryPlatform.h"
#include "registry/StoredValue.h"
#include "registry/WineRegistryFile.h"

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

// HKCU from user.reg and HKLM from system.reg; other hives hold nothing, and so does a missing file.
StoreAnswer readWineRegistry(const fs::path& prefix, Hive hive, std::string_view keyPath,
                             std::string_view valueName) {
    if (prefix.empty() || (hive != Hive::CurrentUser && hive != Hive::LocalMachine))
        return {};
    const files::WholeFile file =
        files::readWholeFile(prefix / (hive == Hive::CurrentUser ? "user.reg" : "system.reg"));
    if (file.outcome != files::FileOutcome::Read)
        return {errorOf(file.outcome), {}};
    return {StatusOk, wine::readValue(file.text, keyPath, valueName)};
}

} // namespace

StoredRead readStoredValue(Hive hive, const std::string& keyPath, const std::string& valueName,
                           const fs::path& winePrefix) {
    const StoreAnswer found = readWineRegistry(winePrefix, hive, keyPath, valueName);
    if (found.error != StatusOk)
        return {found.error, StatusOk, {}};
    if (!found.value.keyFound)
        return {ErrorFileNotFound, StatusOk, {}};
    if (!found.value.data)
        return {StatusOk, ErrorFileNotFound, {}};
    return {StatusOk, StatusOk, *found.value.data};
}

// A file that cannot be read gives the fallback, as GetPrivateProfileStringA does.
std::string readIniString(const std::string& file, const std::string& section, const std::string& key,
                          const std::string& fallback) {
    files::WholeFile read = files::readWholeFile(file);
    std::istringstream stream(std::move(read.text));
    return ini::readProfileString(stream, section, key, fallback, IniBufferSize);
}

} // namespace registry::platform
