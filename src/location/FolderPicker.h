#pragma once

#include <QWidget>

class DirectoryList;
class DriveList;
class Services;

// The folder picker (frmSpecify): browses drives and folders; "&Ok" picks the open folder.
class FolderPicker : public QWidget {
    Q_OBJECT
public:
    explicit FolderPicker(Services& services);

signals:
    void folderPicked(const QString& folder);

private:
    void changeDrive();

    DirectoryList* m_folderList;
    DriveList* m_driveList;
    int m_driveShown = -1;
};
