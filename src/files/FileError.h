#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>

namespace files {

// The one error every failing file operation throws: the platform's error number, its
// system text and the path it failed on.
class FileError : public std::runtime_error {
public:
    // errorNumber as the platform reports it: errno, or GetLastError() on Windows.
    FileError(int errorNumber, std::filesystem::path path);
    FileError(const std::error_code& error, std::filesystem::path path);

    int errorNumber() const { return m_code.value(); }
    // Compares equal to the portable std::errc conditions on every platform.
    const std::error_code& code() const { return m_code; }
    const std::string& systemText() const { return m_systemText; }
    const std::filesystem::path& path() const { return m_path; }

private:
    std::error_code m_code;
    std::string m_systemText;
    std::filesystem::path m_path;
};

// The category of the platform's own error numbers: errno, or GetLastError() with the system's text.
const std::error_category& platformCategory();

// Problems that the system has no error number for.
enum class GameFileProblem {
    FolderInUse = 1001,
    NotARegularFile,
    BadGameRoot,
    NotZentrimosFile,
    ChangedRecord,
    ChangedSinceRead
};
std::error_code make_error_code(GameFileProblem problem);

} // namespace files

template <> struct std::is_error_code_enum<files::GameFileProblem> : std::true_type {};
