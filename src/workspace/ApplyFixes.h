#pragma once

#include "game/ReportFixes.h"
#include "workspace/FileSteps.h"

#include "files/GameFolder.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Applying the report's fixes: every file they touch read and checked first, then each replaced whole.
namespace workspace {

class RestorePoints;

// A file as the chosen fixes leave it.
struct FileChange {
    std::filesystem::path path;
    std::optional<std::string> before; // nothing: the fix creates it
    std::string after;
};

// What the fixes make of each file they edit. Throws FileError: ChangedSinceRead when a line no longer
// holds what a fix expects; any refusal replaceWith would make, before anything changes.
std::vector<FileChange> plannedChanges(const files::GameFolder& game, const std::vector<game::Fix>& fixes,
                                       const FileSteps& files = FileSteps());

// The fixes' edits for a person: for each file, its lines taken out (-) and put in (+), by line.
std::string diffText(const std::vector<game::Fix>& fixes,
                     const game::Wording& words = game::englishWording());

enum class FixOutcome { Applied, GameRunning };

using RunningCheck = std::function<bool(const files::GameFolder& game)>;

// Applies the fixes in one step; refused, with nothing read or changed, while the game runs from game.
// With every file checked and before the first change, points (when given) keeps a `fix` point.
FixOutcome applyFixes(const files::GameFolder& game, const std::vector<game::Fix>& fixes,
                      const RunningCheck& running, const FileSteps& files = FileSteps(),
                      const RestorePoints* points = nullptr);

} // namespace workspace
