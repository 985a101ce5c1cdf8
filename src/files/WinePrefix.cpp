#include "files/WinePrefix.h"

#include <cstdlib>

namespace fs = std::filesystem;

namespace files {
namespace {

std::optional<fs::path> variable(const char* name) {
    const char* value = std::getenv(name);
    return value && *value ? std::optional<fs::path>(value) : std::nullopt;
}

} // namespace

fs::path defaultWinePrefix(const std::optional<fs::path>& winePrefix, const std::optional<fs::path>& home) {
    if (winePrefix && !winePrefix->empty())
        return *winePrefix;
    return home && !home->empty() ? *home / ".wine" : fs::path();
}

fs::path winePrefixOfThisProcess() {
    return defaultWinePrefix(variable("WINEPREFIX"), variable("HOME"));
}

} // namespace files
