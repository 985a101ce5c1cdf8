#include "workspace/RestorePointText.h"

#include "game/ReportRendering.h"

namespace workspace {

const char* const GameRunningRefusal = "Counter-Strike is running. Close it first: it saves its settings "
                                       "when it quits, and would undo the uninstall.";

namespace {

std::string fileJson(const PointFile& file) {
    std::string text = "{\"path\": " + game::jsonString(file.path);
    if (file.absent)
        return text + ", \"absent\": true}";
    return text + ", \"bytes\": " + std::to_string(file.bytes) + ", \"sha256\": \"" + file.sha256 + "\"}";
}

std::string pointJson(const PointSummary& point) {
    std::string text = "{\"id\": " + game::jsonString(point.id);
    if (point.manifest)
        text += ", \"time\": " + game::jsonString(point.manifest->time) + ", \"madeBy\": \"" +
                madeByName(point.manifest->madeBy) + '"';
    else
        text += ", \"time\": null, \"madeBy\": null";
    text += std::string(", \"damaged\": ") + (point.damaged ? "true" : "false") + ", \"files\": [";
    if (point.manifest)
        for (std::size_t i = 0; i < point.manifest->files.size(); ++i)
            text += (i ? ", " : "") + fileJson(point.manifest->files[i]);
    return text + "]}";
}

} // namespace

std::string pointsJson(const std::string& gameRoot, const std::vector<PointSummary>& points) {
    std::string text = "{\"gameRoot\": " + game::jsonString(gameRoot) + ", \"points\": [";
    for (std::size_t i = 0; i < points.size(); ++i)
        text += (i ? ", " : "") + pointJson(points[i]);
    return text + "]}\n";
}

std::string pointsText(const std::string& gameRoot, const std::vector<PointSummary>& points) {
    if (points.empty())
        return "The game folder " + gameRoot + " has no restore points yet.\n";
    std::string text = "Restore points of " + gameRoot + ", newest first:\n";
    for (const PointSummary& point : points) {
        text += point.id;
        if (point.manifest)
            text += std::string("  ") + point.manifest->time + "  made before " +
                    madeByName(point.manifest->madeBy);
        text += point.damaged ? "  damaged: it cannot be restored\n" : "\n";
    }
    return text;
}

std::string restoreOutcomeText(RestoreOutcome outcome, const std::string& id) {
    switch (outcome) {
    case RestoreOutcome::Restored:
        return "The game's scripts are back as they were at restore point " + id +
               ". What they held before is kept as a new restore point.\n";
    case RestoreOutcome::UnknownPoint:
        return "This game folder has no restore point " + id +
               ". Nothing was changed. `zentrimo --restore-points` lists them.\n";
    case RestoreOutcome::Damaged:
        return "Restore point " + id +
               " is damaged: its files are not as they were written, so it cannot be restored. Nothing was "
               "changed.\n";
    case RestoreOutcome::GameRunning:
        return std::string(GameRunningRefusal) + " Nothing was changed.\n";
    }
    return {};
}

} // namespace workspace
