#include "files/WinePrefix.h"

#include "files/AsciiCase.h"
#include "files/Environment.h"

#include <iterator>

namespace fs = std::filesystem;

namespace files {

fs::path defaultWinePrefix(const std::optional<fs::path>& winePrefix, const std::optional<fs::path>& home) {
    if (winePrefix && !winePrefix->empty())
        return *winePrefix;
    return home && !home->empty() ? *home / ".wine" : fs::path();
}

fs::path Environment::winePrefixInUse() const {
    return defaultWinePrefix(winePrefix, home);
}

bool hasDriveLetter(std::string_view path) {
    return path.size() >= 2 && upperAscii(path[0]) >= 'A' && upperAscii(path[0]) <= 'Z' && path[1] == ':' &&
           (path.size() == 2 || path[2] == '\\' || path[2] == '/');
}

fs::path driveLink(const fs::path& prefix, char letter) {
    // Wine names each link by its lower-case letter and a colon.
    const std::string name{lowerAscii(letter), ':'};
    return entryIgnoringCase(prefix / "dosdevices", name).value_or(prefix / "dosdevices" / name);
}

std::optional<fs::path> throughDriveLinks(const fs::path& prefix, std::string_view windowsPath,
                                          MissingNames missing) {
    if (!hasDriveLetter(windowsPath))
        return std::nullopt;
    const std::string rest(windowsPath.substr(2));
    if (missing == MissingNames::Kept)
        return followIgnoringCase(prefix / "dosdevices", std::string{lowerAscii(windowsPath[0]), ':'} + rest,
                                  missing);
    const fs::path link = driveLink(prefix, windowsPath[0]);
    std::error_code error;
    if (!fs::exists(fs::symlink_status(link, error)))
        return std::nullopt;
    const std::string_view below =
        std::string_view(rest).substr(std::min(rest.find_first_not_of("/\\"), rest.size()));
    return below.empty() ? link : followIgnoringCase(link, below);
}

fs::path driveFolder(const fs::path& link) {
    std::error_code error;
    if (!fs::is_symlink(link, error))
        return {};
    const fs::path target = fs::read_symlink(link, error);
    if (error)
        return {};
    return target.is_absolute() ? target : (link.parent_path() / target).lexically_normal();
}

fs::path asThePlayerKnowsIt(const fs::path& path) {
    fs::path link;
    for (auto part = path.begin(); part != path.end(); ++part) {
        link /= *part;
        const auto next = std::next(part);
        if (*part != "dosdevices" || next == path.end() || next->string().size() != 2 ||
            !hasDriveLetter(next->string()))
            continue;
        fs::path folder = driveFolder(link / *next);
        if (folder.empty())
            return path;
        for (auto rest = std::next(next); rest != path.end(); ++rest)
            folder /= *rest;
        return folder;
    }
    return path;
}

std::vector<std::pair<char, fs::path>> wineDrives(const fs::path& prefix) {
    std::vector<std::pair<char, fs::path>> drives;
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        const fs::path folder = driveFolder(driveLink(prefix, letter));
        std::error_code error;
        if (!folder.empty() && fs::is_directory(folder, error))
            drives.emplace_back(letter, folder);
    }
    return drives;
}

} // namespace files
