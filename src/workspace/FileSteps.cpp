#include "workspace/FileSteps.h"

#include "files/WholeFile.h"

#include "files/FileError.h"
#include "files/SystemFiles.h"
#include "workspace/GameFiles.h"

#include <random>
#include <string_view>
#include <system_error>

namespace workspace {

using files::FileError;
using files::GameFileProblem;

namespace fs = std::filesystem;

namespace {

constexpr int MaxLinkHops = 40;
constexpr int MaxTempNameTries = 16;

constexpr std::string_view TempMark = ".zentrimo-";
constexpr std::size_t TempDigits = 12;
constexpr std::string_view Digits = "0123456789abcdef";

// A name nobody can plant a link or a FIFO under in advance. Fresh randomness for each name: a
// generator's state would be shared by every process forked after it.
fs::path tempNameBeside(const fs::path& target) {
    std::random_device random;
    std::string suffix(TempMark);
    for (std::size_t i = 0; i < TempDigits; ++i)
        suffix += Digits[random() % Digits.size()];
    fs::path temp = target;
    temp += suffix;
    return temp;
}

// The name a replace gives its temporary file: a file's name, the mark and the digits. Taken as UTF-8,
// which any name in the folder has, whatever its letters.
bool isTempName(const fs::path& file) {
    const std::u8string name = file.filename().u8string();
    const std::size_t length = TempMark.size() + TempDigits;
    if (name.size() <= length)
        return false;
    const std::string tail(name.end() - static_cast<std::ptrdiff_t>(length), name.end());
    return tail.starts_with(TempMark) && tail.find_first_not_of(Digits, TempMark.size()) == std::string::npos;
}

} // namespace

void FileSteps::before(FileStep step, const fs::path& file) const {
    if (m_hook)
        m_hook(step, file);
}

void FileSteps::holdFolder(const fs::path& folder) const {
    before(FileStep::Lock, folder);
    files::sys::holdFolder(folder);
}

bool FileSteps::exists(const fs::path& file) const {
    before(FileStep::Stat, file);
    return fileExists(file);
}

bool FileSteps::ownFileExists(const fs::path& file) const {
    if (isLink(file))
        throw FileError(GameFileProblem::NotARegularFile, file);
    before(FileStep::Stat, file);
    const auto facts = files::sys::lookAt(file);
    if (facts && !facts->regular)
        throw FileError(GameFileProblem::NotARegularFile, file);
    return facts && !facts->hidden;
}

void FileSteps::checkReplaceable(const fs::path& file, WriteProtected protectedFile) const {
    const fs::path target = followLinks(file);
    before(FileStep::Stat, target);
    const auto facts = files::sys::lookAt(target);
    if (!facts)
        return;
    if (!facts->regular)
        throw FileError(GameFileProblem::NotARegularFile, target);
    if (!facts->writable && protectedFile == WriteProtected::Refuse)
        throw FileError(std::make_error_code(std::errc::permission_denied), target);
    if (facts->size > files::MaxFileBytes)
        throw FileError(std::make_error_code(std::errc::file_too_large), target);
}

bool FileSteps::isLink(const fs::path& file) const {
    before(FileStep::Stat, file);
    return files::sys::linkTarget(file).has_value();
}

void FileSteps::createEmpty(const fs::path& file) const {
    before(FileStep::Create, file);
    // Appending creates the file without emptying one the existence test cannot see (a hidden
    // script on Windows): the player's own lines are never lost.
    files::sys::open(file, files::sys::Opening::Append)->close();
}

std::string FileSteps::readWhole(const fs::path& file) const {
    before(FileStep::Open, file);
    files::sys::OpenFile in = *files::sys::open(file, files::sys::Opening::Read);
    before(FileStep::Stat, file);
    if (in.facts().size > files::MaxFileBytes)
        throw FileError(std::make_error_code(std::errc::file_too_large), file);
    before(FileStep::Read, file);
    return in.readAll(files::MaxFileBytes);
}

std::optional<std::string> FileSteps::readIfPresent(const fs::path& file) const {
    try {
        return readWhole(file);
    } catch (const FileError& error) {
        if (error.code() == std::errc::no_such_file_or_directory ||
            error.code() == std::errc::not_a_directory)
            return std::nullopt;
        throw;
    }
}

fs::path FileSteps::followLinks(fs::path file) const {
    for (int hops = 0;; ++hops) {
        before(FileStep::Stat, file);
        const auto target = files::sys::linkTarget(file);
        if (!target)
            return file;
        if (hops == MaxLinkHops)
            throw FileError(std::make_error_code(std::errc::too_many_symbolic_link_levels), file);
        file = file.parent_path() / *target;
    }
}

void FileSteps::replaceWhole(const fs::path& source, const fs::path& destination) const {
    replaceWith(destination, readWhole(source));
}

void FileSteps::replaceWith(const fs::path& destination, const std::string& contents,
                            WriteProtected protectedFile) const {
    // A link keeps being a link: the file it points to is the one replaced.
    const fs::path target = followLinks(destination);
    before(FileStep::Stat, target);
    const auto old = files::sys::lookAt(target);
    if (old && !old->regular)
        throw FileError(GameFileProblem::NotARegularFile, target);
    // A rename only needs the folder to be writable; a player who write-protected the file meant it.
    if (old && !old->writable && protectedFile == WriteProtected::Refuse)
        throw FileError(std::make_error_code(std::errc::permission_denied), target);

    fs::path temp;
    std::optional<files::sys::OpenFile> out;
    for (int tries = 0; !out; ++tries) {
        if (tries == MaxTempNameTries)
            throw FileError(std::make_error_code(std::errc::file_exists), temp);
        temp = tempNameBeside(target);
        before(FileStep::Create, temp);
        if (auto created = files::sys::open(temp, files::sys::Opening::CreateNew))
            out.emplace(std::move(*created));
    }
    try {
        before(FileStep::Write, temp);
        out->write(contents);
        before(FileStep::Sync, temp);
        out->sync();
        before(FileStep::Chmod, temp);
        out->takeOver(old ? *old : files::sys::newFileFacts());
        out->close();
        before(FileStep::Rename, target);
        files::sys::renameOver(temp, target);
    } catch (...) {
        out.reset();
        try {
            files::sys::removeFile(temp);
        } catch (const FileError&) {
            // The first failure is the one to report; a stray temporary file harms nothing.
        }
        throw;
    }
    before(FileStep::SyncFolder, target.parent_path());
    files::sys::syncFolder(target.parent_path());
}

void FileSteps::writeNew(const fs::path& file, const std::string& bytes) const {
    before(FileStep::Create, file);
    auto out = files::sys::open(file, files::sys::Opening::CreateNew);
    if (!out)
        throw FileError(std::make_error_code(std::errc::file_exists), file);
    before(FileStep::Write, file);
    out->write(bytes);
    before(FileStep::Sync, file);
    out->sync();
    out->close();
}

void FileSteps::syncFolder(const fs::path& folder) const {
    before(FileStep::SyncFolder, folder);
    files::sys::syncFolder(folder);
}

void FileSteps::appendLines(const fs::path& file, const std::vector<std::string>& lines) const {
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    before(FileStep::Open, file);
    files::sys::OpenFile out = *files::sys::open(file, files::sys::Opening::Append);
    before(FileStep::Write, file);
    out.write(bytes);
    out.close();
}

void FileSteps::removeLeftTemporaries(const fs::path& folder) const {
    before(FileStep::List, folder);
    std::error_code error;
    std::vector<fs::path> left;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error))
        if (isTempName(entry->path()))
            left.push_back(entry->path());
    if (error && error != std::errc::no_such_file_or_directory)
        throw FileError(error, folder);
    for (const fs::path& file : left) {
        if (isLink(file))
            continue;
        before(FileStep::Stat, file);
        if (const auto facts = files::sys::lookAt(file); !facts || !facts->regular)
            continue;
        before(FileStep::Remove, file);
        files::sys::removeFile(file);
    }
}

void FileSteps::remove(const fs::path& file) const {
    before(FileStep::Remove, file);
    if (!files::sys::removeFile(file))
        throw FileError(std::make_error_code(std::errc::no_such_file_or_directory), file);
}

void FileSteps::removeIfPresent(const fs::path& file) const {
    before(FileStep::Remove, file);
    files::sys::removeFile(file);
}

} // namespace workspace
