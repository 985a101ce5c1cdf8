#pragma once

#include "files/WholeFile.h"

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>

// The game's scripts as exec finds them: in cstrike, then valve, the last name without regard to case;
// each name looked up once and each file read once, however often it runs.
namespace game {

enum class FileKind { Other, Autoexec, Userconfig, Config };

struct Located {
    enum class State { Found, Missing, Unopenable } state; // Unopenable: in a folder that may not be entered
    std::filesystem::path path;
    std::string shown; // as a place names it: "cstrike/autoexec.cfg", letter case as on disk
    FileKind kind;
};

class ScriptFiles {
public:
    explicit ScriptFiles(std::filesystem::path root) : m_root(std::move(root)) {}

    const Located& locate(std::string_view name);

    // The file's bytes; nothing, with outcome saying why, when it cannot be read (asked again each time).
    std::shared_ptr<const std::string> read(const Located& found, files::FileOutcome& outcome);

private:
    std::filesystem::path m_root;
    std::map<std::string, Located, std::less<>> m_located;
    std::map<std::filesystem::path, std::shared_ptr<const std::string>> m_texts;
};

} // namespace game
