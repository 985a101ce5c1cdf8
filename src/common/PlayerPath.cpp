#include "common/PlayerPath.h"

#include "workspace/FileError.h"
#include "workspace/GameFiles.h"

#include "files/Utf8Path.h"
#include "files/WinePrefix.h"

#include <QDir>


namespace fs = std::filesystem;

QString playerFolder(const QString& gameRoot) {
    try {
        const fs::path throughWine = workspace::gameFilePath(gameRoot.toStdString(), "");
        const fs::path folder = files::asThePlayerKnowsIt(throughWine);
        if (folder != throughWine)
            return QString::fromStdString(files::utf8Of(folder));
    } catch (const workspace::FileError&) {
        // A root the core refuses is shown as it was given, and refused again when confirmed.
    }
    return gameRoot;
}

QList<std::pair<QString, QString>> wineDrives() {
    QList<std::pair<QString, QString>> drives;
#ifndef Q_OS_WIN
    try {
        for (char letter = 'a'; letter <= 'z'; ++letter) {
            const fs::path link = workspace::gameFilePath(std::string{letter, ':', '\\'}, "").parent_path();
            const fs::path folder = files::driveFolder(link);
            std::error_code error;
            if (!folder.empty() && fs::is_directory(folder, error))
                drives.emplace_back(QStringLiteral("%1:").arg(QChar::fromLatin1(letter).toUpper()),
                                    QDir::cleanPath(QString::fromStdString(files::utf8Of(folder))));
        }
    } catch (const workspace::FileError&) {
        // A prefix that cannot be looked at has no drives to offer.
    }
#endif
    return drives;
}
