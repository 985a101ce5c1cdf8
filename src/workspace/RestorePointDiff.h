#pragma once

#include "game/Message.h"
#include "workspace/RestorePoints.h"

#include <optional>
#include <string>
#include <vector>

namespace workspace {

// Each file's bytes (nothing: absent), in the order of the game's files.
using FileContents = std::vector<std::optional<std::string>>;

// The game's files as they are today, in the order of game.files.
FileContents todaysContents(const GameScripts& game);

// The names of the files whose bytes today differ from what the manifest records.
std::vector<std::string> filesDifferingFromToday(const Manifest& manifest, const FileContents& today);

// What a restore to `point` would do to each file of today, as a line diff a person reads: for each file
// that would change, a header line and its lines, "-" for a line that goes and "+" for one that comes.
std::string restoreDiff(const GameScripts& game, const FileContents& today, const FileContents& point,
                        const game::Wording& words = game::englishWording());

} // namespace workspace
