#include "FileError.h"

#include <utility>

namespace workspace {

FileError::FileError(int errorNumber, std::filesystem::path path)
    : FileError(std::error_code(errorNumber, std::system_category()), std::move(path)) {}

FileError::FileError(const std::error_code& error, std::filesystem::path path)
    : std::runtime_error(path.string() + ": " + error.message() + " (error " + std::to_string(error.value()) +
                         ")"),
      m_errorNumber(error.value()), m_systemText(error.message()), m_path(std::move(path)) {}

} // namespace workspace
