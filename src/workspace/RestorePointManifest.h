#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace workspace {

// What made a restore point: the change that was about to start.
enum class MadeBy { Apply, Uninstall, Restore, Fix };

// "apply", "uninstall", "restore", "fix".
const char* madeByName(MadeBy madeBy);

// One of the game's files as it stood: its name under the game folder ("cstrike/autoexec.cfg") and,
// unless it was absent, its size and SHA-256.
struct PointFile {
    std::string path;
    bool absent = false;
    std::uintmax_t bytes = 0;
    std::string sha256;
    bool operator==(const PointFile&) const = default;
};

struct Manifest {
    std::string time; // UTC, "2026-12-09T19:50:00Z"
    MadeBy madeBy = MadeBy::Apply;
    std::string gameRoot; // the game folder the point was made of, as the file system names it
    std::vector<PointFile> files;
    bool operator==(const Manifest&) const = default;
};

// The manifest's bytes: a format line, one line a field, one line a file, and last the SHA-256 of
// everything before it, so that an edit or a cut shows.
std::string manifestText(const Manifest& manifest);
// The manifest as manifestText wrote it; nothing when a byte differs from what it would write.
std::optional<Manifest> parseManifest(const std::string& text);

} // namespace workspace
