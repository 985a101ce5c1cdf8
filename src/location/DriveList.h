#pragma once

#include <QComboBox>

#include <functional>

// A place the drive list offers: what the player reads, and the folder it opens.
struct Drive {
    QString label;
    QString root;

    bool operator==(const Drive&) const = default;
};

// What a Linux player calls drives among the file systems that /proc/self/mountinfo lists (its text):
// those mounted read-write where the player may write (`writable`), in mount point order; not the
// system's own (the root, /boot, /proc, /run, ..., though removable media under /run/media count),
// nor a system folder mounted once more elsewhere, nor the kernel's pseudo file systems.
QList<Drive> playerVolumes(const QString& mountInfo, const std::function<bool(const QString&)>& writable);

// The drives to browse: on Windows the drive letters; elsewhere the home folder, the player's volumes
// and then `gamePlaces` (Steam libraries, Wine drives). Each entry holds its root folder ("C:/",
// "/home/me", "/media/me/USB").
class DriveList : public QComboBox {
    Q_OBJECT
public:
    explicit DriveList(const QList<Drive>& gamePlaces, QWidget* parent = nullptr);

    QString root() const;
    // The root of the drive that holds `folder`, the deepest one when drives are nested.
    QString rootOf(const QString& folder) const;
    // Makes the drive that holds `folder` current without reporting a change. A folder on none of the
    // drives brings the volume it lies on into the list.
    void showDriveOf(const QString& folder);

protected:
    // The chosen drive's whole folder, which its entry may show cut short.
    bool event(QEvent* event) override;

private:
    void addDrive(const Drive& drive);
};
