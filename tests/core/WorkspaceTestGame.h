#pragma once

#include "TestFolder.h"
#include "files/GameFolder.h"
#include "workspace/GameFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <string>

namespace fs = std::filesystem;

inline std::optional<std::string> readBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void writeBytes(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

inline std::string golden(const std::string& name) {
    const auto bytes = readBytes(fs::path(ZENTRIMO_TEST_DATA) / "workspace" / name);
    if (!bytes)
        ADD_FAILURE() << "missing golden file " << name;
    return bytes.value_or("");
}

inline const std::string& bannerBytes() {
    static const std::string bytes = golden("banner.cfg");
    return bytes;
}

// A throw-away game folder with its cstrike folder; removed with everything in it.
class GameFolder {
public:
    GameFolder() { fs::create_directory(m_root.path() / "cstrike"); }

    files::GameFolder root() const { return files::GameFolder(m_root.path().string(), {}); }
    fs::path folder() const { return m_root.path(); }
    fs::path script() const { return root().file(workspace::StartupScriptSuffix); }
    fs::path backup() const { return root().file(workspace::BackupSuffix); }
    fs::path workFile() const { return root().file(workspace::WorkspaceSuffix); }
    fs::path userConfig() const { return root().file(workspace::UserConfigSuffix); }
    fs::path ownSettings() const { return root().file(workspace::OwnSettingsSuffix); }
    fs::path cstrike() const { return m_root.path() / "cstrike"; }

    std::set<std::string> cstrikeNames() const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_root.path() / "cstrike"))
            names.insert(entry.path().filename().string());
        return names;
    }

private:
    TempFolder m_root{"zentrimo-game"};
};
