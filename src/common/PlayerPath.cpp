#include "common/PlayerPath.h"

#include "workspace/FileError.h"
#include "workspace/GameFiles.h"

#include "files/Utf8Path.h"

#include <QDir>

#include <cctype>

namespace fs = std::filesystem;

namespace {

bool isDriveLink(const fs::path& name) {
    const std::string text = name.string();
    return text.size() == 2 && text[1] == ':' && std::isalpha(static_cast<unsigned char>(text[0]));
}

// The folder a Wine drive link points to; empty when `link` is none.
fs::path driveFolder(const fs::path& link) {
    std::error_code error;
    if (!fs::is_symlink(link, error))
        return {};
    const fs::path target = fs::read_symlink(link, error);
    if (error)
        return {};
    return target.is_absolute() ? target : (link.parent_path() / target).lexically_normal();
}

} // namespace

fs::path asThePlayerKnowsIt(const fs::path& path) {
    fs::path link;
    for (auto part = path.begin(); part != path.end(); ++part) {
        link /= *part;
        const auto next = std::next(part);
        if (*part != "dosdevices" || next == path.end() || !isDriveLink(*next))
            continue;
        fs::path folder = driveFolder(link / *next);
        if (folder.empty())
            return path;
        for (auto rest = std::next(next); rest != path.end(); ++rest)
            folder /= *rest;
        return folder;
    }
    return path;
}

QString playerFolder(const QString& gameRoot) {
    try {
        const fs::path throughWine = workspace::gameFilePath(gameRoot.toStdString(), "");
        const fs::path folder = asThePlayerKnowsIt(throughWine);
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
            const fs::path folder = driveFolder(link);
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
