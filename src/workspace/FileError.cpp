#include "FileError.h"

#include "GameFiles.h"

#include <utility>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace workspace {

#ifdef _WIN32
namespace {

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

const std::error_category& platformCategory() {
    static const WindowsCategory category;
    return category;
}
#else
const std::error_category& platformCategory() {
    return std::generic_category();
}
#endif

FileError::FileError(int errorNumber, std::filesystem::path path)
    : FileError(std::error_code(errorNumber, platformCategory()), std::move(path)) {}

FileError::FileError(const std::error_code& error, std::filesystem::path path)
    : std::runtime_error(utf8Of(path) + ": " + error.message() + " (error " + std::to_string(error.value()) +
                         ")"),
      m_code(error), m_systemText(error.message()), m_path(std::move(path)) {}

namespace {

class GameFileCategory : public std::error_category {
public:
    const char* name() const noexcept override { return "zentrimo"; }
    std::string message(int value) const override {
        switch (static_cast<GameFileProblem>(value)) {
        case GameFileProblem::FolderInUse:
            return "Another Zentrimo is changing the files of this game folder; close it first";
        case GameFileProblem::NotARegularFile:
            return "Not a regular file";
        case GameFileProblem::BadGameRoot:
            return "Not a usable game folder";
        }
        return "Unknown problem";
    }
};

} // namespace

std::error_code make_error_code(GameFileProblem problem) {
    static const GameFileCategory category;
    return {static_cast<int>(problem), category};
}

} // namespace workspace
