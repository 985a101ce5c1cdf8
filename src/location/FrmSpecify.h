#pragma once

#include <QWidget>

class DirectoryList;
class DriveList;
class Services;
class WindowChain;

// The folder picker: "&Ok" hands the open folder to frmDir's box.
class FrmSpecify : public QWidget {
    Q_OBJECT
public:
    FrmSpecify(WindowChain& chain, Services& services);

private:
    void changeDrive();
    void handOver();

    WindowChain& m_chain;
    DirectoryList* m_dirDir;
    DriveList* m_drvDir;
    int m_driveShown = -1;
};
