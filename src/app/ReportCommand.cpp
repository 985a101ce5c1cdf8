#include "app/ReportCommand.h"

#include "files/WinePrefix.h"
#include "game/FolderReport.h"
#include "search/Environment.h"
#include "search/GameSearch.h"
#include "workspace/FileError.h"
#include "workspace/GameFiles.h"

std::optional<std::string> consoleGameRoot(const std::optional<std::string>& gameRoot, std::ostream& error) {
    const search::Environment environment = search::environmentOfThisProcess();
    std::optional<std::string> root = gameRoot;
    if (!root)
        root = search::gameFolder(search::GameEdition::Steam, environment).folder;
    if (!root)
        root = search::gameFolder(search::GameEdition::Retail, environment).folder;
    if (!root) {
        error << "Half-life root not found, try specify another dir. Or choose another cstrike version\n";
        return std::nullopt;
    }
    if (!workspace::fileExists(workspace::gameFilePath(*root, workspace::GameConfigSuffix))) {
        error << *root
              << " holds no cstrike/config.cfg: it is not the game's folder. Give the Half-Life "
                 "folder that holds cstrike.\n";
        return std::nullopt;
    }
    return root;
}

int reportOnConsole(const std::optional<std::string>& gameRoot, bool json, std::ostream& out,
                    std::ostream& error) {
    try {
        const std::optional<std::string> root = consoleGameRoot(gameRoot, error);
        if (!root)
            return 2;
        out << game::folderReport(files::asThePlayerKnowsIt(workspace::gameFilePath(*root, "")),
                                  search::environmentOfThisProcess(),
                                  json ? game::ReportFormat::Json : game::ReportFormat::Text);
    } catch (const workspace::FileError& failure) {
        error << failure.what() << '\n';
        return 1;
    }
    // A full disk or a closed pipe shows only when the text leaves the buffer.
    if (!out.flush()) {
        error << "The report could not be written.\n";
        return 1;
    }
    return 0;
}
