#include "workspace/RestorePoints.h"

#include "files/FileError.h"
#include "workspace/GameFiles.h"
#include "workspace/Sha256.h"

#include "files/Utf8Path.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <ctime>
#include <utility>

namespace workspace {

using files::FileError;
using files::GameFileProblem;

namespace fs = std::filesystem;

namespace {

constexpr const char* ManifestName = "manifest";

struct KnownFile {
    const char* suffix;
    bool own;
};

// The player's scripts first, then the program's own files and records.
constexpr std::array<KnownFile, 8> KnownFiles{{{StartupScriptSuffix, false},
                                               {GameConfigSuffix, false},
                                               {UserConfigSuffix, false},
                                               {OwnSettingsSuffix, true},
                                               {BackupSuffix, true},
                                               {WorkspaceSuffix, true},
                                               {AddedExecRecordSuffix, true},
                                               {SavedValuesRecordSuffix, true}}};

std::string nameUnderGame(const char* suffix) {
    std::string name = std::string(suffix).substr(1);
    std::replace(name.begin(), name.end(), '\\', '/');
    return name;
}

std::tm utcNow(std::chrono::milliseconds& milliseconds) {
    const auto now = std::chrono::system_clock::now();
    milliseconds = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()) % 1000;
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm utc{};
#ifdef _WIN32
    gmtime_s(&utc, &seconds);
#else
    gmtime_r(&seconds, &utc);
#endif
    return utc;
}

std::string formatted(const std::tm& time, const char* format) {
    std::array<char, 32> text{};
    return std::string(text.data(), std::strftime(text.data(), text.size(), format, &time));
}

// A folder name for a game folder: the same for the same folder, whatever its letters.
std::string folderNameOf(const std::string& gameRoot) {
    return sha256Hex(gameRoot).substr(0, 16);
}

// The game rewrites config.cfg itself: a player's write-protection there is kept, not obeyed.
WriteProtected protection(const ScriptFile& file) {
    return file.name == nameUnderGame(GameConfigSuffix) ? WriteProtected::Replace : WriteProtected::Refuse;
}

void throwIfFailed(const std::error_code& error, const fs::path& path) {
    if (error)
        throw FileError(error, path);
}

} // namespace

GameScripts gameScripts(const files::GameFolder& folder) {
    GameScripts game;
    std::error_code error;
    const fs::path& root = folder.path();
    const fs::path canonical = fs::weakly_canonical(root, error);
    game.gameRoot = files::utf8Of(error ? root : canonical);
    for (const KnownFile& known : KnownFiles)
        game.files.push_back({nameUnderGame(known.suffix), folder.file(known.suffix), known.own});
    return game;
}

RestorePoints::RestorePoints(const fs::path& pointsRoot, GameScripts game, FileSteps files)
    : m_game(std::move(game)), m_folder(pointsRoot / folderNameOf(m_game.gameRoot)),
      m_files(std::move(files)) {}

std::vector<std::string> RestorePoints::completeIds() const {
    std::vector<std::string> ids;
    if (m_folder.empty())
        return ids;
    std::error_code error;
    for (fs::directory_iterator entry(m_folder, error), end; !error && entry != end; entry.increment(error))
        if (m_files.exists(entry->path() / ManifestName) || m_files.isLink(entry->path() / ManifestName))
            ids.push_back(entry->path().filename().string());
    if (error && error != std::errc::no_such_file_or_directory)
        throw FileError(error, m_folder);
    std::sort(ids.begin(), ids.end());
    return ids;
}

std::string RestorePoints::newId() const {
    std::chrono::milliseconds milliseconds{};
    const std::tm utc = utcNow(milliseconds);
    const std::string stem =
        formatted(utc, "%Y%m%d-%H%M%S-") + std::to_string(1000 + milliseconds.count()).substr(1);
    std::string id = stem;
    for (int copy = 2; fs::exists(m_folder / id); ++copy)
        id = stem + '-' + std::to_string(copy);
    return id;
}

std::string RestorePoints::keep(MadeBy madeBy) const {
    // Without a data folder (no home) there is nowhere to keep a point, and so no change.
    if (m_folder.empty())
        throw FileError(std::make_error_code(std::errc::no_such_file_or_directory), m_folder);
    std::error_code error;
    fs::create_directories(m_folder, error);
    throwIfFailed(error, m_folder);
    std::chrono::milliseconds unused{};
    Manifest manifest{formatted(utcNow(unused), "%Y-%m-%dT%H:%M:%SZ"), madeBy, m_game.gameRoot, {}};
    const std::string id = newId();
    const fs::path point = m_folder / id;
    fs::create_directory(point, error);
    throwIfFailed(error, point);
    for (const ScriptFile& file : m_game.files) {
        const auto bytes = m_files.readIfPresent(file.path);
        if (!bytes) {
            manifest.files.push_back({file.name, true, 0, {}});
            continue;
        }
        m_files.writeNew(point / file.path.filename(), *bytes);
        manifest.files.push_back({file.name, false, bytes->size(), sha256Hex(*bytes)});
    }
    // The copies' names last before the manifest, the one file whose arrival makes the point.
    m_files.syncFolder(point);
    m_files.replaceWith(point / ManifestName, manifestText(manifest));
    prune();
    return id;
}

void RestorePoints::removePoint(const std::string& id) const {
    // The manifest first: a point cut short by a crash is then only a leftover, never a damaged point.
    m_files.removeIfPresent(m_folder / id / ManifestName);
    std::error_code error;
    fs::remove_all(m_folder / id, error);
    throwIfFailed(error, m_folder / id);
}

void RestorePoints::prune() const {
    std::vector<std::string> leftovers;
    std::error_code error;
    for (fs::directory_iterator entry(m_folder, error), end; !error && entry != end; entry.increment(error))
        if (!fs::exists(entry->path() / ManifestName, error) && !fs::is_symlink(entry->path() / ManifestName))
            leftovers.push_back(entry->path().filename().string());
    throwIfFailed(error, m_folder);
    for (const std::string& id : leftovers)
        removePoint(id);
    const std::vector<std::string> ids = completeIds();
    // The oldest, and the newest KeptPoints.
    for (std::size_t i = 1; i + KeptPoints < ids.size(); ++i)
        removePoint(ids[i]);
}

PointSummary RestorePoints::check(const std::string& id,
                                  std::vector<std::optional<std::string>>* copies) const {
    PointSummary summary{id, std::nullopt, true};
    const fs::path point = m_folder / id;
    // A link planted as a manifest or as a copy could make a restore write anything anywhere.
    if (m_files.isLink(point / ManifestName))
        return summary;
    const auto text = m_files.readIfPresent(point / ManifestName);
    summary.manifest = text ? parseManifest(*text) : std::nullopt;
    if (!summary.manifest || summary.manifest->gameRoot != m_game.gameRoot ||
        summary.manifest->files.size() != m_game.files.size())
        return summary;
    std::vector<std::optional<std::string>> found;
    for (std::size_t i = 0; i < m_game.files.size(); ++i) {
        const PointFile& recorded = summary.manifest->files[i];
        if (recorded.path != m_game.files[i].name)
            return summary;
        if (recorded.absent) {
            found.emplace_back();
            continue;
        }
        const fs::path copy = point / m_game.files[i].path.filename();
        if (m_files.isLink(copy) || !m_files.exists(copy))
            return summary;
        std::string bytes = m_files.readWhole(copy);
        if (bytes.size() != recorded.bytes || sha256Hex(bytes) != recorded.sha256)
            return summary;
        found.emplace_back(std::move(bytes));
    }
    summary.damaged = false;
    if (copies)
        *copies = std::move(found);
    return summary;
}

std::vector<PointSummary> RestorePoints::list() const {
    std::vector<PointSummary> points;
    const std::vector<std::string> ids = completeIds();
    for (auto id = ids.rbegin(); id != ids.rend(); ++id)
        points.push_back(check(*id, nullptr));
    return points;
}

std::optional<std::vector<std::optional<std::string>>> RestorePoints::contents(const std::string& id) const {
    const std::vector<std::string> ids = completeIds();
    if (std::find(ids.begin(), ids.end(), id) == ids.end())
        return std::nullopt;
    std::vector<std::optional<std::string>> copies;
    if (check(id, &copies).damaged)
        return std::nullopt;
    return copies;
}

RestoreOutcome RestorePoints::restore(const std::string& id, bool gameRunning) const {
    if (gameRunning)
        return RestoreOutcome::GameRunning;
    const std::vector<std::string> ids = completeIds();
    if (std::find(ids.begin(), ids.end(), id) == ids.end())
        return RestoreOutcome::UnknownPoint;
    std::vector<std::optional<std::string>> copies;
    if (check(id, &copies).damaged)
        return RestoreOutcome::Damaged;
    const fs::path cstrike = m_game.files.front().path.parent_path();
    m_files.holdFolder(cstrike);
    m_files.removeLeftTemporaries(cstrike);
    // Every file is looked at before the first change: a problem leaves every file as it was.
    std::vector<bool> changes;
    for (std::size_t i = 0; i < m_game.files.size(); ++i) {
        const ScriptFile& file = m_game.files[i];
        const bool present = file.own ? m_files.ownFileExists(file.path) : m_files.exists(file.path);
        const bool changed = present ? m_files.readWhole(file.path) != copies[i] : copies[i].has_value();
        if (changed && copies[i])
            m_files.checkReplaceable(file.path, protection(file));
        changes.push_back(changed);
    }
    keep(MadeBy::Restore);
    for (std::size_t i = 0; i < m_game.files.size(); ++i) {
        if (!changes[i])
            continue;
        if (copies[i])
            m_files.replaceWith(m_game.files[i].path, *copies[i], protection(m_game.files[i]));
        else
            m_files.removeIfPresent(m_game.files[i].path);
    }
    return RestoreOutcome::Restored;
}

} // namespace workspace
