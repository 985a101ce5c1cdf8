#include "FileSteps.h"

#include "FileError.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace workspace {

namespace fs = std::filesystem;

namespace {

constexpr const char* TempSuffix = ".zentrimo-new";
constexpr int MaxLinkHops = 40;

// The C library reports through errno on every platform, Windows included.
[[noreturn]] void fail(const fs::path& file) {
    throw FileError(std::error_code(errno, std::generic_category()), file);
}

// Wide names on Windows, so that a game folder outside the ANSI code page opens too.
std::FILE* openFile(const fs::path& path, const char* mode) {
#ifdef _WIN32
    return _wfopen(path.c_str(), std::wstring(mode, mode + std::strlen(mode)).c_str());
#else
    return std::fopen(path.c_str(), mode);
#endif
}

int removeFile(const fs::path& path) {
#ifdef _WIN32
    return _wremove(path.c_str());
#else
    return std::remove(path.c_str());
#endif
}

// Binary mode throughout: bytes go to disk exactly as given, CR LF included, on every platform.
class File {
public:
    File(const fs::path& path, const char* mode) : m_path(path), m_handle(openFile(path, mode)) {
        if (!m_handle)
            fail(m_path);
    }
    ~File() {
        if (m_handle)
            std::fclose(m_handle);
    }
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    std::string readAll() {
        std::string contents;
        char buffer[16384];
        while (const std::size_t count = std::fread(buffer, 1, sizeof buffer, m_handle))
            contents.append(buffer, count);
        if (std::ferror(m_handle))
            fail(m_path);
        return contents;
    }

    void write(const std::string& bytes) {
        if (std::fwrite(bytes.data(), 1, bytes.size(), m_handle) != bytes.size())
            fail(m_path);
    }

    // The data must be on the disk before a rename can make it the destination's content.
    void sync() {
        if (std::fflush(m_handle) != 0)
            fail(m_path);
#ifdef _WIN32
        if (_commit(_fileno(m_handle)) != 0)
#else
        if (fsync(fileno(m_handle)) != 0)
#endif
            fail(m_path);
    }

    // Closing flushes what is still buffered, so it can fail too.
    void close() {
        if (std::fclose(std::exchange(m_handle, nullptr)) != 0)
            fail(m_path);
    }

private:
    fs::path m_path;
    std::FILE* m_handle;
};

// A link keeps being a link: the file it points to is the one replaced.
fs::path followLinks(fs::path file) {
    for (int hops = 0;; ++hops) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(file, error)))
            return file;
        if (hops == MaxLinkHops)
            throw FileError(std::make_error_code(std::errc::too_many_symbolic_link_levels), file);
        const fs::path target = fs::read_symlink(file, error);
        if (error)
            throw FileError(error, file);
        file = file.parent_path() / target;
    }
}

// A rename would otherwise hand the user's script the mode bits of a fresh file. Windows keeps
// the read-only attribute on the destination, and the rename onto it fails as it should.
void keepPermissions([[maybe_unused]] const fs::path& target, [[maybe_unused]] const fs::path& temp) {
#ifndef _WIN32
    std::error_code error;
    const fs::file_status status = fs::status(target, error);
    if (error)
        return;
    fs::permissions(temp, status.permissions(), error);
    if (error)
        throw FileError(error, temp);
#endif
}

// A rename only needs the folder to be writable; a player who write-protected the script meant it.
void refuseReadOnly([[maybe_unused]] const fs::path& target) {
#ifndef _WIN32
    std::error_code error;
    const fs::file_status status = fs::status(target, error);
    if (!error && (status.permissions() & fs::perms::owner_write) == fs::perms::none)
        throw FileError(std::make_error_code(std::errc::permission_denied), target);
#endif
}

void renameOver(const fs::path& from, const fs::path& to) {
#ifdef _WIN32
    if (!MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        throw FileError(static_cast<int>(GetLastError()), to);
#else
    if (std::rename(from.c_str(), to.c_str()) != 0)
        fail(to);
#endif
}

} // namespace

void FileSteps::before(FileStep step, const fs::path& file) const {
    if (m_hook)
        m_hook(step, file);
}

void FileSteps::createEmpty(const fs::path& file) const {
    before(FileStep::Create, file);
    // Appending creates the file without emptying one the existence test cannot see (a hidden
    // script on Windows): the player's own lines are never lost.
    File(file, "ab").close();
}

std::string FileSteps::readWhole(const fs::path& file) const {
    before(FileStep::Open, file);
    return File(file, "rb").readAll();
}

std::optional<std::string> FileSteps::readIfPresent(const fs::path& file) const {
    try {
        return readWhole(file);
    } catch (const FileError& error) {
        if (error.errorNumber() == ENOENT)
            return std::nullopt;
        throw;
    }
}

void FileSteps::replaceWhole(const fs::path& source, const fs::path& destination) const {
    replaceWith(destination, readWhole(source));
}

void FileSteps::replaceWith(const fs::path& destination, const std::string& contents) const {
    const fs::path target = followLinks(destination);
    refuseReadOnly(target);
    fs::path temp = target;
    temp += TempSuffix;
    try {
        before(FileStep::Open, temp);
        File out(temp, "wb");
        before(FileStep::Write, temp);
        out.write(contents);
        before(FileStep::Sync, temp);
        out.sync();
        out.close();
        keepPermissions(target, temp);
        before(FileStep::Rename, target);
        renameOver(temp, target);
    } catch (...) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        throw;
    }
}

void FileSteps::appendLines(const fs::path& file, const std::vector<std::string>& lines) const {
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    before(FileStep::Open, file);
    File out(file, "ab");
    before(FileStep::Write, file);
    out.write(bytes);
    out.close();
}

void FileSteps::remove(const fs::path& file) const {
    before(FileStep::Remove, file);
    if (removeFile(file) != 0)
        fail(file);
}

void FileSteps::removeIfPresent(const fs::path& file) const {
    before(FileStep::Remove, file);
    if (removeFile(file) != 0 && errno != ENOENT)
        fail(file);
}

} // namespace workspace
