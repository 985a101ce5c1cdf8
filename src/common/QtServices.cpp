#include "QtServices.h"

#include "SystemMusicPlayer.h"

#include <QApplication>
#include <QMessageBox>

namespace {

const QString ProgramTitle = QStringLiteral("Zentrimo");

QMessageBox::StandardButton runBox(QMessageBox::Icon icon, const QString& text,
                                   QMessageBox::StandardButtons buttons,
                                   QMessageBox::StandardButton defaultButton) {
    QMessageBox box(icon, ProgramTitle, text, buttons, QApplication::activeWindow());
    box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

QtServices::QtServices() : m_music(makeSystemMusicPlayer()) {}

QtServices::~QtServices() = default;

void QtServices::showMessage(const QString& text) {
    runBox(QMessageBox::NoIcon, text, QMessageBox::Ok, QMessageBox::Ok);
}

void QtServices::showError(const QString& text) {
    // Also on the console, where the errors of a program started from a menu are looked for.
    qCritical("%s", qPrintable(text));
    runBox(QMessageBox::Critical, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtServices::askYesNo(const QString& question) {
    return runBox(QMessageBox::NoIcon, question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
           QMessageBox::Yes;
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
