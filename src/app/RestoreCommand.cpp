#include "app/RestoreCommand.h"

#include "app/ReportCommand.h"
#include "wizard/CoreWords.h"
#include "workspace/RestorePointText.h"
#include "workspace/RestorePoints.h"
#include "workspace/RunningGame.h"

#include <QCoreApplication>

using wizard::said;

int restorePointsOnConsole(const std::optional<std::string>& gameRoot, bool json,
                           const files::Environment& environment, const std::filesystem::path& pointsRoot,
                           std::ostream& out, std::ostream& error) {
    return onConsoleGame(gameRoot, environment, error, [&](const files::GameFolder& game) {
        const workspace::GameScripts scripts = workspace::gameScripts(game);
        const auto points = workspace::RestorePoints(pointsRoot, scripts).list();
        out << (json ? workspace::pointsJson(game.given(), points)
                     : workspace::pointsText(game.given(), points, wizard::programWording()));
        if (out.flush())
            return 0;
        error << said(QCoreApplication::translate("console", "The restore points could not be written."))
              << '\n';
        return 1;
    });
}

int restoreOnConsole(const std::string& id, const std::optional<std::string>& gameRoot,
                     const files::Environment& environment, const std::filesystem::path& pointsRoot,
                     std::ostream& out, std::ostream& error) {
    return onConsoleGame(gameRoot, environment, error, [&](const files::GameFolder& game) {
        const workspace::RestorePoints points(pointsRoot, workspace::gameScripts(game));
        const workspace::RestoreOutcome outcome = points.restore(id, workspace::gameRunningFrom(game));
        const std::string said = workspace::restoreOutcomeText(outcome, id, wizard::programWording());
        switch (outcome) {
        case workspace::RestoreOutcome::Restored:
            out << said;
            return out.flush() ? 0 : 1;
        case workspace::RestoreOutcome::GameRunning:
            error << said;
            return 3;
        case workspace::RestoreOutcome::UnknownPoint:
        case workspace::RestoreOutcome::Damaged:
            break;
        }
        error << said;
        return 2;
    });
}
