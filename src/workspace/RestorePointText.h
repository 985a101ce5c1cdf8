#pragma once

#include "game/Message.h"
#include "workspace/RestorePoints.h"

#include <string>
#include <vector>

namespace workspace {

// The points of gameRoot, newest first, as one JSON object:
// {"gameRoot": ..., "points": [{"id", "time", "madeBy", "damaged", "files": [{"path", "bytes", "sha256"} or
// {"path", "absent": true}]}]}; a point whose manifest is damaged has a null time and madeBy and no files.
std::string pointsJson(const std::string& gameRoot, const std::vector<PointSummary>& points);

// One line a point for a person: its id, its time, what made it, and whether it is damaged.
std::string pointsText(const std::string& gameRoot, const std::vector<PointSummary>& points,
                       const game::Wording& words = game::englishWording());

// What a restore of point id did, or why it did nothing; as text, ending in a line end.
game::Message restoreOutcome(RestoreOutcome outcome, const std::string& id);
std::string restoreOutcomeText(RestoreOutcome outcome, const std::string& id,
                               const game::Wording& words = game::englishWording());

} // namespace workspace
