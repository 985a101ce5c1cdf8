#include "files/SystemFiles.h"

#include "files/FileError.h"

#include <cerrno>
#include <csignal>
#include <map>
#include <string>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace files::sys {
namespace fs = std::filesystem;

namespace {

[[noreturn]] void fail(const fs::path& file, int error = errno) {
    throw FileError(error, file);
}

bool absent(int error) {
    return error == ENOENT || error == ENOTDIR;
}

FileFacts factsOf(const struct stat& info) {
    FileFacts facts{S_ISREG(info.st_mode), static_cast<std::uintmax_t>(info.st_size),
                    static_cast<unsigned>(info.st_mode & 07777), (info.st_mode & S_IWUSR) != 0};
    facts.owner = info.st_uid;
    facts.group = info.st_gid;
    return facts;
}

int descriptor(std::intptr_t handle) {
    return static_cast<int>(handle);
}

} // namespace

OpenFile::OpenFile(OpenFile&& other) noexcept
    : m_handle(std::exchange(other.m_handle, -1)), m_path(std::move(other.m_path)) {}

OpenFile::~OpenFile() {
    if (m_handle >= 0)
        ::close(descriptor(m_handle));
}

FileFacts OpenFile::facts() const {
    struct stat info {};
    if (::fstat(descriptor(m_handle), &info) != 0)
        fail(m_path);
    return factsOf(info);
}

std::string OpenFile::readAll(std::uintmax_t limit) {
    std::string contents;
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(descriptor(m_handle), buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            fail(m_path);
        if (count == 0)
            return contents;
        if (contents.size() + static_cast<std::size_t>(count) > limit)
            fail(m_path, EFBIG);
        contents.append(buffer, static_cast<std::size_t>(count));
    }
}

void OpenFile::write(const std::string& bytes) {
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t count = ::write(descriptor(m_handle), bytes.data() + done, bytes.size() - done);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            fail(m_path);
        done += static_cast<std::size_t>(count);
    }
}

void OpenFile::sync() {
    if (::fsync(descriptor(m_handle)) != 0)
        fail(m_path);
}

void OpenFile::takeOver(const FileFacts& old) {
    // Only root may give a file away; anyone may give it a group of their own. What the system
    // refuses stays the process's own, as any new file would be.
    if (old.owner >= 0 &&
        ::fchown(descriptor(m_handle), static_cast<uid_t>(old.owner), static_cast<gid_t>(old.group)) != 0) {
        if (errno != EPERM)
            fail(m_path);
        if (::fchown(descriptor(m_handle), static_cast<uid_t>(-1), static_cast<gid_t>(old.group)) != 0 &&
            errno != EPERM)
            fail(m_path);
    }
    // After the owner: a change of owner clears the set-user and set-group bits.
    if (::fchmod(descriptor(m_handle), static_cast<mode_t>(old.permissions)) != 0)
        fail(m_path);
}

void OpenFile::close() {
    if (::close(descriptor(std::exchange(m_handle, -1))) != 0)
        fail(m_path);
}

std::optional<OpenFile> open(const fs::path& file, Opening how) {
    // Non-blocking, so that a FIFO or a device answers at once instead of hanging the window.
    int flags = O_CLOEXEC | O_NONBLOCK;
    mode_t mode = 0666;
    switch (how) {
    case Opening::Read:
        flags |= O_RDONLY;
        break;
    case Opening::Append:
        flags |= O_WRONLY | O_APPEND | O_CREAT;
        break;
    case Opening::CreateNew:
        // Owner only until the data is whole and the final permissions are set through the handle.
        flags |= O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW;
        mode = 0600;
        break;
    }
    const int fd = ::open(file.c_str(), flags, mode);
    if (fd < 0 && how == Opening::CreateNew && errno == EEXIST)
        return std::nullopt;
    // What a FIFO without a reader answers to a non-blocking open for writing.
    if (fd < 0 && errno == ENXIO)
        throw FileError(GameFileProblem::NotARegularFile, file);
    if (fd < 0)
        fail(file);
    OpenFile opened(fd, file);
    if (!opened.facts().regular)
        throw FileError(GameFileProblem::NotARegularFile, file);
    return opened;
}

std::optional<FileFacts> lookAt(const fs::path& file) {
    struct stat info {};
    if (::stat(file.c_str(), &info) == 0)
        return factsOf(info);
    if (absent(errno))
        return std::nullopt;
    fail(file);
}

std::optional<fs::path> linkTarget(const fs::path& file) {
    struct stat info {};
    if (::lstat(file.c_str(), &info) != 0) {
        if (absent(errno))
            return std::nullopt;
        fail(file);
    }
    if (!S_ISLNK(info.st_mode))
        return std::nullopt;
    std::string target(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 4096) + 1, '\0');
    const ssize_t length = ::readlink(file.c_str(), target.data(), target.size());
    if (length < 0)
        fail(file);
    target.resize(static_cast<std::size_t>(length));
    return fs::path(target);
}

FileFacts newFileFacts() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    FileFacts facts;
    facts.permissions = 0666 & ~mask;
    return facts;
}

void renameOver(const fs::path& from, const fs::path& to) {
    if (::rename(from.c_str(), to.c_str()) != 0)
        fail(to);
}

void syncFolder(const fs::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        fail(folder);
    const int synced = ::fsync(fd);
    const int error = errno;
    ::close(fd);
    // Some file systems cannot sync a folder; the rename itself has happened.
    if (synced != 0 && error != EINVAL && error != ENOTSUP)
        fail(folder, error);
}

bool removeFile(const fs::path& file) {
    if (::unlink(file.c_str()) == 0)
        return true;
    if (errno == ENOENT)
        return false;
    fail(file);
}

void holdFolder(const fs::path& folder) {
    // Held for the life of the process: the kernel lets go when it ends, even when it is killed. Known
    // by device and inode, since one folder has many spellings (links, Wine's drives).
    static std::map<std::pair<dev_t, ino_t>, int> held;
    // A too-large write is then reported as the error it is, not ended by a signal.
    std::signal(SIGXFSZ, SIG_IGN);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0 && absent(errno))
        return;
    if (fd < 0)
        fail(folder);
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        const int error = errno;
        ::close(fd);
        fail(folder, error);
    }
    if (held.count({info.st_dev, info.st_ino})) {
        ::close(fd);
        return;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        if (error == EWOULDBLOCK)
            throw FileError(GameFileProblem::FolderInUse, folder);
        fail(folder, error);
    }
    held.emplace(std::pair(info.st_dev, info.st_ino), fd);
}

} // namespace files::sys

namespace files {
const std::error_category& platformCategory() {
    return std::generic_category();
}

} // namespace files
