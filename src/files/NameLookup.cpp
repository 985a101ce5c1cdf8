#include "files/NameLookup.h"

#include "files/AsciiCase.h"
#include "files/Utf8Path.h"

#include <algorithm>

namespace fs = std::filesystem;

namespace files {
namespace {

// Every entry's path, or nothing when the folder cannot be listed in full.
std::optional<std::vector<fs::path>> listedEntries(const fs::path& folder) {
    std::vector<fs::path> entries;
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        if (entries.size() == MaxListedEntries)
            return std::nullopt;
        entries.push_back(entry->path());
    }
    if (error)
        return std::nullopt;
    std::ranges::sort(entries);
    return entries;
}

bool isPlainName(std::string_view name) {
    return name != "." && name != ".." && name.find(':') == std::string_view::npos;
}

// base followed by relative as written, each separator a '/' and each name found where it exists: a
// name yet to be made, an empty one, "." and ".." stay as they are, for the file system to read.
fs::path keptUnder(fs::path base, std::string_view relative) {
    if (relative.empty())
        return base;
    if (relative.front() == '/' || relative.front() == '\\')
        relative.remove_prefix(1);
    for (;;) {
        const std::size_t end = relative.find_first_of("/\\");
        const std::string_view name = relative.substr(0, end);
        const bool plain = !name.empty() && name != "." && name != "..";
        const std::optional<fs::path> found = plain ? entryIgnoringCase(base, name) : std::nullopt;
        base += "/";
        base += found ? found->filename() : pathFromUtf8(name);
        if (end == std::string_view::npos)
            return base;
        relative.remove_prefix(end + 1);
    }
}

} // namespace

std::optional<fs::path> entryIgnoringCase(const fs::path& folder, std::string_view name) {
    const std::optional<fs::path> exact = pathFromText(name);
    if (!exact || name.empty())
        return std::nullopt;
    std::error_code error;
    if (fs::exists(fs::symlink_status(folder / *exact, error)))
        return folder / *exact;
    if (error && error != std::errc::no_such_file_or_directory)
        return std::nullopt;
    const std::optional<std::vector<fs::path>> entries = listedEntries(folder);
    if (!entries)
        return std::nullopt;
    for (const fs::path& entry : *entries) {
        const std::optional<std::string> entryName = textOfPath(entry.filename());
        if (entryName && equalsIgnoringCase(*entryName, name))
            return entry;
    }
    return std::nullopt;
}

std::optional<fs::path> followIgnoringCase(fs::path base, std::string_view relative, MissingNames missing) {
    if (missing == MissingNames::Kept)
        return keptUnder(std::move(base), relative);
    if (relative.empty() || relative.front() == '/' || relative.front() == '\\')
        return std::nullopt;
    while (!relative.empty()) {
        const std::size_t end = std::min(relative.find_first_of("/\\"), relative.size());
        const std::string_view name = relative.substr(0, end);
        relative.remove_prefix(std::min(end + 1, relative.size()));
        if (name.empty())
            continue;
        std::optional<fs::path> found = isPlainName(name) ? entryIgnoringCase(base, name) : std::nullopt;
        if (!found)
            return std::nullopt;
        base = std::move(*found);
    }
    return base;
}

bool appendResolvedFolder(std::vector<fs::path>& folders, const fs::path& folder) {
    std::error_code error;
    fs::path resolved = fs::canonical(folder, error);
    if (error || !fs::is_directory(resolved, error) || std::ranges::find(folders, resolved) != folders.end())
        return false;
    folders.push_back(std::move(resolved));
    return true;
}

std::vector<fs::path> subfoldersInOrder(const fs::path& folder) {
    std::vector<fs::path> folders;
    for (fs::path& entry : listedEntries(folder).value_or(std::vector<fs::path>{})) {
        std::error_code error;
        if (fs::is_directory(entry, error))
            folders.push_back(std::move(entry));
    }
    return folders;
}

} // namespace files
