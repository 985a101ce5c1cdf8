#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace workspace {

// Each call the operations make to the file system, in the order a replace takes them.
enum class FileStep { Lock, Stat, Create, Open, Read, Write, Sync, Chmod, Rename, SyncFolder, Remove };

// Called before each file system call with the file it acts on. Tests throw FileError from it to make
// a chosen call fail, since permission bits stop nothing when they run as root.
using StepHook = std::function<void(FileStep step, const std::filesystem::path& file)>;

// The file steps the workspace operations are made of; each throws FileError when it fails. Only "no
// such file" (or "not a folder" on the way) counts as absent; anything that is not a regular file is
// refused, and nothing blocks on a FIFO or a device.
class FileSteps {
public:
    explicit FileSteps(StepHook hook = {}) : m_hook(std::move(hook)) {}

    // One program at a time changes a game folder's files: held until the process ends.
    void holdFolder(const std::filesystem::path& folder) const;

    // A regular file that the game would see (on Windows neither hidden nor a system file).
    bool exists(const std::filesystem::path& file) const;

    // For a file of the program's own: whether it exists, refusing a link or anything not a regular file
    // under its name, so that none of them is a door out of the game folder.
    bool ownFileExists(const std::filesystem::path& file) const;

    // Refuses, before anything changes, a file that replaceWith or readWhole would refuse: not a regular
    // file (links followed), write-protected, or too large. A missing file passes.
    void checkReplaceable(const std::filesystem::path& file) const;

    bool isLink(const std::filesystem::path& file) const;

    // Creates an empty file; an existing one is left as it is.
    void createEmpty(const std::filesystem::path& file) const;

    std::string readWhole(const std::filesystem::path& file) const;
    // As readWhole, but nothing when there is no such file.
    std::optional<std::string> readIfPresent(const std::filesystem::path& file) const;

    // Writes a synced temporary file of a new, unique name beside the destination (beside its target,
    // when it is a symbolic link) and renames it over: a crash or a full disk leaves the old file
    // whole. The destination's permissions are kept.
    void replaceWith(const std::filesystem::path& destination, const std::string& bytes) const;
    // replaceWith the source's bytes.
    void replaceWhole(const std::filesystem::path& source, const std::filesystem::path& destination) const;

    // Writes each line followed by CR LF after the file's last byte; creates a missing file.
    void appendLines(const std::filesystem::path& file, const std::vector<std::string>& lines) const;

    void remove(const std::filesystem::path& file) const;
    void removeIfPresent(const std::filesystem::path& file) const;

private:
    void before(FileStep step, const std::filesystem::path& file) const;
    std::filesystem::path followLinks(std::filesystem::path file) const;

    StepHook m_hook;
};

} // namespace workspace
