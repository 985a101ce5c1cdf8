#include "wizard/GameReportWindow.h"

#include "common/FormStyle.h"
#include "common/RunState.h"
#include "files/Environment.h"
#include "files/FileError.h"
#include "files/WinePrefix.h"
#include "game/FolderReport.h"
#include "wizard/PageLook.h"
#include "workspace/GameFiles.h"

#include <QClipboard>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace wizard {

GameReportWindow::GameReportWindow(RunState& state)
    : Form(QStringLiteral("frmCheck0"), QStringLiteral("Zentrimo"), PageBackground), m_state(state) {
    const TwipsScale& scale = this->scale();
    QLabel* heading = makeHeading(
        {QStringLiteral("Label1"), QStringLiteral("What the game will use when it starts")}, this);
    m_reportBox = new QPlainTextEdit(this);
    m_reportBox->setObjectName(QStringLiteral("txtReport"));
    m_reportBox->setReadOnly(true);
    m_reportBox->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_reportBox->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // Tab leaves the report for the buttons, as everywhere else.
    m_reportBox->setTabChangesFocus(true);

    QPushButton* copy = makeButton({QStringLiteral("cmdCopy0"), QStringLiteral("Co&py report")}, this);
    QPushButton* close = makeButton({QStringLiteral("cmdClose0"), QStringLiteral("&Close")}, this);
    connect(copy, &QPushButton::clicked, this, [this] { QGuiApplication::clipboard()->setText(report()); });
    connect(close, &QPushButton::clicked, this, &GameReportWindow::closed);
    setForwardButton(close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(copy);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* page = new QVBoxLayout;
    page->setContentsMargins(scale.pixels(24), scale.pixels(24), scale.pixels(24), scale.pixels(20));
    page->addWidget(heading);
    page->addWidget(m_reportBox, 1);
    page->addLayout(buttons);
    setLayout(page);
    setFixedSize(scale.pixels(QSize(760, 560)));
}

QString GameReportWindow::report() const {
    return m_reportBox->toPlainText();
}

void GameReportWindow::showEvent(QShowEvent* event) {
    Form::showEvent(event);
    std::string text;
    try {
        text = game::folderReport(files::asThePlayerKnowsIt(m_state.gameFolder.path()), m_state.environment,
                                  game::ReportFormat::Text);
    } catch (const files::FileError& error) {
        text = error.what();
    }
    m_reportBox->setPlainText(QString::fromUtf8(text));
    m_reportBox->setFocus();
}

} // namespace wizard
