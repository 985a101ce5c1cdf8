#include "files/WinePrefix.h"

#include "files/Environment.h"

#include <cctype>
#include <iterator>

namespace fs = std::filesystem;

namespace files {
namespace {

bool isDriveLink(const fs::path& name) {
    const std::string text = name.string();
    return text.size() == 2 && text[1] == ':' && std::isalpha(static_cast<unsigned char>(text[0]));
}

} // namespace

fs::path defaultWinePrefix(const std::optional<fs::path>& winePrefix, const std::optional<fs::path>& home) {
    if (winePrefix && !winePrefix->empty())
        return *winePrefix;
    return home && !home->empty() ? *home / ".wine" : fs::path();
}

fs::path Environment::winePrefixInUse() const {
    return defaultWinePrefix(winePrefix, home);
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
        if (*part != "dosdevices" || next == path.end() || !isDriveLink(*next))
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

} // namespace files
