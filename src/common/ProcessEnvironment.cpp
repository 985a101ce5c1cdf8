#include "common/ProcessEnvironment.h"

#include <QString>
#include <QtGlobal>

#include <optional>

namespace {

std::optional<std::filesystem::path> variable(const char* name) {
#ifdef Q_OS_WIN
    const std::u16string value = qEnvironmentVariable(name).toStdU16String();
#else
    const std::string value = qgetenv(name).toStdString(); // the bytes, whatever their encoding
#endif
    return value.empty() ? std::nullopt : std::optional(std::filesystem::path(value));
}

} // namespace

files::Environment environmentOfThisProcess() {
    return {variable("HOME"), variable("WINEPREFIX"), variable("STEAM_DIR")};
}
