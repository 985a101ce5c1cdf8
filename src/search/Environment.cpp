#include "search/Environment.h"

#include <cstdlib>

namespace search {
namespace {

std::optional<std::filesystem::path> variable(const char* name) {
    const char* value = std::getenv(name);
    return value && *value ? std::optional<std::filesystem::path>(value) : std::nullopt;
}

} // namespace

Environment environmentOfThisProcess() {
    return {variable("HOME"), variable("WINEPREFIX"), variable("STEAM_DIR")};
}

} // namespace search
