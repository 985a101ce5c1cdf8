#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

// The file system calls the workspace is made of, one set per platform. Every failure throws
// files::FileError with the platform's own error number and text; nothing here blocks on a FIFO or device.
namespace files::sys {

struct FileFacts {
    bool regular = false;
    std::uintmax_t size = 0;
    unsigned permissions = 0; // POSIX mode bits; 0 where the platform has none
    bool writable = true;
    bool hidden = false;  // on Windows, hidden or a system file
    long long owner = -1; // POSIX user and group; -1 where the platform has none
    long long group = -1;
    unsigned attributes = 0; // Windows' attribute bits; 0 elsewhere
};

enum class Opening {
    Read,      // an existing file, links followed
    Append,    // created when missing, links followed
    CreateNew, // a new name only: never an existing file, never through a link
};

class OpenFile {
public:
    OpenFile(std::intptr_t handle, std::filesystem::path path) : m_handle(handle), m_path(std::move(path)) {}
    OpenFile(OpenFile&& other) noexcept;
    OpenFile& operator=(OpenFile&&) = delete;
    ~OpenFile();

    FileFacts facts() const;
    // Everything up to the end of the file, refusing more than limit bytes.
    std::string readAll(std::uintmax_t limit);
    void write(const std::string& bytes);
    void sync();
    // Gives the file old's owner and group where the system allows it, then its permissions (on
    // Windows its hidden, system and archive bits; renameOver keeps read-only).
    void takeOver(const FileFacts& old);
    void close();

private:
    std::intptr_t m_handle;
    std::filesystem::path m_path;
};

// Empty only for CreateNew when the name is already taken.
std::optional<OpenFile> open(const std::filesystem::path& file, Opening how);

// Facts of the file a path leads to (links followed); empty when there is none ("no such file" or
// "not a folder" on the way). Any other failure throws.
std::optional<FileFacts> lookAt(const std::filesystem::path& file);

// The link's target when the path is a symbolic link.
std::optional<std::filesystem::path> linkTarget(const std::filesystem::path& file);

// What a file that replaces none takes over: the permissions the process would give a new file.
FileFacts newFileFacts();

// A write-protected destination is replaced too, as the game replaces its config.cfg, and the new
// file is write-protected again.
void renameOver(const std::filesystem::path& from, const std::filesystem::path& to);
// So that a rename survives a power cut; a no-op where the platform has no such call.
void syncFolder(const std::filesystem::path& folder);
// False when there was no such file.
bool removeFile(const std::filesystem::path& file);

// Holds the folder for this process until it ends, however it ends; throws files::FileError(FolderInUse)
// when another process holds it. A folder that does not exist is not held.
void holdFolder(const std::filesystem::path& folder);

} // namespace files::sys
