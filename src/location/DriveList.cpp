#include "location/DriveList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHelpEvent>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QToolTip>

#include <algorithm>
#include <map>

namespace {

#ifdef Q_OS_WIN
constexpr Qt::CaseSensitivity PathCase = Qt::CaseInsensitive;
#else
constexpr Qt::CaseSensitivity PathCase = Qt::CaseSensitive;
#endif

bool holds(const QString& root, const QString& folder) {
    const QString prefix = root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/');
    return folder.compare(root, PathCase) == 0 || folder.startsWith(prefix, PathCase);
}

// Folders of the system, not of the player.
bool isSystemFolder(const QString& folder) {
    static const QStringList system{"/bin", "/boot", "/dev",  "/etc", "/lib", "/lib32", "/lib64", "/proc",
                                    "/run", "/sbin", "/snap", "/sys", "/tmp", "/usr",   "/var"};
    if (folder == QLatin1String("/"))
        return true;
    if (holds(QStringLiteral("/run/media"), folder) && folder != QLatin1String("/run/media"))
        return false;
    return std::any_of(system.begin(), system.end(),
                       [&](const QString& root) { return holds(root, folder); });
}

bool isPseudoFileSystem(const QString& type) {
    static const QStringList pseudo{
        "autofs",  "binfmt_misc", "bpf",      "cgroup",          "cgroup2",     "configfs",   "debugfs",
        "devpts",  "devtmpfs",    "efivarfs", "fusectl",         "hugetlbfs",   "mqueue",     "nsfs",
        "overlay", "proc",        "pstore",   "ramfs",           "rpc_pipefs",  "securityfs", "squashfs",
        "sysfs",   "tmpfs",       "tracefs",  "fuse.gvfsd-fuse", "fuse.portal", "fuse.lxcfs"};
    return pseudo.contains(type);
}

// Mount points and roots escape blanks and the like as \ and three octal digits.
QString unescaped(const QString& field) {
    QString text;
    for (qsizetype at = 0; at < field.size(); ++at) {
        bool octal = false;
        if (field[at] == QLatin1Char('\\') && at + 3 < field.size()) {
            const int code = field.mid(at + 1, 3).toInt(&octal, 8);
            if (octal) {
                text += QChar(code);
                at += 3;
                continue;
            }
        }
        text += field[at];
    }
    return text;
}

QString labelled(const QString& pattern, const QString& root) {
    return pattern.arg(QDir::toNativeSeparators(root));
}

} // namespace

QList<Drive> playerVolumes(const QString& mountInfo, const std::function<bool(const QString&)>& writable) {
    // A later mount on the same point hides the earlier one.
    std::map<QString, bool> isDrive;
    for (const QString& line : mountInfo.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList fields = line.split(QLatin1Char(' '));
        const qsizetype separator = fields.indexOf(QStringLiteral("-"), 6);
        if (fields.size() < 6 || separator < 0 || separator + 1 >= fields.size())
            continue;
        const QString root = unescaped(fields[3]);
        const QString mountPoint = unescaped(fields[4]);
        const bool readWrite = fields[5].split(QLatin1Char(',')).contains(QStringLiteral("rw"));
        const bool systemCopy = root != QLatin1String("/") && isSystemFolder(root);
        isDrive[mountPoint] = readWrite && !systemCopy && !isSystemFolder(mountPoint) &&
                              !isPseudoFileSystem(fields[separator + 1]) && writable(mountPoint);
    }
    QList<Drive> volumes;
    for (const auto& [mountPoint, drive] : isDrive)
        if (drive)
            volumes.append({labelled(DriveList::tr("Volume (%1)"), mountPoint), mountPoint});
    return volumes;
}

DriveList::DriveList(const QList<Drive>& gamePlaces, QWidget* parent) : QComboBox(parent) {
#ifdef Q_OS_WIN
    // Every letter, ready or not: an empty drive is reported when it is chosen.
    for (const QFileInfo& drive : QDir::drives())
        addDrive({QDir::toNativeSeparators(drive.absolutePath()), drive.absolutePath()});
#else
    addDrive({labelled(tr("Home (%1)"), QDir::homePath()), QDir::homePath()});
    QFile mountInfo(QStringLiteral("/proc/self/mountinfo"));
    if (mountInfo.open(QIODevice::ReadOnly))
        for (const Drive& volume :
             playerVolumes(QString::fromLocal8Bit(mountInfo.readAll()),
                           [](const QString& folder) { return QFileInfo(folder).isWritable(); }))
            addDrive(volume);
#endif
    for (const Drive& place : gamePlaces)
        addDrive(place);
}

void DriveList::addDrive(const Drive& drive) {
    const QString root = QDir::cleanPath(drive.root);
    if (findData(root) >= 0)
        return;
    addItem(drive.label, root);
    setItemData(count() - 1, QDir::toNativeSeparators(root), Qt::ToolTipRole);
}

bool DriveList::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip || currentIndex() < 0)
        return QComboBox::event(event);
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), currentData(Qt::ToolTipRole).toString(),
                       this);
    return true;
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
    if (rootOf(folder).isEmpty()) {
        const QString volume = QStorageInfo(folder).rootPath();
        addDrive({labelled(tr("Volume (%1)"), volume), volume});
    }
    setCurrentIndex(findData(rootOf(folder)));
}
