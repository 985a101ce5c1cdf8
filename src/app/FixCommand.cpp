#include "app/FixCommand.h"

#include "app/ReportCommand.h"
#include "game/FolderReport.h"
#include "wizard/CoreWords.h"
#include "workspace/ApplyFixes.h"
#include "workspace/RestorePoints.h"
#include "workspace/RunningGame.h"

#include <QCoreApplication>

#include <algorithm>

using wizard::said;

namespace {

constexpr std::string_view AllFixes = "all";

// The fixes named, in the report's order; nothing when an id names none, which goes to error.
std::optional<std::vector<game::Fix>> chosenFixes(const std::vector<game::Fix>& fixes,
                                                  const std::vector<std::string>& ids, std::ostream& error) {
    if (std::ranges::find(ids, AllFixes) != ids.end())
        return fixes;
    for (const std::string& id : ids)
        if (std::ranges::find(fixes, id, &game::Fix::id) == fixes.end()) {
            error << said(
                         QCoreApplication::translate(
                             "console", "The report proposes no fix %1; zentrimo --report --json lists them.")
                             .arg(QString::fromStdString(id)))
                  << '\n';
            return std::nullopt;
        }
    std::vector<game::Fix> chosen;
    std::ranges::copy_if(fixes, std::back_inserter(chosen),
                         [&](const game::Fix& fix) { return std::ranges::find(ids, fix.id) != ids.end(); });
    return chosen;
}

} // namespace

int fixOnConsole(const std::vector<std::string>& ids, bool dryRun, const std::optional<std::string>& gameRoot,
                 const files::Environment& environment, const std::filesystem::path& pointsRoot,
                 std::ostream& out, std::ostream& error) {
    return onConsoleGame(gameRoot, environment, error, [&](const files::GameFolder& game) {
        const auto chosen = chosenFixes(game::checkFolder(game, environment).fixes, ids, error);
        if (!chosen)
            return 2;
        out << workspace::diffText(*chosen, wizard::programWording());
        if (dryRun) {
            out << said(QCoreApplication::translate("console", "Nothing was changed (--dry-run).")) << '\n';
        } else if (const workspace::RestorePoints points(pointsRoot, workspace::gameScripts(game));
                   workspace::applyFixes(
                       game, *chosen,
                       [](const files::GameFolder& g) { return workspace::gameRunningFrom(g); },
                       workspace::FileSteps(), &points) == workspace::FixOutcome::GameRunning) {
            error << said(QCoreApplication::translate(
                              "console", "The game is running from %1: quit it first, since it "
                                         "rewrites its scripts when it quits. Nothing was changed.")
                              .arg(QString::fromStdString(game.given())))
                  << '\n';
            return 3;
        } else {
            const std::size_t left = game::checkFolder(game, environment).fixes.size();
            const int applied = static_cast<int>(chosen->size());
            const int proposed = static_cast<int>(left);
            const QString appliedWords =
                wizard::counted(QCoreApplication::translate("console", "Applied %n fixes.", nullptr, applied),
                                "Applied %n fixes.", "Applied %n fix.", applied);
            const QString leftWords =
                proposed == 0
                    ? QCoreApplication::translate("console", "The report now proposes no fix.")
                    : wizard::counted(QCoreApplication::translate(
                                          "console", "The report now proposes %n fixes.", nullptr, proposed),
                                      "The report now proposes %n fixes.", "The report now proposes %n fix.",
                                      proposed);
            //: Two sentences, the fixes applied and those the report still proposes.
            out << said(QCoreApplication::translate("console", "%1 %2").arg(appliedWords, leftWords)) << '\n';
        }
        if (out.flush())
            return 0;
        error << said(QCoreApplication::translate("console",
                                                  "The changes could not be written to the console."))
              << '\n';
        return 1;
    });
}
