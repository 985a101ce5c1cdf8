#include "wizard/RestoreWindow.h"

#include "wizard/CoreWords.h"

#include "common/ErrorBoundary.h"
#include "common/FormStyle.h"
#include "common/RunState.h"
#include "common/Services.h"
#include "files/FileError.h"
#include "wizard/PageLook.h"
#include "workspace/RestorePointDiff.h"
#include "workspace/RestorePointText.h"
#include "workspace/RestorePoints.h"
#include "workspace/RunningGame.h"

#include <QDateTime>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace wizard {

namespace {

workspace::RestorePoints pointsOf(const RunState& state) {
    return workspace::RestorePoints(state.restorePointsRoot, workspace::gameScripts(state.gameFolder));
}

QString localTime(const std::string& utc) {
    // The trailing Z makes it UTC.
    return QDateTime::fromString(QString::fromStdString(utc), Qt::ISODate)
        .toLocalTime()
        .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString pointLine(const workspace::PointSummary& point, const workspace::FileContents& today) {
    if (!point.manifest)
        return QObject::tr("Restore point %1 is damaged: it cannot be restored.")
            .arg(QString::fromStdString(point.id));
    const QString time = localTime(point.manifest->time);
    const QString madeBy = QString::fromUtf8(workspace::madeByName(point.manifest->madeBy));
    if (point.damaged)
        return QObject::tr("%1, made before %2, is damaged: it cannot be restored.").arg(time, madeBy);
    QStringList differing;
    for (const std::string& name : workspace::filesDifferingFromToday(*point.manifest, today))
        differing << QString::fromStdString(name);
    if (differing.isEmpty())
        return QObject::tr("%1, made before %2: every file is as it is today.").arg(time, madeBy);
    return QObject::tr("%1, made before %2: differs from today in %3.")
        .arg(time, madeBy, differing.join(QStringLiteral(", ")));
}

} // namespace

RestoreWindow::RestoreWindow(RunState& state, Services& services)
    : Form(QStringLiteral("frmRestore0"), QStringLiteral("Zentrimo"), PageBackground), m_state(state),
      m_services(services) {
    const TwipsScale& scale = this->scale();
    QLabel* heading = makeHeading(
        {QStringLiteral("Label1"), tr("Restore points of the game's scripts, newest first")}, this);
    m_points = new QListWidget(this);
    m_points->setObjectName(QStringLiteral("lstPoints0"));
    m_points->setWordWrap(true);
    m_points->setTextElideMode(Qt::ElideNone);
    connect(m_points, &QListWidget::currentRowChanged, this, &RestoreWindow::showChosen);
    QLabel* diffLabel = makeLabel({QStringLiteral("Label2"), tr("What restoring it would change:")}, this);
    m_diff = new QPlainTextEdit(this);
    m_diff->setObjectName(QStringLiteral("txtRestoreDiff0"));
    m_diff->setReadOnly(true);
    m_diff->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_diff->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_diff->setTabChangesFocus(true);

    m_restore = makeButton({QStringLiteral("cmdRestorePoint0"), tr("&Restore")}, this);
    QPushButton* close = makeButton({QStringLiteral("cmdRestoreClose0"), tr("&Close")}, this);
    connect(m_restore, &QPushButton::clicked, this, &RestoreWindow::restoreChosen);
    connect(close, &QPushButton::clicked, this, &RestoreWindow::closed);
    setForwardButton(m_restore);
    setTabOrder(m_points, m_diff);
    setTabOrder(m_diff, m_restore);
    setTabOrder(m_restore, close);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(scale.pixels(ButtonGap));
    buttons->addWidget(m_restore);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* page = new QVBoxLayout;
    page->setContentsMargins(scale.pixels(24), scale.pixels(24), scale.pixels(24), scale.pixels(20));
    page->addWidget(heading);
    page->addWidget(m_points, 1);
    page->addWidget(diffLabel);
    page->addWidget(m_diff, 2);
    page->addLayout(buttons);
    setLayout(page);
    // Resizable, and within the screen at any scale: the buttons stay reachable.
    const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size() * 9 / 10;
    setMinimumSize(scale.pixels(QSize(380, 280)).boundedTo(screen));
    resize(scale.pixels(QSize(720, 560)).boundedTo(screen));
}

void RestoreWindow::showEvent(QShowEvent* event) {
    Form::showEvent(event);
    readAgain();
    m_points->setFocus();
}

void RestoreWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        emit closed();
        return;
    }
    Form::keyPressEvent(event);
}

void RestoreWindow::readAgain() {
    m_points->clear();
    guarded(m_services, [this] {
        const workspace::RestorePoints points = pointsOf(m_state);
        const workspace::FileContents today =
            workspace::todaysContents(workspace::gameScripts(m_state.gameFolder));
        for (const workspace::PointSummary& point : points.list()) {
            auto* item = new QListWidgetItem(pointLine(point, today), m_points);
            item->setData(Qt::UserRole, QString::fromStdString(point.id));
        }
    });
    if (m_points->count() == 0)
        m_diff->setPlainText(tr("There are no restore points yet: Zentrimo keeps one before every change it "
                                "makes to the game's scripts."));
    m_points->setCurrentRow(m_points->count() ? 0 : -1);
    showChosen();
}

void RestoreWindow::showChosen() {
    const QListWidgetItem* chosen = m_points->currentItem();
    m_restore->setEnabled(false);
    if (!chosen)
        return;
    guarded(m_services, [&] {
        const workspace::GameScripts game = workspace::gameScripts(m_state.gameFolder);
        const auto copies = pointsOf(m_state).contents(chosen->data(Qt::UserRole).toString().toStdString());
        if (!copies) {
            m_diff->setPlainText(
                tr("This restore point is damaged: its files are not as they were written, so "
                   "it cannot be restored."));
            return;
        }
        m_diff->setPlainText(QString::fromStdString(
            workspace::restoreDiff(game, workspace::todaysContents(game), *copies, programWording())));
        m_restore->setEnabled(true);
    });
}

void RestoreWindow::restoreChosen() {
    const QListWidgetItem* chosen = m_points->currentItem();
    if (!chosen || !m_restore->isEnabled())
        return;
    const std::string id = chosen->data(Qt::UserRole).toString().toStdString();
    if (!m_services.askYesNo(
            tr("Zentrimo will put the game's scripts back as they were at this restore point, "
               "as shown under \"Show Details...\", after keeping what they hold now as a "
               "new restore point. Do you want to restore it?"),
            m_diff->toPlainText()))
        return;
    guarded(m_services, [&] {
        const workspace::RestoreOutcome outcome =
            pointsOf(m_state).restore(id, workspace::gameRunningFrom(m_state.gameFolder));
        m_services.showMessage(
            QString::fromStdString(workspace::restoreOutcomeText(outcome, id, programWording())).trimmed());
    });
    readAgain();
}

} // namespace wizard
