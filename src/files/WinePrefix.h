#pragma once

#include "files/NameLookup.h"

#include <filesystem>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

// Wine, in one place: its prefix, and the drive links in the prefix's dosdevices folder, one per drive
// ("z:" to "/", "c:" to "../drive_c"), followed both ways.
namespace files {

// The prefix Wine runs programs in: winePrefix ($WINEPREFIX) when set, else ~/.wine; empty without
// either.
std::filesystem::path defaultWinePrefix(const std::optional<std::filesystem::path>& winePrefix,
                                        const std::optional<std::filesystem::path>& home);

// "C:", "C:\..." or "C:/...": a folder in Windows form, as the game's own Windows world writes it.
bool hasDriveLetter(std::string_view path);

// The link of drive `letter` in the prefix, found as Wine finds it; as Wine names it when missing.
std::filesystem::path driveLink(const std::filesystem::path& prefix, char letter);

// Where a Windows-form path leads inside the prefix: through the drive's link, every name found as Wine
// finds it (NameLookup.h says what happens to a missing one). Nothing for a path of any other form.
std::optional<std::filesystem::path> throughDriveLinks(const std::filesystem::path& prefix,
                                                       std::string_view windowsPath,
                                                       MissingNames missing = MissingNames::Refused);

// The folder a drive link points to; empty when `link` is none.
std::filesystem::path driveFolder(const std::filesystem::path& link);

// The other way: the path with a leading drive link replaced by the folder the link points to, as the
// player knows it; any other path as it is.
std::filesystem::path asThePlayerKnowsIt(const std::filesystem::path& path);

// The prefix's drives whose folders exist, each lower-case letter with the folder it stands for.
std::vector<std::pair<char, std::filesystem::path>> wineDrives(const std::filesystem::path& prefix);

} // namespace files
