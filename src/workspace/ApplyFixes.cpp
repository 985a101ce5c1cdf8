#include "workspace/ApplyFixes.h"

#include "files/FileError.h"
#include "workspace/GameFiles.h"
#include "workspace/RestorePoints.h"

#include "files/AsciiCase.h"
#include "game/ReportRendering.h"

#include <algorithm>
#include <map>

namespace workspace {

using files::FileError;
using files::GameFileProblem;

namespace {

// The game rewrites config.cfg itself, write-protected or not.
WriteProtected protectionOf(const std::filesystem::path& path) {
    return files::equalsIgnoringCase(path.filename().string(), "config.cfg") ? WriteProtected::Replace
                                                                             : WriteProtected::Refuse;
}

// Each file's edits, files in the order the fixes first name them.
std::vector<std::pair<std::string, std::vector<game::LineEdit>>>
editsByFile(const std::vector<game::Fix>& fixes) {
    std::vector<std::pair<std::string, std::vector<game::LineEdit>>> byFile;
    for (const game::Fix& fix : fixes)
        for (const game::LineEdit& edit : fix.edits) {
            auto found = std::ranges::find(byFile, edit.file,
                                           &std::pair<std::string, std::vector<game::LineEdit>>::first);
            if (found == byFile.end())
                found = byFile.insert(byFile.end(), {edit.file, {}});
            found->second.push_back(edit);
        }
    return byFile;
}

} // namespace

std::vector<FileChange> plannedChanges(const files::GameFolder& game, const std::vector<game::Fix>& fixes,
                                       const FileSteps& files) {
    std::vector<FileChange> changes;
    for (const auto& [file, edits] : editsByFile(fixes)) {
        const std::filesystem::path path = game.file(file);
        FileChange change{path, files.readIfPresent(path), {}};
        const auto after = game::withEdits(change.before.value_or(""), edits);
        if (!after)
            throw FileError(GameFileProblem::ChangedSinceRead, path);
        files.checkReplaceable(path, protectionOf(path));
        change.after = *after;
        changes.push_back(std::move(change));
    }
    return changes;
}

std::string diffText(const std::vector<game::Fix>& fixes, const game::Wording& words) {
    std::string text;
    for (auto& [file, edits] : editsByFile(fixes)) {
        std::ranges::stable_sort(edits, {}, &game::LineEdit::line);
        text += "--- " + game::shownText(file) + "\n+++ " + game::shownText(file) + "\n";
        for (const game::LineEdit& edit : edits) {
            text += words({game::Phrase::DiffLine, {std::to_string(edit.line)}}) + "\n";
            if (!edit.before.empty())
                text += "-" + game::shownText(edit.before) + "\n";
            if (!edit.after.empty())
                text += "+" + game::shownText(edit.after) + "\n";
        }
    }
    return text;
}

FixOutcome applyFixes(const files::GameFolder& game, const std::vector<game::Fix>& fixes,
                      const RunningCheck& running, const FileSteps& files, const RestorePoints* points) {
    if (game.empty())
        throw files::FileError(files::GameFileProblem::BadGameRoot, game.given());
    if (running(game))
        return FixOutcome::GameRunning;
    files.holdFolder(game.file(StartupScriptSuffix).parent_path());
    const std::vector<FileChange> changes = plannedChanges(game, fixes, files);
    if (points)
        points->keep(MadeBy::Fix);
    for (const FileChange& change : changes)
        if (change.before != change.after)
            files.replaceWith(change.path, change.after, protectionOf(change.path));
    return FixOutcome::Applied;
}

} // namespace workspace
