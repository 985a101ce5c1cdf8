#pragma once

#include <filesystem>
#include <optional>

namespace files {

// The prefix Wine runs programs in: winePrefix ($WINEPREFIX) when set, else ~/.wine; empty without
// either.
std::filesystem::path defaultWinePrefix(const std::optional<std::filesystem::path>& winePrefix,
                                        const std::optional<std::filesystem::path>& home);

// Wine reaches the player's folders through one link per drive in its prefix's dosdevices folder ("z:" to
// "/", "c:" to "../drive_c"); the player knows each folder by the folder the link points to.

// The folder a drive link points to; empty when `link` is none.
std::filesystem::path driveFolder(const std::filesystem::path& link);

// The path with a leading drive link replaced by the folder the link points to; any other path as it is.
std::filesystem::path asThePlayerKnowsIt(const std::filesystem::path& path);

} // namespace files
