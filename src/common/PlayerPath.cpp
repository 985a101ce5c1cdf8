#include "common/PlayerPath.h"

#include "files/FileError.h"
#include "files/GameFolder.h"

#include "files/Utf8Path.h"
#include "files/WinePrefix.h"

#include <QDir>

namespace fs = std::filesystem;

QString playerFolder(const QString& gameRoot, const fs::path& winePrefix) {
    try {
        const fs::path throughWine = files::GameFolder(gameRoot.toStdString(), winePrefix).path();
        const fs::path folder = files::asThePlayerKnowsIt(throughWine);
        if (folder != throughWine)
            return QString::fromStdString(files::utf8Of(folder));
    } catch (const files::FileError&) {
        // A root the core refuses is shown as it was given, and refused again when confirmed.
    }
    return gameRoot;
}

QList<std::pair<QString, QString>> wineDrives(const fs::path& winePrefix) {
    QList<std::pair<QString, QString>> drives;
#ifndef Q_OS_WIN
    for (const auto& [letter, folder] : files::wineDrives(winePrefix))
        drives.emplace_back(QStringLiteral("%1:").arg(QChar::fromLatin1(letter).toUpper()),
                            QDir::cleanPath(QString::fromStdString(files::utf8Of(folder))));
#endif
    return drives;
}
