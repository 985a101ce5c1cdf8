#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace registry {

// Far above any real registry or settings file, so that only a damaged or hostile one is refused.
inline constexpr std::uintmax_t MaxRegistryFileSize = 64 * 1024 * 1024;

enum class FileOutcome { Read, Missing, NotRegular, TooLarge, Denied, Failed };

struct RegistryFile {
    FileOutcome outcome;
    std::string text; // the whole file when read
};

// Reads a whole file without ever waiting: anything but a regular file (a FIFO, device, socket or
// folder) is refused at once, and so is a file larger than limit. Missing means no such file, or
// a path through something that is no folder.
RegistryFile readRegistryFile(const std::filesystem::path& file, std::uintmax_t limit = MaxRegistryFileSize);

} // namespace registry
