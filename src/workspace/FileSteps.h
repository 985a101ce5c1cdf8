#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace workspace {

// Each call the operations make to the file system, in the order a replace takes them.
enum class FileStep { Lock, List, Stat, Create, Open, Read, Write, Sync, Chmod, Rename, SyncFolder, Remove };

// A write-protected file is refused, or (config.cfg, which the game itself rewrites so) replaced and
// left write-protected.
enum class WriteProtected { Refuse, Replace };

// Called before each file system call with the file it acts on. Tests throw files::FileError from it to make
// a chosen call fail, since permission bits stop nothing when they run as root.
using StepHook = std::function<void(FileStep step, const std::filesystem::path& file)>;

// The file steps the workspace operations are made of; each throws files::FileError when it fails. Only "no
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
    void checkReplaceable(const std::filesystem::path& file,
                          WriteProtected protectedFile = WriteProtected::Refuse) const;

    bool isLink(const std::filesystem::path& file) const;

    // Creates an empty file; an existing one is left as it is.
    void createEmpty(const std::filesystem::path& file) const;

    std::string readWhole(const std::filesystem::path& file) const;
    // As readWhole, but nothing when there is no such file.
    std::optional<std::string> readIfPresent(const std::filesystem::path& file) const;

    // Writes a synced temporary file of a new, unique name beside the destination (beside its target,
    // when it is a symbolic link) and renames it over: a crash or a full disk leaves the old file
    // whole. The destination's owner, group and permissions are kept where the system allows it.
    void replaceWith(const std::filesystem::path& destination, const std::string& bytes,
                     WriteProtected protectedFile = WriteProtected::Refuse) const;
    // replaceWith the source's bytes.
    void replaceWhole(const std::filesystem::path& source, const std::filesystem::path& destination) const;

    // Writes a file under a new name in a folder the caller just made, synced, without the rename a
    // replace takes: nothing else can have been there. syncFolder then makes the names last.
    void writeNew(const std::filesystem::path& file, const std::string& bytes) const;
    void syncFolder(const std::filesystem::path& folder) const;

    // Writes each line followed by CR LF after the file's last byte; creates a missing file.
    void appendLines(const std::filesystem::path& file, const std::vector<std::string>& lines) const;

    // Deletes the temporary files that a run killed while replacing a file left in folder; a link or
    // anything else under such a name stays.
    void removeLeftTemporaries(const std::filesystem::path& folder) const;

    void remove(const std::filesystem::path& file) const;
    void removeIfPresent(const std::filesystem::path& file) const;

private:
    void before(FileStep step, const std::filesystem::path& file) const;
    std::filesystem::path followLinks(std::filesystem::path file) const;

    StepHook m_hook;
};

} // namespace workspace
