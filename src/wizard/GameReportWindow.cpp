#include "wizard/GameReportWindow.h"

#include "wizard/CoreWords.h"

#include "common/ErrorBoundary.h"
#include "common/FormStyle.h"
#include "common/RunState.h"
#include "common/Services.h"
#include "files/FileError.h"
#include "game/FolderReport.h"
#include "game/ReportRendering.h"
#include "wizard/CheckLists.h"
#include "wizard/LastColumnFill.h"
#include "wizard/PageLook.h"
#include "workspace/ApplyFixes.h"
#include "workspace/RestorePoints.h"
#include "workspace/RunningGame.h"

#include <QClipboard>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace wizard {

namespace {

QListWidget* makeList(const QString& name, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setWordWrap(true);
    list->setTextElideMode(Qt::ElideNone);
    list->setResizeMode(QListView::Adjust);
    return list;
}

QSize screenRoom() {
    return QGuiApplication::primaryScreen()->availableGeometry().size() * 9 / 10;
}

QWidget* tabOf(QWidget* parent, const QList<QWidget*>& rows, QWidget* grows) {
    auto* tab = new QWidget(parent);
    auto* layout = new QVBoxLayout(tab);
    for (QWidget* row : rows)
        layout->addWidget(row, row == grows ? 1 : 0);
    return tab;
}

} // namespace

GameReportWindow::GameReportWindow(RunState& state, Services& services)
    : Form(QStringLiteral("frmCheck0"), QStringLiteral("Zentrimo"), PageBackground), m_state(state),
      m_services(services) {
    const TwipsScale& scale = this->scale();
    QLabel* heading =
        makeHeading({QStringLiteral("Label1"), tr("What the game will use when it starts")}, this);
    auto* tabs = m_tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("tabCheck0"));

    m_problems = makeList(QStringLiteral("lstProblems0"), tabs);
    QPushButton* fix = makeButton({QStringLiteral("cmdFix0"), tr("&Fix chosen")}, tabs);
    connect(fix, &QPushButton::clicked, this, &GameReportWindow::fixChosen);
    tabs->addTab(tabOf(tabs, {m_problems, fix}, m_problems), tr("Problems"));

    m_filter = new QLineEdit(tabs);
    m_filter->setObjectName(QStringLiteral("txtFilter0"));
    m_filter->setPlaceholderText(tr("Filter the settings"));
    m_settings = new QTableWidget(0, 4, tabs);
    m_settings->setObjectName(QStringLiteral("tblSettings0"));
    m_settings->setHorizontalHeaderLabels(
        {tr("Setting"), tr("Value the game will use"), tr("Set by"), tr("What today's game does")});
    m_settings->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_columnFill = new LastColumnFill(m_settings);
    m_settings->setWordWrap(true);
    m_settings->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_settings->setTabKeyNavigation(false);
    connect(m_filter, &QLineEdit::textChanged, this, &GameReportWindow::filterSettings);
    tabs->addTab(tabOf(tabs, {m_filter, m_settings}, m_settings), tr("Settings"));

    m_scripts = makeList(QStringLiteral("lstScripts0"), tabs);
    tabs->addTab(tabOf(tabs, {m_scripts}, m_scripts), tr("Scripts"));

    m_reportBox = new QPlainTextEdit(tabs);
    m_reportBox->setObjectName(QStringLiteral("txtReport"));
    m_reportBox->setReadOnly(true);
    m_reportBox->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_reportBox->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // Tab leaves the report for the buttons, as everywhere else.
    m_reportBox->setTabChangesFocus(true);
    tabs->addTab(tabOf(tabs, {m_reportBox}, m_reportBox), tr("Report"));

    QPushButton* copy = makeButton({QStringLiteral("cmdCopy0"), tr("Co&py report")}, this);
    QPushButton* close = makeButton({QStringLiteral("cmdClose0"), tr("&Close")}, this);
    connect(copy, &QPushButton::clicked, this, [this] { QGuiApplication::clipboard()->setText(report()); });
    connect(close, &QPushButton::clicked, this, &GameReportWindow::closed);
    setForwardButton(close);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(scale.pixels(ButtonGap));
    buttons->addWidget(copy);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* page = new QVBoxLayout;
    page->setContentsMargins(scale.pixels(24), scale.pixels(24), scale.pixels(24), scale.pixels(20));
    page->addWidget(heading);
    page->addWidget(tabs, 1);
    page->addLayout(buttons);
    setLayout(page);
    // Resizable, and within the screen at any scale: the buttons stay reachable.
    setMinimumSize(scale.pixels(QSize(380, 280)).boundedTo(screenRoom()));
    resize(scale.pixels(QSize(760, 560)).boundedTo(screenRoom()));
}

QString GameReportWindow::report() const {
    return m_reportBox->toPlainText();
}

void GameReportWindow::showEvent(QShowEvent* event) {
    Form::showEvent(event);
    readAgain();
    m_problems->setFocus();
}

void GameReportWindow::readAgain() {
    try {
        m_check = game::checkFolder(m_state.gameFolder, m_state.environment);
        m_reportBox->setPlainText(QString::fromStdString(game::reportText(m_check.report, programWording())));
    } catch (const files::FileError& error) {
        m_check = {};
        m_reportBox->setPlainText(QString::fromUtf8(error.what()));
    }
    fillProblems(m_problems, m_check);
    fillSettings(m_settings, m_check);
    fillScripts(m_scripts, m_check);
    filterSettings(m_filter->text());
    widenForTheSettings();
    m_columnFill->fit();
}

// The settings' columns fit their contents and the last one takes the rest: the window widens, within
// the screen, when the rest is too narrow for the last caption (a longer translation, a large font).
void GameReportWindow::widenForTheSettings() {
    const QHeaderView* header = m_settings->horizontalHeader();
    const int last = header->count() - 1;
    int needed = 2 * m_settings->frameWidth() + m_settings->verticalHeader()->sizeHint().width() +
                 m_settings->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_settings) +
                 header->sectionSizeHint(last);
    for (int column = 0; column < last; ++column) {
        m_settings->resizeColumnToContents(column);
        needed += header->sectionSize(column);
    }
    // Every tab has the room the shown one has.
    layout()->activate();
    const QWidget* page = m_tabs->currentWidget();
    const int room = page->contentsRect().marginsRemoved(page->layout()->contentsMargins()).width();
    if (needed > room)
        resize(std::min(width() + needed - room, screenRoom().width()), height());
}

void GameReportWindow::fixChosen() {
    std::vector<game::Fix> chosen;
    for (int row = 0; row < m_problems->count(); ++row) {
        const QListWidgetItem* item = m_problems->item(row);
        if (item->checkState() == Qt::Checked)
            chosen.push_back(m_check.fixes[static_cast<std::size_t>(item->data(Qt::UserRole).toInt())]);
    }
    if (chosen.empty()) {
        m_services.showMessage(tr("Tick the problems you want Zentrimo to fix, then press \"Fix chosen\"."));
        return;
    }
    if (!m_services.askYesNo(tr("Zentrimo will change the lines shown under \"Show Details...\". Do you want "
                                "to change them?"),
                             QString::fromStdString(workspace::diffText(chosen, programWording()))))
        return;
    guarded(m_services, [&] {
        const workspace::RestorePoints points(m_state.restorePointsRoot,
                                              workspace::gameScripts(m_state.gameFolder));
        if (workspace::applyFixes(
                m_state.gameFolder, chosen,
                [](const files::GameFolder& game) { return workspace::gameRunningFrom(game); },
                workspace::FileSteps(), &points) == workspace::FixOutcome::GameRunning)
            m_services.showMessage(
                tr("The game is running from this folder. Quit the game first: it rewrites its "
                   "scripts when it quits. Nothing was changed."));
        readAgain();
    });
}

void GameReportWindow::filterSettings(const QString& text) {
    for (int row = 0; row < m_settings->rowCount(); ++row) {
        bool shown = text.isEmpty();
        for (int column = 0; column < m_settings->columnCount() && !shown; ++column)
            shown = m_settings->item(row, column)->text().contains(text, Qt::CaseInsensitive);
        m_settings->setRowHidden(row, !shown);
    }
}

} // namespace wizard
