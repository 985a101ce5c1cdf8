#include "common/QtServices.h"

#include "common/LineReviewBox.h"
#include "common/MessageBox.h"
#include "common/SystemMusicPlayer.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QMessageBox::StandardButton runBox(BoxKind kind, const QString& text, const QString& details = {}) {
    FormMessageBox box(kind, text, QApplication::activeWindow());
    box.setDetailedText(details);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

QtServices::QtServices() : m_music(makeSystemMusicPlayer()) {}

QtServices::~QtServices() = default;

void QtServices::showMessage(const QString& text) {
    runBox(BoxKind::Message, text);
}

void QtServices::showError(const QString& text) {
    // Also on the console, where the errors of a program started from a menu are looked for.
    qCritical("%s", qPrintable(text));
    runBox(BoxKind::Error, text);
}

bool QtServices::askYesNo(const QString& question, const QString& details) {
    return runBox(BoxKind::Question, question, details) == QMessageBox::Yes;
}

std::optional<QList<bool>> QtServices::askApplyLines(const QString& question, const QString& details,
                                                     const QList<ReviewLine>& lines) {
    LineReviewBox box(question, details, lines, QApplication::activeWindow());
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return box.kept();
}

void QtServices::beep() {
    QApplication::beep();
}

MusicPlayer& QtServices::music() {
    return *m_music;
}

void QtServices::endProgram(int exitCode) {
    if (m_ended)
        return;
    m_ended = true;
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    // Queued, so that it also ends a run whose event loop has not started yet.
    QMetaObject::invokeMethod(
        qApp, [exitCode] { QCoreApplication::exit(exitCode); }, Qt::QueuedConnection);
}
