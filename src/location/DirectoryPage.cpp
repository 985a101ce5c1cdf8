#include "location/DirectoryPage.h"

#include "common/CorePath.h"
#include "common/ErrorBoundary.h"
#include "common/PlacedControls.h"
#include "common/RoomForText.h"
#include "common/RunState.h"
#include "common/Services.h"
#include "files/GameFolder.h"
#include "location/GamePlaces.h"
#include "workspace/GameFiles.h"

#include <QLineEdit>

#include <algorithm>

DirectoryPage::DirectoryPage(Services& services, RunState& state)
    : Form(QStringLiteral("frmDir"), QStringLiteral("Zentrimo"), PageBackground), m_services(services),
      m_state(state) {
    setFixedSize(scale().size(4200, 1605));
    auto* heading = placeCyanLabel(this, QStringLiteral("Label1"), tr("Your current half-life directory:"),
                                   scale().rect(120, 120, 3975, 375));
    auto* leftArrows = placeCyanLabel(this, QStringLiteral("Label3"), QStringLiteral(">>>>"),
                                      scale().rect(120, 600, 495, 255));
    // Drawn 135 twips past the form's right edge: it ends there.
    auto* rightArrows = placeCyanLabel(this, QStringLiteral("Label2"), QStringLiteral("<<<<"),
                                       scale().rect(3720, 600, 4200 - 3720, 255));
    // Created after the arrows so that it lies over their inner ends.
    m_directoryBox =
        placeControl<QLineEdit>(this, QStringLiteral("txtDir"), scale().rect(480, 600, 3255, 285));
    // Its frame does not grow with the font: a line of text never loses its foot.
    m_directoryBox->resize(m_directoryBox->size().expandedTo(m_directoryBox->minimumSizeHint()));
    // The arrows point at the box from the strips beside it.
    const int strip = std::min(m_directoryBox->x() - leftArrows->x(), width() - rightArrows->x());
    shrinkTextToWidth(leftArrows, strip);
    rightArrows->setFont(leftArrows->font());
    auto* backButton =
        placeButton(this, QStringLiteral("cmdBack1"), tr("&Back"), scale().rect(720, 1080, 1215, 375));
    auto* nextButton =
        placeButton(this, QStringLiteral("cmdNext2"), tr("&Next"), scale().rect(2040, 1080, 1215, 375));
    setForwardButton(nextButton);
    for (QWidget* control : std::initializer_list<QWidget*>{heading, backButton, nextButton})
        makeRoomForText(control);
    chainTabOrder({m_directoryBox, nextButton, backButton});
    m_directoryBox->setFocus();

    // A folder too long for the box shows its end, where the game's folder is named, and the whole
    // of it under the mouse.
    connect(m_directoryBox, &QLineEdit::textChanged, m_directoryBox, &QLineEdit::setToolTip);
    connect(backButton, &QPushButton::clicked, this, &DirectoryPage::back);
    connect(nextButton, &QPushButton::clicked, this, [this] { guarded(m_services, [this] { confirm(); }); });
}

QString DirectoryPage::directory() const {
    return m_directoryBox->text();
}

void DirectoryPage::setDirectory(const QString& directory) {
    m_directoryBox->setText(directory);
    m_directoryBox->end(false);
}

void DirectoryPage::proposeFolderOf(search::GameEdition edition) {
    const ProposedFolder proposed = proposedFolder(edition, m_state.environment);
    setDirectory(proposed.folder);
    if (!proposed.folder.isEmpty())
        return;
    if (proposed.failed)
        m_services.showError(proposed.problem);
    else
        m_services.showMessage(proposed.problem);
}

void DirectoryPage::confirm() {
    // Taken as typed, before the test: a rejected root stays until the next try.
    m_state.gameFolder =
        files::GameFolder(toCorePath(m_directoryBox->text()), m_state.environment.winePrefixInUse());
    if (workspace::holdsTheGame(m_state.gameFolder))
        emit confirmed();
    else
        m_services.showMessage(tr("Couldn't find counter-strike config file, try specify another path"));
}
