#include "FrmSpecify.h"

#include "DirectoryList.h"
#include "DriveList.h"
#include "FrmDir.h"
#include "PlacedControls.h"
#include "Services.h"
#include "WindowChain.h"

#include <QDir>
#include <QSignalBlocker>

FrmSpecify::FrmSpecify(WindowChain& chain, Services& services) : m_chain(chain) {
    setUpForm(this, QStringLiteral("Zentrimo"), twipsSize(2790, 3585),
              QStringLiteral(":/pictures/background_page.svg"));
    placeCyanLabel(this, QStringLiteral("Label1"), QStringLiteral("Choose your half-life root directory:"),
                   twipsRect(120, 120, 1935, 495))
        ->setWordWrap(true);
    m_dirDir = placeControl<DirectoryList>(this, QStringLiteral("dirDir"), twipsRect(120, 600, 2535, 1890));
    m_drvDir = placeControl<DriveList>(this, QStringLiteral("drvDir"), twipsRect(120, 2640, 2535, 315));
    auto* cmdOk1 =
        placeButton(this, QStringLiteral("cmdOk1"), QStringLiteral("&Ok"), twipsRect(720, 3120, 1215, 375));
    chainTabOrder({m_dirDir, cmdOk1, m_drvDir});
    m_dirDir->setFocus();

    connect(m_dirDir, &DirectoryList::cannotRead, this,
            [&services](const QString& message) { services.showMessage(message); });
    const QString start = QDir::currentPath();
    m_drvDir->showDriveOf(start);
    m_driveShown = m_drvDir->currentIndex();
    m_dirDir->open(start);

    connect(m_drvDir, &QComboBox::currentIndexChanged, this, &FrmSpecify::changeDrive);
    connect(cmdOk1, &QPushButton::clicked, this, &FrmSpecify::handOver);
}

void FrmSpecify::changeDrive() {
    // A drive opens at its root, unless it holds the folder the program was started in.
    const QString current = QDir::currentPath();
    const QString root = m_drvDir->root();
    if (m_dirDir->open(m_drvDir->rootOf(current) == root ? current : root)) {
        m_driveShown = m_drvDir->currentIndex();
        return;
    }
    const QSignalBlocker quiet(m_drvDir);
    m_drvDir->setCurrentIndex(m_driveShown);
}

void FrmSpecify::handOver() {
    qobject_cast<FrmDir*>(m_chain.form(QStringLiteral("frmDir")))->setDirectory(m_dirDir->path());
    m_chain.moveOn(this, QStringLiteral("frmDir"));
}
