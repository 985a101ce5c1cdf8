#include "app/MusicLoop.h"

#include "common/Services.h"
#include "workspace/GameFiles.h"

#include <QDir>

#include <iterator>

namespace {

QString pathIn(const QString& folder, const char* file) {
    return QDir(folder).filePath(QString::fromLatin1(file));
}

} // namespace

bool musicFilesPresent(Services& services, const QString& folder) {
    for (const char* file : MusicFiles) {
        if (!workspace::fileExists(std::filesystem::path(pathIn(folder, file).toStdU16String()))) {
            services.showError(MusicLoop::tr("%1 is missing!").arg(QString::fromLatin1(file)));
            services.endProgram(1);
            return false;
        }
    }
    return true;
}

MusicLoop::MusicLoop(MusicPlayer& player, const QString& folder, QObject* parent)
    : QObject(parent), m_player(player), m_folder(folder) {
    connect(&m_player, &MusicPlayer::playbackEnded, this, &MusicLoop::playbackEnded);
}

void MusicLoop::start() {
    m_trackCount = 0;
    play(MusicFiles[0]);
}

void MusicLoop::playbackEnded() {
    ++m_trackCount;
    play(MusicFiles[m_trackCount - 1]);
    if (m_trackCount == std::ssize(MusicFiles))
        m_trackCount = 0;
}

void MusicLoop::play(const char* file) {
    m_player.openAndPlay(pathIn(m_folder, file));
}
