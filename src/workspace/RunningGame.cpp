#include "workspace/RunningGame.h"

#include "workspace/GameFiles.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <system_error>

namespace workspace {

namespace fs = std::filesystem;

namespace {

bool isGameProgram(std::string name) {
    std::ranges::transform(name, name.begin(),
                           [](char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; });
    return name == "hl.exe" || name == "hl_linux";
}

std::string lastComponent(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string firstArgument(const fs::path& process) {
    std::ifstream in(process / "cmdline", std::ios::binary);
    std::string argument;
    std::getline(in, argument, '\0');
    return argument;
}

bool isFolder(const fs::path& candidate, const fs::path& root) {
    std::error_code error;
    return !candidate.empty() && fs::equivalent(candidate, root, error);
}

} // namespace

bool gameRunningFrom(const std::string& gameRoot) {
    const fs::path root = gameFilePath(gameRoot, StartupScriptSuffix).parent_path().parent_path();
    std::error_code error;
    for (const auto& entry : fs::directory_iterator("/proc", error)) {
        const std::string pid = entry.path().filename().string();
        if (!std::ranges::all_of(pid, [](char c) { return c >= '0' && c <= '9'; }))
            continue;
        // A process may end at any moment: whatever cannot be read any more is simply not the game.
        std::error_code gone;
        const fs::path exe = fs::read_symlink(entry.path() / "exe", gone);
        const std::string argument = firstArgument(entry.path());
        if (!isGameProgram(lastComponent(argument)) && !isGameProgram(exe.filename().string()))
            continue;
        if (isFolder(exe.parent_path(), root) || isFolder(fs::read_symlink(entry.path() / "cwd", gone), root))
            return true;
        // Wine names the program by its Windows path.
        const std::size_t backslash = argument.rfind('\\');
        if (backslash != std::string::npos && argument.find(':') == 1) {
            try {
                if (isFolder(gameFilePath(argument.substr(0, backslash), ""), root))
                    return true;
            } catch (...) {
                // An argument that names no folder here is not the game's.
            }
        }
    }
    return false;
}

} // namespace workspace
