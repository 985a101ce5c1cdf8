#pragma once

#include "common/Form.h"
#include "location/DriveList.h"

class DirectoryList;
class Services;

// The folder picker (frmSpecify): browses drives and folders; "&Ok" picks the open folder.
class FolderPicker : public Form {
    Q_OBJECT
public:
    // `gamePlaces` join the drive list after the drives (Steam libraries, Wine drives).
    FolderPicker(Services& services, const QList<Drive>& gamePlaces);

signals:
    void folderPicked(const QString& folder);

private:
    void changeDrive();

    DirectoryList* m_folderList;
    DriveList* m_driveList;
    int m_driveShown = -1;
};
