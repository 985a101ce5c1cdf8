#include "wizard/SectionStartPage.h"

#include "wizard/CoreWords.h"

#include "common/ErrorBoundary.h"
#include "common/FormStyle.h"
#include "common/Services.h"
#include "wizard/PageLanguage.h"
#include "wizard/PageLook.h"
#include "workspace/LeaveOut.h"
#include "workspace/QuitPreview.h"
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
        if (workspace::gameRunningFrom(m_state.gameFolder)) {
            m_services.showMessage(wordsOf(game::Message{game::Phrase::GameRunning}));
            return;
        }
        const workspace::RestorePoints points(m_state.restorePointsRoot,
                                              workspace::gameScripts(m_state.gameFolder));
        if (workspace::UninstallTweak(m_state.gameFolder, workspace::FileSteps(), &points) ==
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
        const workspace::QuitPreview preview = workspace::quitPreview(m_state.gameFolder, programWording());
        QList<ReviewLine> lines;
        for (const game::ReviewedLine& line : preview.lines)
            lines.push_back(
                {QString::fromStdString(line.line), QString::fromStdString(line.today), line.doesNothing});
        const auto kept = m_services.askApplyLines(tr("Do you want to apply settings before quit?"),
                                                   QString::fromStdString(preview.details), lines);
        if (kept) {
            workspace::leaveOutRunLines(m_state.gameFolder, std::vector<bool>(kept->begin(), kept->end()));
            const workspace::RestorePoints points(m_state.restorePointsRoot,
                                                  workspace::gameScripts(m_state.gameFolder));
            workspace::ApplyWorkspace(m_state.gameFolder, workspace::FileSteps(), &points);
        }
        m_services.endProgram(0);
    });
}

} // namespace wizard
