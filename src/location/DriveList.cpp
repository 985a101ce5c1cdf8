#include "DriveList.h"

#include <QDir>
#include <QSignalBlocker>
#include <QStorageInfo>

namespace {

#ifdef Q_OS_WIN
constexpr Qt::CaseSensitivity PathCase = Qt::CaseInsensitive;
#else
constexpr Qt::CaseSensitivity PathCase = Qt::CaseSensitive;
#endif

QStringList driveRoots() {
    QStringList roots;
#ifdef Q_OS_WIN
    // Every letter, ready or not: an empty drive is reported when it is chosen.
    for (const QFileInfo& drive : QDir::drives())
        roots << drive.absolutePath();
#else
    roots << QStringLiteral("/");
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady() && !roots.contains(volume.rootPath()))
            roots << volume.rootPath();
#endif
    return roots;
}

bool holds(const QString& root, const QString& folder) {
    const QString prefix = root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/');
    return folder.compare(root, PathCase) == 0 || folder.startsWith(prefix, PathCase);
}

} // namespace

DriveList::DriveList(QWidget* parent) : QComboBox(parent) {
    for (const QString& root : driveRoots())
        addItem(QDir::toNativeSeparators(root), root);
}

QString DriveList::root() const {
    return currentData().toString();
}

QString DriveList::rootOf(const QString& folder) const {
    const QString absolute = QDir(folder).absolutePath();
    QString deepest;
    for (int index = 0; index < count(); ++index) {
        const QString candidate = itemData(index).toString();
        if (holds(candidate, absolute) && candidate.size() > deepest.size())
            deepest = candidate;
    }
    return deepest;
}

void DriveList::showDriveOf(const QString& folder) {
    const QSignalBlocker quiet(this);
    setCurrentIndex(findData(rootOf(folder)));
}
