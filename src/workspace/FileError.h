#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>

namespace workspace {

// The one error every failing file operation throws: the platform's error number, its
// system text and the path it failed on.
class FileError : public std::runtime_error {
public:
    // errorNumber as the platform reports it: errno, or GetLastError() on Windows.
    FileError(int errorNumber, std::filesystem::path path);
    // For errors that the standard library reports, in whatever category it chose.
    FileError(const std::error_code& error, std::filesystem::path path);

    int errorNumber() const { return m_errorNumber; }
    const std::string& systemText() const { return m_systemText; }
    const std::filesystem::path& path() const { return m_path; }

private:
    int m_errorNumber;
    std::string m_systemText;
    std::filesystem::path m_path;
};

} // namespace workspace
