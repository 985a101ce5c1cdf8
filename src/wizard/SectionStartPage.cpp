#include "wizard/SectionStartPage.h"

#include "common/ErrorBoundary.h"
#include "common/FormStyle.h"
#include "common/Services.h"
#include "game/RunPreview.h"
#include "wizard/PageLanguage.h"
#include "wizard/PageLook.h"
#include "workspace/FileError.h"
#include "workspace/FileSteps.h"
#include "workspace/GameFiles.h"
#include "workspace/LeaveOut.h"
#include "workspace/OwnSettings.h"
#include "workspace/RestorePointText.h"
#include "workspace/RunningGame.h"
#include "workspace/Workspace.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSvgRenderer>
#include <QVBoxLayout>

namespace wizard {

namespace {

const QSize LargestPicture(220, 220);

// What the game will make of the run's lines: those after the workspace file's last banner.
QString previewOfWorkspace(const std::string& gameRoot) {
    std::optional<std::string> text;
    try {
        text = workspace::FileSteps().readIfPresent(
            workspace::gameFilePath(gameRoot, workspace::WorkspaceSuffix));
    } catch (const workspace::FileError& error) {
        // The question still stands: No must go on quitting as it always did.
        return SectionStartPage::tr("The lines of this run could not be read: %1")
            .arg(QString::fromUtf8(error.what()));
    }
    const std::string running =
        workspace::gameRunningFrom(gameRoot)
            ? SectionStartPage::tr("Counter-Strike is running: the settings take effect at its next start.")
                  .toStdString()
            : std::string();
    return QString::fromStdString(game::previewOfRun(workspace::runLines(text.value_or("")), running));
}

// The run's lines for the player to keep or leave out; none when the workspace cannot be read.
QList<ReviewLine> linesOfWorkspace(const std::string& gameRoot) {
    QList<ReviewLine> lines;
    try {
        const auto text = workspace::FileSteps().readIfPresent(
            workspace::gameFilePath(gameRoot, workspace::WorkspaceSuffix));
        for (const game::ReviewedLine& line : game::reviewOfRun(workspace::runLines(text.value_or(""))))
            lines.push_back(
                {QString::fromStdString(line.line), QString::fromStdString(line.today), line.doesNothing});
    } catch (const workspace::FileError&) {
        // The preview says why; the question still stands.
    }
    return lines;
}

QLabel* sectionPicture(const QString& resource, Form* page) {
    QSize size = QSvgRenderer(resource).defaultSize();
    if (!size.isEmpty())
        size.scale(page->scale().pixels(LargestPicture), Qt::KeepAspectRatio);
    return makePicture(QStringLiteral("Image1"), resource, size, page);
}

} // namespace

SectionStartPage::SectionStartPage(SectionSpec section, Services& services, RunState& state)
    : Form(section.form, QStringLiteral("Zentrimo"), PageBackground),
      m_section(inPlayersLanguage(std::move(section))), m_services(services), m_state(state) {
    const TwipsScale& scale = this->scale();
    auto* texts = new QVBoxLayout;
    texts->setSpacing(scale.pixels(14));
    for (const Text& label : m_section.labels)
        texts->addWidget(makeLabel(label, this));
    texts->addStretch();
    auto* top = new QHBoxLayout;
    top->setSpacing(scale.pixels(20));
    top->addLayout(texts, 1);
    if (m_section.pictureResource)
        top->addWidget(sectionPicture(*m_section.pictureResource, this), 0, Qt::AlignTop);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(scale.pixels(ButtonGap));
    if (m_section.enterButton) {
        QPushButton* enter = makeButton(*m_section.enterButton, this);
        connect(enter, &QPushButton::clicked, this, &SectionStartPage::next);
        buttons->addWidget(enter);
        m_focusButton = enter;
    }
    if (m_section.checkButton) {
        QPushButton* check = makeButton(*m_section.checkButton, this);
        connect(check, &QPushButton::clicked, this, &SectionStartPage::checkGame);
        buttons->addWidget(check);
    }
    if (m_section.restoreButton) {
        QPushButton* restore = makeButton(*m_section.restoreButton, this);
        connect(restore, &QPushButton::clicked, this, &SectionStartPage::restorePoints);
        buttons->addWidget(restore);
    }
    buttons->addStretch();
    if (m_section.leaveLabel) {
        QLabel* label = makeLabel(*m_section.leaveLabel, this);
        label->setWordWrap(false);
        buttons->addWidget(label);
    }
    QPushButton* leave = makeButton(m_section.leaveButton, this);
    connect(leave, &QPushButton::clicked, this,
            m_section.leave == LeaveAction::Uninstall ? &SectionStartPage::uninstall
                                                      : &SectionStartPage::quit);
    buttons->addWidget(leave);
    if (!m_focusButton)
        m_focusButton = leave;
    setForwardButton(m_focusButton);

    auto* page = new QVBoxLayout;
    page->setContentsMargins(scale.pixels(30), scale.pixels(30), scale.pixels(30), scale.pixels(24));
    page->addLayout(top, 1);
    page->addLayout(buttons);
    finishPage(this, page);
}

void SectionStartPage::showEvent(QShowEvent* event) {
    Form::showEvent(event);
    m_focusButton->setFocus();
}

void SectionStartPage::uninstall() {
    guarded(m_services, [this] {
        if (workspace::gameRunningFrom(m_state.gameRoot)) {
            m_services.showMessage(QString::fromUtf8(workspace::GameRunningRefusal));
            return;
        }
        const workspace::RestorePoints points(m_state.restorePointsRoot,
                                              workspace::gameScripts(m_state.gameRoot));
        if (workspace::UninstallTweak(m_state.gameRoot, workspace::FileSteps(), &points) ==
            workspace::UninstallResult::NotInstalled) {
            m_services.showMessage(
                tr("You have to install the tweak before you try to uninstall it --> No tweak installed"));
            return;
        }
        m_services.showMessage(
            //: "Tweak have been succesfully" is the original's grammar and typo; write it correctly.
            tr("Tweak have been succesfully uninstalled"));
        m_services.endProgram(0);
    });
}

void SectionStartPage::quit() {
    guarded(m_services, [this] {
        const auto kept = m_services.askApplyLines(tr("Do you want to apply settings before quit?"),
                                                   previewOfWorkspace(m_state.gameRoot),
                                                   linesOfWorkspace(m_state.gameRoot));
        if (kept) {
            workspace::leaveOutRunLines(m_state.gameRoot, std::vector<bool>(kept->begin(), kept->end()));
            const workspace::RestorePoints points(m_state.restorePointsRoot,
                                                  workspace::gameScripts(m_state.gameRoot));
            workspace::ApplyWorkspace(m_state.gameRoot, workspace::FileSteps(), &points);
        }
        m_services.endProgram(0);
    });
}

} // namespace wizard
