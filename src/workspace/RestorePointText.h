#pragma once

#include "workspace/RestorePoints.h"

#include <string>
#include <vector>

namespace workspace {

// The points of gameRoot, newest first, as one JSON object:
// {"gameRoot": ..., "points": [{"id", "time", "madeBy", "damaged", "files": [{"path", "bytes", "sha256"} or
// {"path", "absent": true}]}]}; a point whose manifest is damaged has a null time and madeBy and no files.
std::string pointsJson(const std::string& gameRoot, const std::vector<PointSummary>& points);

// One line a point for a person: its id, its time, what made it, and whether it is damaged.
std::string pointsText(const std::string& gameRoot, const std::vector<PointSummary>& points);

// What a restore of point id did, or why it did nothing: whole sentences, ending in a line end.
std::string restoreOutcomeText(RestoreOutcome outcome, const std::string& id);

// Why a change is refused while the game runs from its folder: it saves its settings when it quits.
extern const char* const GameRunningRefusal;

} // namespace workspace
