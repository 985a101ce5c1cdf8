#include "game/FolderReport.h"

#include "game/LaunchOptions.h"
#include "game/ReportRendering.h"
#include "game/StartupReport.h"
#include "game/StoredRateLookup.h"
#include "search/GameSearch.h"

namespace game {

FolderCheck checkFolder(const std::filesystem::path& gameRoot, const files::Environment& environment) {
    const std::optional<std::filesystem::path> steam = search::steamFolderHolding(gameRoot, environment);
    FolderCheck check{readStartup(gameRoot, steam ? steamLaunchOptions(*steam) : std::nullopt,
                                  storedRateFor(gameRoot, steam)),
                      {}};
    check.fixes = proposedFixes(check.report, gameRoot);
    return check;
}

std::string folderReport(const std::filesystem::path& gameRoot, const files::Environment& environment,
                         ReportFormat format) {
    const FolderCheck check = checkFolder(gameRoot, environment);
    return format == ReportFormat::Json ? reportJson(check.report, check.fixes) : reportText(check.report);
}

} // namespace game
