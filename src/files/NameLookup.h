#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Looking up names as the game, Wine and Steam do: letter case aside. Nothing here throws or waits on
// a file; whatever cannot be looked at counts as missing.
namespace files {

// A folder with more entries is not listed: a damaged or hostile one would make a search crawl.
inline constexpr std::size_t MaxListedEntries = 4096;

// The entry of folder for name: name itself when it exists, else the first entry in byte order
// that matches it without regard to ASCII case. Nothing when neither exists.
std::optional<std::filesystem::path> entryIgnoringCase(const std::filesystem::path& folder,
                                                       std::string_view name);

enum class MissingNames {
    Refused, // a missing name leads nowhere
    Kept,    // base followed by relative as written: a missing name (one yet to be made, an empty one, "."
             // or "..") stays as given, and so does all below it
};

// base followed by the '/' or '\' separated names of relative, each found as above. Refused: nothing
// when one is missing, or when relative is rooted or holds ".", ".." or a drive, so that it stays under
// base. Kept: always a path.
std::optional<std::filesystem::path> followIgnoringCase(std::filesystem::path base, std::string_view relative,
                                                        MissingNames missing = MissingNames::Refused);

// Appends folder resolved through links, unless it is no folder or is listed already; true when it
// was appended.
bool appendResolvedFolder(std::vector<std::filesystem::path>& folders, const std::filesystem::path& folder);

// The folders in folder (links to folders included), in byte order of their names.
std::vector<std::filesystem::path> subfoldersInOrder(const std::filesystem::path& folder);

} // namespace files
