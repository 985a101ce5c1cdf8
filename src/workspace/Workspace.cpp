#include "Workspace.h"

#include "FileError.h"
#include "GameFiles.h"
#include "OwnSettings.h"

namespace workspace {

namespace {

// Refuses a root that names no folder, and holds the game folder for this program.
void holdGame(const std::string& gameRoot, const FileSteps& files) {
    if (gameRoot.empty())
        throw FileError(GameFileProblem::BadGameRoot, gameRoot);
    files.holdFolder(gameFilePath(gameRoot, StartupScriptSuffix).parent_path());
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
    if (!files.exists(script))
        files.createEmpty(script);
    if (!files.exists(backup))
        files.replaceWhole(script, backup);
    files.replaceWhole(backup, workFile);
    std::vector<std::string> written = TweakBanner();
    written.insert(written.end(), lines.begin(), lines.end());
    files.appendLines(workFile, written);
}

void AppendWorkspaceLines(const std::string& gameRoot, const std::vector<std::string>& lines,
                          const FileSteps& files) {
    holdGame(gameRoot, files);
    files.appendLines(gameFilePath(gameRoot, WorkspaceSuffix), lines);
}

void ApplyWorkspace(const std::string& gameRoot, const FileSteps& files) {
    holdGame(gameRoot, files);
    const auto workFile = gameFilePath(gameRoot, WorkspaceSuffix);
    const std::string applied = files.readWhole(workFile);
    files.replaceWith(gameFilePath(gameRoot, StartupScriptSuffix), applied);
    runAfterGameConfig(gameRoot, applied, files);
    files.remove(workFile);
}

UninstallResult UninstallTweak(const std::string& gameRoot, const FileSteps& files) {
    holdGame(gameRoot, files);
    const auto backup = gameFilePath(gameRoot, BackupSuffix);
    if (!files.exists(backup))
        return UninstallResult::NotInstalled;
    files.replaceWhole(backup, gameFilePath(gameRoot, StartupScriptSuffix));
    stopRunningAfterGameConfig(gameRoot, files);
    files.remove(backup);
    return UninstallResult::Restored;
}

} // namespace workspace
