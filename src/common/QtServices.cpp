#include "QtServices.h"

#include "MessageBox.h"

#include <QApplication>
#include <QAudioOutput>
#include <QMediaPlayer>
#include <QUrl>

namespace {

QMessageBox::StandardButton runBox(BoxKind kind, const QString& text) {
    FormMessageBox box(kind, text, QApplication::activeWindow());
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

QtMusicPlayer::QtMusicPlayer(QObject* parent)
    : MusicPlayer(parent), m_player(new QMediaPlayer(this)), m_output(new QAudioOutput(this)) {
    m_player->setAudioOutput(m_output);
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::EndOfMedia)
            emit playbackEnded();
    });
    // No sound device or codec is no reason to stop the wizard: it runs on silently.
    connect(m_player, &QMediaPlayer::errorOccurred, this,
            [](QMediaPlayer::Error, const QString& why) { qWarning("Music off: %s", qPrintable(why)); });
}

void QtMusicPlayer::openAndPlay(const QString& path) {
    m_player->setSource(QUrl::fromLocalFile(path));
    m_player->play();
}

QtServices::QtServices() : m_music(std::make_unique<QtMusicPlayer>()) {}

QtServices::~QtServices() = default;

void QtServices::showMessage(const QString& text) {
    runBox(BoxKind::Message, text);
}

void QtServices::showError(const QString& text) {
    // Also on the console, where the errors of a program started from a menu are looked for.
    qCritical("%s", qPrintable(text));
    runBox(BoxKind::Error, text);
}

bool QtServices::askYesNo(const QString& question) {
    return runBox(BoxKind::Question, question) == QMessageBox::Yes;
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
