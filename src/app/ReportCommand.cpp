#include "app/ReportCommand.h"

#include "files/WinePrefix.h"
#include "game/FolderReport.h"
#include "search/Environment.h"
#include "search/GameSearch.h"
#include "wizard/CoreWords.h"
#include "workspace/FileError.h"
#include "workspace/GameFiles.h"

#include <QCoreApplication>

using wizard::said;

std::optional<std::string> consoleGameRoot(const std::optional<std::string>& gameRoot,
                                           const search::Environment& environment, std::ostream& error) {
    std::optional<std::string> root = gameRoot;
    if (!root)
        root = search::gameFolder(search::GameEdition::Steam, environment).folder;
    if (!root)
        root = search::gameFolder(search::GameEdition::Retail, environment).folder;
    if (!root) {
        //: The English keeps its odd wording and its faults on purpose; say the same plainly.
        error << said(QCoreApplication::translate(
                     "console",
                     "Half-life root not found, try specify another dir. Or choose another cstrike version"))
              << '\n';
        return std::nullopt;
    }
    if (!workspace::fileExists(workspace::gameFilePath(*root, workspace::GameConfigSuffix))) {
        error << said(QCoreApplication::translate("console",
                                                  "%1 holds no cstrike/config.cfg: it is not the game's "
                                                  "folder. Give the Half-Life folder that holds cstrike.")
                          .arg(QString::fromStdString(*root)))
              << '\n';
        return std::nullopt;
    }
    return root;
}

int reportOnConsole(const std::optional<std::string>& gameRoot, bool json, std::ostream& out,
                    std::ostream& error) {
    const search::Environment environment = search::environmentOfThisProcess();
    try {
        const std::optional<std::string> root = consoleGameRoot(gameRoot, environment, error);
        if (!root)
            return 2;
        out << game::folderReport(files::asThePlayerKnowsIt(workspace::gameFilePath(*root, "")), environment,
                                  json ? game::ReportFormat::Json : game::ReportFormat::Text,
                                  wizard::programWording());
    } catch (const workspace::FileError& failure) {
        error << failure.what() << '\n';
        return 1;
    }
    // A full disk or a closed pipe shows only when the text leaves the buffer.
    if (!out.flush()) {
        error << said(QCoreApplication::translate("console", "The report could not be written.")) << '\n';
        return 1;
    }
    return 0;
}
