#include "workspace/Workspace.h"

#include "workspace/FileError.h"
#include "workspace/GameFiles.h"
#include "workspace/OwnSettings.h"
#include "workspace/SavedValues.h"

namespace workspace {

namespace {

// Refuses a root that names no folder, and holds the game folder for this program.
void holdGame(const std::string& gameRoot, const FileSteps& files) {
    if (gameRoot.empty())
        throw FileError(GameFileProblem::BadGameRoot, gameRoot);
    files.holdFolder(gameFilePath(gameRoot, StartupScriptSuffix).parent_path());
}

// The record of the player's saved values as the program wrote it; nothing when there is none.
std::optional<std::vector<SavedValue>> savedValuesRecord(const std::string& gameRoot,
                                                         const FileSteps& files) {
    const auto record = gameFilePath(gameRoot, SavedValuesRecordSuffix);
    if (!files.ownFileExists(record))
        return std::nullopt;
    auto values = parseRecord(files.readWhole(record));
    if (!values)
        throw FileError(GameFileProblem::ChangedRecord, record);
    return values;
}

} // namespace

std::string SettingLine(const std::string& name, const std::string& value) {
    return name + " \"" + value + '"';
}

const std::vector<std::string>& TweakBanner() {
    static const std::string rule = "echo \"" + std::string(30, '-') + '"';
    static const std::vector<std::string> banner{"echo ",
                                                 "echo ",
                                                 rule,
                                                 R"(echo "\\\ Zentrimo Enabled")",
                                                 R"(echo "\\\")",
                                                 R"(echo "\\\ Made by Vaskor")",
                                                 rule,
                                                 "echo",
                                                 "echo",
                                                 "",
                                                 ""};
    return banner;
}

void PrepareWorkspace(const std::string& gameRoot, const std::vector<std::string>& lines,
                      const FileSteps& files) {
    holdGame(gameRoot, files);
    const auto script = gameFilePath(gameRoot, StartupScriptSuffix);
    const auto backup = gameFilePath(gameRoot, BackupSuffix);
    const auto workFile = gameFilePath(gameRoot, WorkspaceSuffix);
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

void AppendWorkspaceLines(const std::string& gameRoot, const std::vector<std::string>& lines,
                          const FileSteps& files) {
    holdGame(gameRoot, files);
    const auto workFile = gameFilePath(gameRoot, WorkspaceSuffix);
    files.ownFileExists(workFile);
    files.appendLines(workFile, lines);
}

void ApplyWorkspace(const std::string& gameRoot, const FileSteps& files) {
    holdGame(gameRoot, files);
    const auto workFile = gameFilePath(gameRoot, WorkspaceSuffix);
    const auto script = gameFilePath(gameRoot, StartupScriptSuffix);
    const auto record = gameFilePath(gameRoot, SavedValuesRecordSuffix);
    // Everything is looked at before the first change: a problem leaves every file as it was.
    files.ownFileExists(workFile);
    const std::string applied = files.readWhole(workFile);
    files.checkReplaceable(script);
    const AfterConfig found = checkAfterGameConfig(gameRoot, files);
    if (found.ownSettingsPresent && !found.ownSettingsAreOurs)
        throw FileError(GameFileProblem::NotZentrimosFile, gameFilePath(gameRoot, OwnSettingsSuffix));
    const auto savedBefore = savedValuesRecord(gameRoot, files);
    const std::string config = files.readIfPresent(gameFilePath(gameRoot, GameConfigSuffix)).value_or("");

    files.replaceWith(script, applied);
    // The player's values are recorded before the run's reach zentrimo.cfg.
    files.replaceWith(record, recordText(recordAfterApplying(savedBefore.value_or(std::vector<SavedValue>{}),
                                                             runLines(applied), config)));
    runAfterGameConfig(gameRoot, applied, files);
    files.remove(workFile);
}

UninstallResult UninstallTweak(const std::string& gameRoot, const FileSteps& files) {
    holdGame(gameRoot, files);
    const auto backup = gameFilePath(gameRoot, BackupSuffix);
    const auto script = gameFilePath(gameRoot, StartupScriptSuffix);
    const auto config = gameFilePath(gameRoot, GameConfigSuffix);
    // Everything is looked at before the first change: a problem leaves every file as it was.
    const bool backedUp = files.ownFileExists(backup);
    const AfterConfig found = checkAfterGameConfig(gameRoot, files);
    const auto savedValues = savedValuesRecord(gameRoot, files);
    if (!backedUp && !found.added && !found.ownSettingsAreOurs && !savedValues)
        return UninstallResult::NotInstalled;
    files.checkReplaceable(script);
    files.checkReplaceable(config);
    const std::string backupBytes = backedUp ? files.readWhole(backup) : std::string();

    // Without the backup, the script loses what the program added to it: the last banner and the run.
    if (backedUp)
        files.replaceWith(script, backupBytes);
    else if (const auto applied = files.readIfPresent(script); applied && withoutRun(*applied) != *applied)
        files.replaceWith(script, withoutRun(*applied));
    if (savedValues) {
        if (const auto saved = files.readIfPresent(config)) {
            const std::string givenBack = configGivenBack(*saved, *savedValues);
            if (givenBack != *saved)
                files.replaceWith(config, givenBack);
        }
    }
    stopRunningAfterGameConfig(gameRoot, found, files);
    if (savedValues)
        files.remove(gameFilePath(gameRoot, SavedValuesRecordSuffix));
    if (backedUp)
        files.remove(backup);
    return UninstallResult::Restored;
}

} // namespace workspace
