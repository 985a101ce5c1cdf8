#include "workspace/RunningGame.h"

#include "files/AsciiCase.h"

#include <algorithm>
#include <fstream>
#include <optional>
#include <system_error>

namespace workspace {

namespace fs = std::filesystem;

namespace {

bool isGameProgram(const std::string& name) {
    const std::string lower = files::toLowerAscii(name);
    return lower == "hl.exe" || lower == "hl_linux";
}

std::string lastComponent(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The text of a /proc file up to the first NUL or line end; empty when it cannot be read.
std::string firstField(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::string field;
    std::getline(in, field, '\0');
    return field.substr(0, field.find('\n'));
}

bool isFolder(const fs::path& candidate, const fs::path& root) {
    std::error_code error;
    return !candidate.empty() && fs::equivalent(candidate, root, error);
}

// The folder of the program a command line starts with, when it can be known: an absolute path, one
// relative to a known working folder, or a Windows path that Wine's drives resolve.
std::optional<fs::path> programFolder(const std::string& program,
                                      const std::optional<fs::path>& workingFolder,
                                      const fs::path& winePrefix) {
    const std::size_t backslash = program.rfind('\\');
    if (backslash != std::string::npos && program.find(':') == 1) {
        // Another user's Wine may have drives this one lacks: a folder not found here is not known.
        try {
            fs::path folder = files::GameFolder(program.substr(0, backslash), winePrefix).path();
            std::error_code unknown;
            if (fs::is_directory(folder, unknown))
                return folder;
        } catch (...) {
            // A path Wine cannot take names no folder.
        }
        return std::nullopt;
    }
    const fs::path path(program);
    if (path.is_absolute())
        return path.parent_path();
    if (workingFolder)
        return (*workingFolder / path).parent_path();
    return std::nullopt;
}

std::optional<fs::path> linkOf(const fs::path& link) {
    std::error_code unreadable;
    fs::path target = fs::read_symlink(link, unreadable);
    if (unreadable)
        return std::nullopt;
    return target;
}

bool isGameOf(const fs::path& process, const files::GameFolder& game) {
    const fs::path& root = game.path();
    const auto exe = linkOf(process / "exe");
    const auto workingFolder = linkOf(process / "cwd");
    // Read after the links: a process that ended meanwhile has no command line any more, and a
    // kernel thread never has one.
    const std::string program = firstField(process / "cmdline");
    if (program.empty())
        return false;
    if (!isGameProgram(lastComponent(program)) && !(exe && isGameProgram(exe->filename().string())) &&
        !isGameProgram(firstField(process / "comm")))
        return false;
    const auto named = programFolder(program, workingFolder, game.winePrefix());
    if ((exe && isFolder(exe->parent_path(), root)) || (workingFolder && isFolder(*workingFolder, root)) ||
        (named && isFolder(*named, root)))
        return true;
    // Another user's game hides both links: it may be this folder's, and would undo an uninstall.
    return !exe && !workingFolder && !named;
}

} // namespace

bool gameRunningFrom(const files::GameFolder& game, const fs::path& processes) {
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(processes, error)) {
        const std::string pid = entry.path().filename().string();
        if (std::ranges::all_of(pid, [](char c) { return c >= '0' && c <= '9'; }) &&
            isGameOf(entry.path(), game))
            return true;
    }
    return false;
}

bool gameRunningFrom(const files::GameFolder& game) {
    return gameRunningFrom(game, "/proc");
}

} // namespace workspace
