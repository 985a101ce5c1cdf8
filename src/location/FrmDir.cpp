#include "FrmDir.h"

#include "DimList.h"
#include "ErrorBoundary.h"
#include "GameFiles.h"
#include "PlacedControls.h"
#include "Services.h"
#include "WindowChain.h"

#include <QLineEdit>

#include <algorithm>

FrmDir::FrmDir(WindowChain& chain, Services& services, DimList& dims)
    : m_chain(chain), m_services(services), m_dims(dims) {
    setUpForm(this, QStringLiteral("Zentrimo"), twipsSize(4200, 1605),
              QStringLiteral(":/pictures/background_page.svg"));
    placeCyanLabel(this, QStringLiteral("Label1"), QStringLiteral("Your current half-life directory:"),
                   twipsRect(120, 120, 3975, 375));
    auto* label3 =
        placeCyanLabel(this, QStringLiteral("Label3"), QStringLiteral(">>>>"), twipsRect(120, 600, 495, 255));
    auto* label2 = placeCyanLabel(this, QStringLiteral("Label2"), QStringLiteral("<<<<"),
                                  twipsRect(3720, 600, 615, 255));
    // Created after the arrows so that it lies over their inner ends.
    m_txtDir = placeControl<QLineEdit>(this, QStringLiteral("txtDir"), twipsRect(480, 600, 3255, 285));
    // The arrows were drawn for a narrower font: they shrink to the strips beside the box.
    const int strip = std::min(m_txtDir->x() - label3->x(), width() - label2->x());
    shrinkTextToWidth(label3, strip);
    label2->setFont(label3->font());
    auto* cmdBack1 = placeButton(this, QStringLiteral("cmdBack1"), QStringLiteral("&Back"),
                                 twipsRect(720, 1080, 1215, 375));
    auto* cmdNext2 = placeButton(this, QStringLiteral("cmdNext2"), QStringLiteral("&Next"),
                                 twipsRect(2040, 1080, 1215, 375));
    cmdNext2->setDefault(true);
    chainTabOrder({m_txtDir, cmdNext2, cmdBack1});
    m_txtDir->setFocus();

    connect(m_txtDir, &QLineEdit::returnPressed, cmdNext2, &QPushButton::click);
    connect(cmdBack1, &QPushButton::clicked, this,
            [this] { m_chain.moveOn(this, QStringLiteral("frmMain")); });
    connect(cmdNext2, &QPushButton::clicked, this, [this] { guarded(m_services, [this] { confirm(); }); });
}

QString FrmDir::directory() const {
    return m_txtDir->text();
}

void FrmDir::setDirectory(const QString& directory) {
    m_txtDir->setText(directory);
}

void FrmDir::confirm() {
    // Taken as typed, before the test: a rejected root stays until the next try.
    m_dims.GameRoot = m_txtDir->text().toLocal8Bit().toStdString();
    if (workspace::fileExists(workspace::gameFilePath(m_dims.GameRoot, workspace::GameConfigSuffix)))
        m_chain.moveOn(this, QStringLiteral("frmTweak0"));
    else
        m_services.showMessage(
            QStringLiteral("Couldn't find counter-strike config file, try specify another path"));
}
