#include "workspace/Workspace.h"

#include "files/FileError.h"
#include "workspace/GameFiles.h"
#include "workspace/OwnSettings.h"
#include "workspace/SavedValues.h"

#include "files/WholeFile.h"

namespace workspace {

using files::FileError;
using files::GameFileProblem;

namespace {

// Refuses a root that names no folder, and holds the game folder for this program.
void holdGame(const files::GameFolder& game, const FileSteps& files) {
    if (game.empty())
        throw FileError(GameFileProblem::BadGameRoot, game.given());
    files.holdFolder(game.file("\\cstrike"));
}

// As holdGame, for an operation that starts a run's changes: what a killed run left is cleared first.
void holdGameAndTidy(const files::GameFolder& game, const FileSteps& files) {
    holdGame(game, files);
    files.removeLeftTemporaries(game.file("\\cstrike"));
}

// The record as it will be written, refused before anything changes when the file could not hold it.
std::string savedValuesText(const std::vector<SavedValue>& values, const std::filesystem::path& record) {
    std::string text = recordText(values);
    if (text.size() > files::MaxFileBytes)
        throw FileError(std::make_error_code(std::errc::file_too_large), record);
    return text;
}

// The record of the player's saved values as the program wrote it; nothing when there is none.
std::optional<std::vector<SavedValue>> savedValuesRecord(const files::GameFolder& game,
                                                         const FileSteps& files) {
    const auto record = game.file(SavedValuesRecordSuffix);
    if (!files.ownFileExists(record))
        return std::nullopt;
    auto values = parseRecord(files.readWhole(record));
    if (!values)
        throw FileError(GameFileProblem::ChangedRecord, record);
    return values;
}

// A change does not start when its point cannot be kept: keep throws first.
void keepPoint(const RestorePoints* points, MadeBy madeBy) {
    if (points)
        points->keep(madeBy);
}

} // namespace

std::string SettingLine(const std::string& name, const std::string& value) {
    return name + " \"" + value + '"';
}

void PrepareWorkspace(const files::GameFolder& game, const std::vector<std::string>& lines,
                      const FileSteps& files) {
    holdGameAndTidy(game, files);
    const auto script = game.file(StartupScriptSuffix);
    const auto backup = game.file(BackupSuffix);
    const auto workFile = game.file(WorkspaceSuffix);
    const bool backedUp = files.ownFileExists(backup);
    files.ownFileExists(workFile);
    if (!files.exists(script))
        files.createEmpty(script);
    if (!backedUp)
        files.replaceWhole(script, backup);
    files.replaceWhole(backup, workFile);
    std::vector<std::string> written = TweakBanner();
    written.insert(written.end(), lines.begin(), lines.end());
    files.appendLines(workFile, written);
}

void AppendWorkspaceLines(const files::GameFolder& game, const std::vector<std::string>& lines,
                          const FileSteps& files) {
    holdGame(game, files);
    const auto workFile = game.file(WorkspaceSuffix);
    files.ownFileExists(workFile);
    files.appendLines(workFile, lines);
}

void ApplyWorkspace(const files::GameFolder& game, const FileSteps& files, const RestorePoints* points) {
    holdGameAndTidy(game, files);
    const auto workFile = game.file(WorkspaceSuffix);
    const auto script = game.file(StartupScriptSuffix);
    const auto record = game.file(SavedValuesRecordSuffix);
    // Everything is looked at before the first change: a problem leaves every file as it was.
    files.ownFileExists(workFile);
    const std::string applied = files.readWhole(workFile);
    const bool scriptChanges = files.readIfPresent(script) != applied;
    if (scriptChanges)
        files.checkReplaceable(script);
    const AfterConfig found = checkAfterGameConfig(game, files);
    if (found.ownSettingsPresent && !found.ownSettingsAreOurs)
        throw FileError(GameFileProblem::NotZentrimosFile, game.file(OwnSettingsSuffix));
    checkUserConfigForApply(game, files);
    const auto savedBefore = savedValuesRecord(game, files);
    const std::string config = files.readIfPresent(game.file(GameConfigSuffix)).value_or("");
    const std::string recorded = savedValuesText(
        recordAfterApplying(savedBefore.value_or(std::vector<SavedValue>{}), runLines(applied), config),
        record);

    keepPoint(points, MadeBy::Apply);
    if (scriptChanges)
        files.replaceWith(script, applied);
    // The player's values are recorded before the run's reach zentrimo.cfg.
    files.replaceWith(record, recorded);
    runAfterGameConfig(game, applied, files);
    files.remove(workFile);
}

UninstallResult UninstallTweak(const files::GameFolder& game, const FileSteps& files,
                               const RestorePoints* points) {
    holdGameAndTidy(game, files);
    const auto backup = game.file(BackupSuffix);
    const auto script = game.file(StartupScriptSuffix);
    const auto config = game.file(GameConfigSuffix);
    // Everything is looked at before the first change: a problem leaves every file as it was.
    const bool backedUp = files.ownFileExists(backup);
    const AfterConfig found = checkAfterGameConfig(game, files);
    const auto savedValues = savedValuesRecord(game, files);
    if (!backedUp && !found.added && !found.ownSettingsAreOurs && !savedValues)
        return UninstallResult::NotInstalled;
    // What each file becomes: only those that change are checked and written. Without the backup,
    // the script loses what the program added to it: the last banner and the run.
    const auto scriptNow = files.readIfPresent(script);
    std::optional<std::string> scriptAfter;
    if (backedUp)
        scriptAfter = files.readWhole(backup);
    else if (scriptNow)
        scriptAfter = withoutRun(*scriptNow);
    if (scriptAfter == scriptNow)
        scriptAfter.reset();
    if (scriptAfter)
        files.checkReplaceable(script);
    std::optional<std::string> configAfter;
    if (const auto saved = savedValues ? files.readIfPresent(config) : std::nullopt) {
        if (std::string givenBack = configGivenBack(*saved, *savedValues); givenBack != *saved)
            configAfter = std::move(givenBack);
    }
    if (configAfter)
        files.checkReplaceable(config, WriteProtected::Replace);
    const auto userConfigAfter = userConfigAfterUninstall(game, found, files);

    keepPoint(points, MadeBy::Uninstall);
    if (scriptAfter)
        files.replaceWith(script, *scriptAfter);
    if (configAfter)
        files.replaceWith(config, *configAfter, WriteProtected::Replace);
    stopRunningAfterGameConfig(game, found, userConfigAfter, files);
    if (savedValues)
        files.remove(game.file(SavedValuesRecordSuffix));
    if (backedUp)
        files.remove(backup);
    return UninstallResult::Restored;
}

} // namespace workspace
