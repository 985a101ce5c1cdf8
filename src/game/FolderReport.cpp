#include "game/FolderReport.h"

#include "game/LaunchOptions.h"
#include "game/ReportRendering.h"
#include "game/StartupReport.h"
#include "search/GameSearch.h"

namespace game {

std::string folderReport(const std::filesystem::path& gameRoot, const files::Environment& environment,
                         ReportFormat format) {
    const std::optional<std::filesystem::path> steam = search::steamFolderHolding(gameRoot, environment);
    const StartupReport report = readStartup(gameRoot, steam ? steamLaunchOptions(*steam) : std::nullopt);
    return format == ReportFormat::Json ? reportJson(report) : reportText(report);
}

} // namespace game
