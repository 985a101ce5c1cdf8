#include "location/GamePlaces.h"

#include "common/PlayerPath.h"
#include "files/Utf8Path.h"

#include <QCoreApplication>

QList<Drive> gamePlaces(const files::Environment& environment) {
    QList<Drive> places;
    for (const auto& library : search::steamLibraries(environment)) {
        const QString folder = QString::fromStdString(files::utf8Of(library));
        places.append({QCoreApplication::translate("GamePlaces", "Steam library (%1)").arg(folder), folder});
    }
    for (const auto& [letter, folder] : wineDrives(environment.winePrefixInUse()))
        places.append(
            {QCoreApplication::translate("GamePlaces", "Wine %1 (%2)").arg(letter, folder), folder});
    return places;
}

ProposedFolder proposedFolder(search::GameEdition edition, const files::Environment& environment) {
    const search::FoundFolder found = search::gameFolder(edition, environment);
    if (found.folder)
        return {
            playerFolder(QString::fromStdString(*found.folder), environment.winePrefixInUse()), {}, false};
    return {{}, problemWords(found), found.problem == search::SearchProblem::RegistryUnreadable};
}

QString problemWords(const search::FoundFolder& found) {
    //: Deliberately as the old tool words it, its faults included.
    const QString notFound = QCoreApplication::translate(
        "DirectoryPage",
        "Half-life root not found, try specify another dir. Or choose another cstrike version");
    if (found.problem != search::SearchProblem::RegistryUnreadable)
        return notFound;
    return QCoreApplication::translate("GamePlaces", "Error %1: the registry could not be read.")
               .arg(found.registryError) +
           QLatin1Char('\n') + notFound;
}
