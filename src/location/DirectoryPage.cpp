#include "DirectoryPage.h"

#include "CorePath.h"
#include "ErrorBoundary.h"
#include "GameFiles.h"
#include "PlacedControls.h"
#include "RunState.h"
#include "Services.h"

#include <QLineEdit>

#include <algorithm>

DirectoryPage::DirectoryPage(Services& services, RunState& state) : m_services(services), m_state(state) {
    setObjectName(QStringLiteral("frmDir"));
    setUpForm(this, QStringLiteral("Zentrimo"), twipsSize(4200, 1605),
              QStringLiteral(":/pictures/background_page.svg"));
    placeCyanLabel(this, QStringLiteral("Label1"), QStringLiteral("Your current half-life directory:"),
                   twipsRect(120, 120, 3975, 375));
    auto* leftArrows =
        placeCyanLabel(this, QStringLiteral("Label3"), QStringLiteral(">>>>"), twipsRect(120, 600, 495, 255));
    auto* rightArrows = placeCyanLabel(this, QStringLiteral("Label2"), QStringLiteral("<<<<"),
                                       twipsRect(3720, 600, 615, 255));
    // Created after the arrows so that it lies over their inner ends.
    m_directoryBox = placeControl<QLineEdit>(this, QStringLiteral("txtDir"), twipsRect(480, 600, 3255, 285));
    // The arrows were drawn for a narrower font: they shrink to the strips beside the box.
    const int strip = std::min(m_directoryBox->x() - leftArrows->x(), width() - rightArrows->x());
    shrinkTextToWidth(leftArrows, strip);
    rightArrows->setFont(leftArrows->font());
    auto* backButton = placeButton(this, QStringLiteral("cmdBack1"), QStringLiteral("&Back"),
                                   twipsRect(720, 1080, 1215, 375));
    auto* nextButton = placeButton(this, QStringLiteral("cmdNext2"), QStringLiteral("&Next"),
                                   twipsRect(2040, 1080, 1215, 375));
    nextButton->setDefault(true);
    chainTabOrder({m_directoryBox, nextButton, backButton});
    m_directoryBox->setFocus();

    connect(m_directoryBox, &QLineEdit::returnPressed, nextButton, &QPushButton::click);
    connect(backButton, &QPushButton::clicked, this, &DirectoryPage::back);
    connect(nextButton, &QPushButton::clicked, this, [this] { guarded(m_services, [this] { confirm(); }); });
}

QString DirectoryPage::directory() const {
    return m_directoryBox->text();
}

void DirectoryPage::setDirectory(const QString& directory) {
    m_directoryBox->setText(directory);
}

void DirectoryPage::confirm() {
    // Taken as typed, before the test: a rejected root stays until the next try.
    m_state.gameRoot = toCorePath(m_directoryBox->text());
    if (workspace::fileExists(workspace::gameFilePath(m_state.gameRoot, workspace::GameConfigSuffix)))
        emit confirmed();
    else
        m_services.showMessage(
            QStringLiteral("Couldn't find counter-strike config file, try specify another path"));
}
