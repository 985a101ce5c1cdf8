#pragma once

#include "workspace/FileSteps.h"

#include "files/GameFolder.h"
#include "workspace/RestorePointManifest.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace workspace {

// One of the game's script files a point keeps: its name under the game folder, where it is, and
// whether it is one of the program's own (refused when a link or anything but a regular file).
struct ScriptFile {
    std::string name; // "cstrike/autoexec.cfg"
    std::filesystem::path path;
    bool own = false;
};

// The game folder as a point records it, and its files.
struct GameScripts {
    std::string gameRoot; // the folder the file system names, the same for every spelling of it
    std::vector<ScriptFile> files;
};

// The files of the game folder that every point keeps.
GameScripts gameScripts(const files::GameFolder& folder);

struct PointSummary {
    std::string id;
    std::optional<Manifest> manifest; // nothing when the manifest itself is damaged
    bool damaged = false;
};

enum class RestoreOutcome { Restored, UnknownPoint, Damaged, GameRunning };

// The restore points of one game folder, kept in a folder of their own under pointsRoot (the player's
// data folder, never the game's). Every change to the game's scripts first keeps a point; a point is
// complete exactly when its manifest is written, last. The newest KeptPoints points are kept, and the
// oldest always: the player's own state before the program changed anything. An empty pointsRoot (no data
// folder) has no points, and keeps none: every change is then refused.
class RestorePoints {
public:
    static constexpr std::size_t KeptPoints = 30;

    RestorePoints(const std::filesystem::path& pointsRoot, GameScripts game, FileSteps files = FileSteps());

    const std::filesystem::path& folder() const { return m_folder; }

    // Copies each file (or records it absent) and writes the manifest; returns the point's id. Throws
    // FileError when the point cannot be written whole: then the change must not start.
    std::string keep(MadeBy madeBy) const;

    // Newest first, each checked against what its manifest says.
    std::vector<PointSummary> list() const;

    // Each file's bytes in the point (nothing: absent), in the order of the game's files; nothing when the
    // point is unknown or damaged.
    std::optional<std::vector<std::optional<std::string>>> contents(const std::string& id) const;

    // Puts every file back as the point holds it, after a `restore` point of the present. Every file is
    // checked before the first change; a failure part-way leaves what a second restore finishes.
    RestoreOutcome restore(const std::string& id, bool gameRunning) const;

private:
    std::vector<std::string> completeIds() const;
    PointSummary check(const std::string& id, std::vector<std::optional<std::string>>* copies) const;
    std::string newId() const;
    void prune() const;
    void removePoint(const std::string& id) const;

    GameScripts m_game;
    std::filesystem::path m_folder;
    FileSteps m_files;
};

} // namespace workspace
