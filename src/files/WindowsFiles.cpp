#include "files/SystemFiles.h"

#include "files/FileError.h"

#include <map>
#include <string>
#include <utility>

#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

// Win32 calls throughout, so that every error is numbered as GetLastError() numbers it, and wide
// names, so that a game folder outside the ANSI code page opens too.
namespace files::sys {
namespace fs = std::filesystem;

namespace {

[[noreturn]] void fail(const fs::path& file, DWORD error = GetLastError()) {
    throw FileError(static_cast<int>(error), file);
}

bool absent(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

HANDLE handleOf(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

constexpr std::intptr_t Closed = -1;

// What a replaced file keeps through its temporary file; read-only is set again after the rename.
constexpr DWORD KeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                                 FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// GetLastError() numbers with the system's own text, and the portable conditions tests compare.
class WindowsCategory : public std::error_category {
public:
    const char* name() const noexcept override { return "windows"; }

    std::string message(int value) const override {
        wchar_t* text = nullptr;
        const DWORD length = FormatMessageW(
            FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
            nullptr, static_cast<DWORD>(value), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
        std::wstring wide(text ? text : L"", length);
        LocalFree(text);
        while (!wide.empty() && (wide.back() == L'\r' || wide.back() == L'\n' || wide.back() == L' '))
            wide.pop_back();
        if (wide.empty())
            return "Unknown error " + std::to_string(value);
        std::string utf8(WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr,
                                             0, nullptr, nullptr),
                         '\0');
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(),
                            static_cast<int>(utf8.size()), nullptr, nullptr);
        return utf8;
    }

    std::error_condition default_error_condition(int value) const noexcept override {
        switch (value) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            return std::errc::no_such_file_or_directory;
        case ERROR_ACCESS_DENIED:
            return std::errc::permission_denied;
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            return std::errc::file_exists;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return std::errc::no_space_on_device;
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return std::errc::device_or_resource_busy;
        case ERROR_FILE_TOO_LARGE:
            return std::errc::file_too_large;
        case ERROR_DIRECTORY:
            return std::errc::not_a_directory;
        default:
            return {value, *this};
        }
    }
};

} // namespace

OpenFile::OpenFile(OpenFile&& other) noexcept
    : m_handle(std::exchange(other.m_handle, Closed)), m_path(std::move(other.m_path)) {}

OpenFile::~OpenFile() {
    if (m_handle != Closed)
        CloseHandle(handleOf(m_handle));
}

FileFacts OpenFile::facts() const {
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(handleOf(m_handle), &info))
        fail(m_path);
    const bool regular = GetFileType(handleOf(m_handle)) == FILE_TYPE_DISK &&
                         !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    FileFacts facts{regular, (std::uintmax_t(info.nFileSizeHigh) << 32) | info.nFileSizeLow, 0,
                    !(info.dwFileAttributes & FILE_ATTRIBUTE_READONLY)};
    facts.attributes = info.dwFileAttributes;
    return facts;
}

std::string OpenFile::readAll(std::uintmax_t limit) {
    std::string contents;
    char buffer[65536];
    for (;;) {
        DWORD count = 0;
        if (!ReadFile(handleOf(m_handle), buffer, sizeof buffer, &count, nullptr))
            fail(m_path);
        if (count == 0)
            return contents;
        if (contents.size() + count > limit)
            fail(m_path, ERROR_FILE_TOO_LARGE);
        contents.append(buffer, count);
    }
}

void OpenFile::write(const std::string& bytes) {
    for (std::size_t done = 0; done < bytes.size();) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 30));
        DWORD count = 0;
        if (!WriteFile(handleOf(m_handle), bytes.data() + done, chunk, &count, nullptr))
            fail(m_path);
        done += count;
    }
}

void OpenFile::sync() {
    if (!FlushFileBuffers(handleOf(m_handle)))
        fail(m_path);
}

void OpenFile::takeOver(const FileFacts& old) {
    FILE_BASIC_INFO info{};
    info.FileAttributes = old.attributes & KeptAttributes;
    if (info.FileAttributes == 0)
        info.FileAttributes = FILE_ATTRIBUTE_NORMAL;
    if (!SetFileInformationByHandle(handleOf(m_handle), FileBasicInfo, &info, sizeof info))
        fail(m_path);
}

void OpenFile::close() {
    if (!CloseHandle(handleOf(std::exchange(m_handle, Closed))))
        fail(m_path);
}

std::optional<OpenFile> open(const fs::path& file, Opening how) {
    // Others may go on reading the old file, and may rename or delete it, as the game does.
    const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    DWORD access = GENERIC_READ;
    DWORD disposition = OPEN_EXISTING;
    DWORD flags = FILE_ATTRIBUTE_NORMAL;
    switch (how) {
    case Opening::Read:
        break;
    case Opening::Append:
        access = FILE_APPEND_DATA | SYNCHRONIZE | FILE_READ_ATTRIBUTES;
        disposition = OPEN_ALWAYS;
        break;
    case Opening::CreateNew:
        access = GENERIC_WRITE;
        disposition = CREATE_NEW;
        flags |= FILE_FLAG_OPEN_REPARSE_POINT;
        break;
    }
    const HANDLE handle = CreateFileW(file.c_str(), access, share, nullptr, disposition, flags, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (how == Opening::CreateNew && (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS))
            return std::nullopt;
        // Windows refuses to open a folder as a file as if the player had no right to it.
        if (error == ERROR_ACCESS_DENIED) {
            const DWORD attributes = GetFileAttributesW(file.c_str());
            if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
                throw FileError(GameFileProblem::NotARegularFile, file);
        }
        fail(file, error);
    }
    OpenFile opened(reinterpret_cast<std::intptr_t>(handle), file);
    if (!opened.facts().regular)
        throw FileError(GameFileProblem::NotARegularFile, file);
    return opened;
}

std::optional<FileFacts> lookAt(const fs::path& file) {
    WIN32_FILE_ATTRIBUTE_DATA info{};
    if (!GetFileAttributesExW(file.c_str(), GetFileExInfoStandard, &info)) {
        const DWORD error = GetLastError();
        if (absent(error))
            return std::nullopt;
        fail(file, error);
    }
    FileFacts facts{!(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY),
                    (std::uintmax_t(info.nFileSizeHigh) << 32) | info.nFileSizeLow, 0,
                    !(info.dwFileAttributes & FILE_ATTRIBUTE_READONLY),
                    (info.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0};
    facts.attributes = info.dwFileAttributes;
    return facts;
}

std::optional<fs::path> linkTarget(const fs::path&) {
    // The rename below replaces a link itself; players do not link their game files on Windows.
    return std::nullopt;
}

FileFacts newFileFacts() {
    return {};
}

void renameOver(const fs::path& from, const fs::path& to) {
    // Windows refuses to replace a read-only file: cleared, replaced, and set again, as the game does.
    const DWORD attributes = GetFileAttributesW(to.c_str());
    const bool readOnly = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
    if (readOnly && !SetFileAttributesW(to.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY))
        fail(to);
    if (!MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = GetLastError();
        if (readOnly)
            SetFileAttributesW(to.c_str(), attributes);
        fail(to, error);
    }
    if (readOnly && !SetFileAttributesW(to.c_str(), GetFileAttributesW(to.c_str()) | FILE_ATTRIBUTE_READONLY))
        fail(to);
}

void syncFolder(const fs::path&) {}

bool removeFile(const fs::path& file) {
    if (DeleteFileW(file.c_str()))
        return true;
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND)
        return false;
    fail(file, error);
}

void holdFolder(const fs::path& folder) {
    // A named mutex per folder, which Windows lets go of when the process ends, however it ends. Named
    // by volume and file index, since one folder has many spellings.
    static std::map<std::wstring, HANDLE> held;
    const HANDLE opened = CreateFileW(folder.c_str(), FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (opened == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (absent(error))
            return;
        fail(folder, error);
    }
    BY_HANDLE_FILE_INFORMATION info{};
    const bool known = GetFileInformationByHandle(opened, &info);
    const DWORD error = GetLastError();
    CloseHandle(opened);
    if (!known)
        fail(folder, error);
    const std::wstring name = L"Local\\Zentrimo-" + std::to_wstring(info.dwVolumeSerialNumber) + L"-" +
                              std::to_wstring(info.nFileIndexHigh) + L"-" +
                              std::to_wstring(info.nFileIndexLow);
    if (held.count(name))
        return;
    const HANDLE mutex = CreateMutexW(nullptr, FALSE, name.c_str());
    if (!mutex)
        fail(folder);
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        throw FileError(GameFileProblem::FolderInUse, folder);
    }
    held.emplace(name, mutex);
}

} // namespace files::sys

namespace files {
const std::error_category& platformCategory() {
    static const sys::WindowsCategory category;
    return category;
}

} // namespace files
