#include "workspace/RestorePointText.h"

#include "game/ReportRendering.h"

namespace workspace {

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

std::string pointsText(const std::string& gameRoot, const std::vector<PointSummary>& points,
                       const game::Wording& words) {
    using game::Phrase;
    if (points.empty())
        return words({Phrase::PointsNone, {gameRoot}}) + "\n";
    std::string text = words({Phrase::PointsHeading, {gameRoot}}) + "\n";
    for (const PointSummary& point : points) {
        if (point.manifest)
            text += words({point.damaged ? Phrase::PointMadeDamaged : Phrase::PointMade,
                           {point.id, point.manifest->time, madeByName(point.manifest->madeBy)}});
        else
            text += point.damaged ? words({Phrase::PointDamaged, {point.id}}) : point.id;
        text += "\n";
    }
    return text;
}

game::Message restoreOutcome(RestoreOutcome outcome, const std::string& id) {
    using game::Phrase;
    switch (outcome) {
    case RestoreOutcome::Restored:
        return {Phrase::RestoreDone, {id}};
    case RestoreOutcome::UnknownPoint:
        return {Phrase::RestoreUnknown, {id}};
    case RestoreOutcome::Damaged:
        return {Phrase::RestoreDamaged, {id}};
    case RestoreOutcome::GameRunning:
        break;
    }
    return {Phrase::RestoreGameRunning};
}

std::string restoreOutcomeText(RestoreOutcome outcome, const std::string& id, const game::Wording& words) {
    return words(restoreOutcome(outcome, id)) + "\n";
}

} // namespace workspace
