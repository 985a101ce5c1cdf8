#pragma once

#include "Registry.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>
#include <utility>

namespace registry::test {

// A fresh folder under the system's temporary folder, removed with all it holds.
class TempFolder {
public:
    TempFolder() {
        std::random_device random;
        do
            m_path =
                std::filesystem::temp_directory_path() / ("zentrimo-registry-" + std::to_string(random()));
        while (!std::filesystem::create_directory(m_path));
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

inline void writeFile(const std::filesystem::path& file, std::string_view bytes) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

// The status and the output, compared and printed together.
using Result = std::pair<std::int32_t, RegValue>;

inline Result read(const std::string& hive, const std::string& key, const std::string& name,
                   const std::string& code, const RegValue& fallback) {
    Result result;
    result.first = ReadRegValue(hive, key, name, code, fallback, result.second);
    return result;
}

} // namespace registry::test
