#include "location/GamePlaces.h"

#include "common/PlayerPath.h"
#include "files/Utf8Path.h"

QList<Drive> gamePlaces(const files::Environment& environment) {
    QList<Drive> places;
    for (const auto& library : search::steamLibraries(environment)) {
        const QString folder = QString::fromStdString(files::utf8Of(library));
        places.append({QStringLiteral("Steam library (%1)").arg(folder), folder});
    }
    for (const auto& [letter, folder] : wineDrives(environment.winePrefixInUse()))
        places.append({QStringLiteral("Wine %1 (%2)").arg(letter, folder), folder});
    return places;
}

ProposedFolder proposedFolder(search::GameEdition edition, const files::Environment& environment) {
    const search::FoundFolder found = search::gameFolder(edition, environment);
    if (found.folder)
        return {
            playerFolder(QString::fromStdString(*found.folder), environment.winePrefixInUse()), {}, false};
    return {{},
            QString::fromStdString(search::problemText(found)),
            found.problem == search::SearchProblem::RegistryUnreadable};
}
