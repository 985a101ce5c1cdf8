#pragma once

#include <QComboBox>

// The drives to browse: on Windows the drive letters, elsewhere "/" and then every mounted
// volume that is ready. Each entry holds the drive's root folder ("C:/", "/", "/media/usb").
class DriveList : public QComboBox {
    Q_OBJECT
public:
    explicit DriveList(QWidget* parent = nullptr);

    QString root() const;
    // The root of the drive that holds `folder`, the deepest one when volumes are nested.
    QString rootOf(const QString& folder) const;
    // Makes the drive that holds `folder` current without reporting a change.
    void showDriveOf(const QString& folder);
};
