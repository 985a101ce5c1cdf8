#include "app/ReportCommand.h"

#include "files/Environment.h"
#include "files/FileError.h"
#include "files/GameFolder.h"
#include "game/FolderReport.h"
#include "location/GamePlaces.h"
#include "search/GameSearch.h"
#include "wizard/CoreWords.h"
#include "workspace/GameFiles.h"

#include <QCoreApplication>

using wizard::said;

std::optional<files::GameFolder> consoleGameFolder(const std::optional<std::string>& gameRoot,
                                                   const files::Environment& environment,
                                                   std::ostream& error) {
    std::optional<std::string> root = gameRoot;
    if (!root)
        root = search::gameFolder(search::GameEdition::Steam, environment).folder;
    if (!root) {
        const search::FoundFolder retail = search::gameFolder(search::GameEdition::Retail, environment);
        if (!retail.folder) {
            error << said(problemWords(retail)) << '\n';
            return std::nullopt;
        }
        root = retail.folder;
    }
    files::GameFolder folder(*root, environment.winePrefixInUse());
    if (!workspace::holdsTheGame(folder)) {
        error << said(QCoreApplication::translate("console",
                                                  "%1 holds no cstrike/config.cfg: it is not the game's "
                                                  "folder. Give the Half-Life folder that holds cstrike.")
                          .arg(QString::fromStdString(*root)))
              << '\n';
        return std::nullopt;
    }
    return folder;
}

int onConsoleGame(const std::optional<std::string>& gameRoot, const files::Environment& environment,
                  std::ostream& error, const std::function<int(const files::GameFolder&)>& job) {
    try {
        const std::optional<files::GameFolder> game = consoleGameFolder(gameRoot, environment, error);
        return game ? job(*game) : 2;
    } catch (const files::FileError& failure) {
        error << failure.what() << '\n';
        return 1;
    }
}

int reportOnConsole(const std::optional<std::string>& gameRoot, const files::Environment& environment,
                    bool json, std::ostream& out, std::ostream& error) {
    return onConsoleGame(gameRoot, environment, error, [&](const files::GameFolder& game) {
        out << game::folderReport(game, environment,
                                  json ? game::ReportFormat::Json : game::ReportFormat::Text,
                                  wizard::programWording());
        // A full disk or a closed pipe shows only when the text leaves the buffer.
        if (out.flush())
            return 0;
        error << said(QCoreApplication::translate("console", "The report could not be written.")) << '\n';
        return 1;
    });
}
