#include "location/GamePlaces.h"

#include "common/PlayerPath.h"
#include "files/Utf8Path.h"
#include "registry/Registry.h"

#include <QCoreApplication>

QList<Drive> gamePlaces(const search::Environment& environment) {
    QList<Drive> places;
    for (const auto& library : search::steamLibraries(environment)) {
        const QString folder = QString::fromStdString(files::utf8Of(library));
        places.append({QCoreApplication::translate("GamePlaces", "Steam library (%1)").arg(folder), folder});
    }
    for (const auto& [letter, folder] : wineDrives())
        places.append(
            {QCoreApplication::translate("GamePlaces", "Wine %1 (%2)").arg(letter, folder), folder});
    return places;
}

ProposedFolder proposedFolder(search::GameEdition edition, const search::Environment& environment) {
    const search::FoundFolder found = search::gameFolder(edition, environment);
    ProposedFolder proposed;
    if (found.folder)
        proposed.folder = playerFolder(QString::fromStdString(*found.folder));
    else if (found.registryStatus != registry::StatusOk &&
             found.registryStatus != registry::ErrorFileNotFound)
        proposed.problem =
            QCoreApplication::translate("GamePlaces", "Error %1: the registry could not be read.")
                .arg(found.registryStatus);
    return proposed;
}
