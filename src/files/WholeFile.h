#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace files {

// Far above any real script, registry or settings file, so that only a damaged or hostile one is refused.
inline constexpr std::uintmax_t MaxFileBytes = 64u << 20;

enum class FileOutcome { Read, Missing, NotRegular, TooLarge, Denied, Failed };

struct WholeFile {
    FileOutcome outcome;
    std::string text; // the whole file when read
};

// Reads a whole file without ever waiting: anything but a regular file (a FIFO, device, socket or
// folder) is refused at once, and so is a file larger than limit. Missing means no such file, or
// a path through something that is no folder.
WholeFile readWholeFile(const std::filesystem::path& file, std::uintmax_t limit = MaxFileBytes);

} // namespace files
