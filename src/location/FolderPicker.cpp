#include "location/FolderPicker.h"

#include "common/PlacedControls.h"
#include "common/RoomForText.h"
#include "common/Services.h"
#include "location/DirectoryList.h"

#include <QDir>
#include <QSignalBlocker>

FolderPicker::FolderPicker(Services& services, const QList<Drive>& gamePlaces)
    : Form(QStringLiteral("frmSpecify"), QStringLiteral("Zentrimo"), PageBackground) {
    setFixedSize(scale().size(2790, 3585));
    auto* heading =
        placeCyanLabel(this, QStringLiteral("Label1"), tr("Choose your half-life root directory:"),
                       scale().rect(120, 120, 1935, 495));
    heading->setWordWrap(true);
    m_folderList =
        placeControl<DirectoryList>(this, QStringLiteral("dirDir"), scale().rect(120, 600, 2535, 1890));
    m_driveList = placeControl<DriveList>(this, QStringLiteral("drvDir"), scale().rect(120, 2640, 2535, 315),
                                          gamePlaces);
    auto* okButton =
        placeButton(this, QStringLiteral("cmdOk1"), tr("&Ok"), scale().rect(720, 3120, 1215, 375));
    setForwardButton(okButton);
    makeRoomForText(heading, scale()(2535));
    makeRoomForText(okButton);
    chainTabOrder({m_folderList, okButton, m_driveList});
    m_folderList->setFocus();

    connect(m_folderList, &DirectoryList::cannotRead, this,
            [&services](const QString& message) { services.showMessage(message); });
    const QString start = QDir::currentPath();
    m_driveList->showDriveOf(start);
    m_driveShown = m_driveList->currentIndex();
    m_folderList->open(start);

    connect(m_driveList, &QComboBox::currentIndexChanged, this, &FolderPicker::changeDrive);
    connect(okButton, &QPushButton::clicked, this, [this] { emit folderPicked(m_folderList->path()); });
}

void FolderPicker::changeDrive() {
    // A drive opens at its root, unless it holds the folder the program was started in.
    const QString current = QDir::currentPath();
    const QString root = m_driveList->root();
    if (m_folderList->open(m_driveList->rootOf(current) == root ? current : root)) {
        m_driveShown = m_driveList->currentIndex();
        return;
    }
    const QSignalBlocker quiet(m_driveList);
    m_driveList->setCurrentIndex(m_driveShown);
}
