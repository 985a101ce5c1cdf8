#include "game/FolderReport.h"

#include "files/WinePrefix.h"
#include "game/LaunchOptions.h"
#include "game/ReportRendering.h"
#include "game/StartupReport.h"
#include "game/StoredRateLookup.h"
#include "search/GameSearch.h"

namespace game {

FolderCheck checkFolder(const files::GameFolder& game, const files::Environment& environment) {
    // The report names the files as the player knows them, not by Wine's drive links.
    const std::filesystem::path gameRoot = files::asThePlayerKnowsIt(game.path());
    const std::optional<std::filesystem::path> steam = search::steamFolderHolding(gameRoot, environment);
    FolderCheck check{readStartup(gameRoot, steam ? steamLaunchOptions(*steam) : std::nullopt,
                                  storedRateFor(gameRoot, steam)),
                      {}};
    check.fixes = proposedFixes(check.report, gameRoot);
    return check;
}

std::string folderReport(const files::GameFolder& game, const files::Environment& environment,
                         ReportFormat format, const Wording& words) {
    const FolderCheck check = checkFolder(game, environment);
    return format == ReportFormat::Json ? reportJson(check.report, check.fixes)
                                        : reportText(check.report, words);
}

} // namespace game
