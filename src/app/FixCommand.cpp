#include "app/FixCommand.h"

#include "app/ReportCommand.h"
#include "game/FolderReport.h"
#include "workspace/ApplyFixes.h"
#include "workspace/RestorePoints.h"
#include "workspace/RunningGame.h"

#include <algorithm>

namespace {

constexpr std::string_view AllFixes = "all";

// The fixes named, in the report's order; nothing when an id names none, which goes to error.
std::optional<std::vector<game::Fix>> chosenFixes(const std::vector<game::Fix>& fixes,
                                                  const std::vector<std::string>& ids, std::ostream& error) {
    if (std::ranges::find(ids, AllFixes) != ids.end())
        return fixes;
    for (const std::string& id : ids)
        if (std::ranges::find(fixes, id, &game::Fix::id) == fixes.end()) {
            error << "The report proposes no fix " << id << "; zentrimo --report --json lists them.\n";
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
        out << workspace::diffText(*chosen);
        if (dryRun) {
            out << "Nothing was changed (--dry-run).\n";
        } else if (const workspace::RestorePoints points(pointsRoot, workspace::gameScripts(game));
                   workspace::applyFixes(
                       game, *chosen,
                       [](const files::GameFolder& g) { return workspace::gameRunningFrom(g); },
                       workspace::FileSteps(), &points) == workspace::FixOutcome::GameRunning) {
            error << "The game is running from " << game.given()
                  << ": quit it first, since it rewrites its scripts when it quits. Nothing was changed.\n";
            return 3;
        } else {
            const std::size_t left = game::checkFolder(game, environment).fixes.size();
            out << "Applied " << chosen->size() << (chosen->size() == 1 ? " fix" : " fixes") << ". "
                << (left == 0 ? std::string("The report now proposes no fix.")
                              : "The report now proposes " + std::to_string(left) +
                                    (left == 1 ? " fix." : " fixes."))
                << "\n";
        }
        if (out.flush())
            return 0;
        error << "The changes could not be written to the console.\n";
        return 1;
    });
}
