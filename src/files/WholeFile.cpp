#include "files/WholeFile.h"

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace files {
namespace {

#ifdef _WIN32
// Windows has no FIFOs among files, so opening one cannot wait; the wide name reaches any folder.
int openForReading(const std::filesystem::path& file) {
    return _wopen(file.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
}
using FileStatus = struct _stat64;
int statusOf(int descriptor, FileStatus& status) {
    return _fstat64(descriptor, &status);
}
long readSome(int descriptor, char* buffer, unsigned size) {
    return _read(descriptor, buffer, size);
}
int closeFile(int descriptor) {
    return _close(descriptor);
}
#else
// Without O_NONBLOCK, opening a FIFO waits for a writer; the type is checked on the opened file,
// so nothing can be swapped in between.
int openForReading(const std::filesystem::path& file) {
    return ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
}
using FileStatus = struct stat;
int statusOf(int descriptor, FileStatus& status) {
    return ::fstat(descriptor, &status);
}
long readSome(int descriptor, char* buffer, unsigned size) {
    return ::read(descriptor, buffer, size);
}
int closeFile(int descriptor) {
    return ::close(descriptor);
}
#endif

FileOutcome outcomeOfOpenError(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return FileOutcome::Missing;
    case EACCES:
    case EPERM:
        return FileOutcome::Denied;
    case ENXIO: // a socket, or a device without its driver
        return FileOutcome::NotRegular;
    default:
        return FileOutcome::Failed;
    }
}

// The file grows while it is read, so the limit is checked on what arrives, not only on its size.
FileOutcome readAll(int descriptor, std::uintmax_t limit, std::string& text) {
    std::array<char, 64 * 1024> buffer;
    for (;;) {
        const long count = readSome(descriptor, buffer.data(), static_cast<unsigned>(buffer.size()));
        if (count == 0)
            return FileOutcome::Read;
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return FileOutcome::Failed;
        if (text.size() + static_cast<std::size_t>(count) > limit)
            return FileOutcome::TooLarge;
        text.append(buffer.data(), static_cast<std::size_t>(count));
    }
}

} // namespace

WholeFile readWholeFile(const std::filesystem::path& file, std::uintmax_t limit) {
    const int descriptor = openForReading(file);
    if (descriptor < 0)
        return {outcomeOfOpenError(errno), {}};
    std::string text;
    FileOutcome outcome = FileOutcome::Failed;
    FileStatus status{};
    if (statusOf(descriptor, status) != 0)
        outcome = FileOutcome::Failed;
    else if ((status.st_mode & S_IFMT) != S_IFREG)
        outcome = FileOutcome::NotRegular;
    else if (static_cast<std::uintmax_t>(status.st_size) > limit)
        outcome = FileOutcome::TooLarge;
    else {
        text.reserve(static_cast<std::size_t>(status.st_size));
        outcome = readAll(descriptor, limit, text);
    }
    closeFile(descriptor);
    return {outcome, outcome == FileOutcome::Read ? std::move(text) : std::string()};
}

} // namespace files
