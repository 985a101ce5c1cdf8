#pragma once

#include <QFile>
#include <QString>

#include <filesystem>
#include <string>

// Folder names pass to the core as UTF-8 on Windows (its Win32 calls are the wide ones) and as the file
// system's own bytes elsewhere; the windows hold them as QString.
inline std::string toCorePath(const QString& path) {
#ifdef Q_OS_WIN
    return path.toStdString();
#else
    return QFile::encodeName(path).toStdString();
#endif
}

// A path as the player reads it, whatever characters it holds: Windows' narrow text would lose those
// outside the ANSI code page.
inline QString shownPath(const std::filesystem::path& path) {
#ifdef Q_OS_WIN
    return QString::fromStdWString(path.wstring());
#else
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
#endif
}
