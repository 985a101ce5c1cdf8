#pragma once

#include <filesystem>
#include <optional>

namespace files {

// The prefix Wine runs programs in: winePrefix ($WINEPREFIX) when set, else ~/.wine; empty without
// either.
std::filesystem::path defaultWinePrefix(const std::optional<std::filesystem::path>& winePrefix,
                                        const std::optional<std::filesystem::path>& home);

// The same for this process's $WINEPREFIX and $HOME, an empty variable counting as unset.
std::filesystem::path winePrefixOfThisProcess();

} // namespace files
