#include "app/RestoreCommand.h"

#include "app/ReportCommand.h"
#include "wizard/CoreWords.h"
#include "workspace/FileError.h"
#include "workspace/RestorePointText.h"
#include "workspace/RestorePoints.h"
#include "workspace/RunningGame.h"

#include <QCoreApplication>

using wizard::said;

int restorePointsOnConsole(const std::optional<std::string>& gameRoot, bool json,
                           const std::filesystem::path& pointsRoot, std::ostream& out, std::ostream& error) {
    try {
        const std::optional<std::string> root =
            consoleGameRoot(gameRoot, search::environmentOfThisProcess(), error);
        if (!root)
            return 2;
        const auto points = workspace::RestorePoints(pointsRoot, workspace::gameScripts(*root)).list();
        out << (json ? workspace::pointsJson(*root, points)
                     : workspace::pointsText(*root, points, wizard::programWording()));
    } catch (const workspace::FileError& failure) {
        error << failure.what() << '\n';
        return 1;
    }
    if (!out.flush()) {
        error << said(QCoreApplication::translate("console", "The restore points could not be written."))
              << '\n';
        return 1;
    }
    return 0;
}

int restoreOnConsole(const std::string& id, const std::optional<std::string>& gameRoot,
                     const std::filesystem::path& pointsRoot, std::ostream& out, std::ostream& error) {
    try {
        const std::optional<std::string> root =
            consoleGameRoot(gameRoot, search::environmentOfThisProcess(), error);
        if (!root)
            return 2;
        const workspace::RestorePoints points(pointsRoot, workspace::gameScripts(*root));
        const workspace::RestoreOutcome outcome = points.restore(id, workspace::gameRunningFrom(*root));
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
            error << said;
            return 2;
        }
    } catch (const workspace::FileError& failure) {
        error << failure.what() << '\n';
    }
    return 1;
}
