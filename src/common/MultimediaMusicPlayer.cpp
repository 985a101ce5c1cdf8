#include "common/SystemMusicPlayer.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QUrl>

namespace {

class MultimediaMusicPlayer : public MusicPlayer {
public:
    MultimediaMusicPlayer() : m_player(new QMediaPlayer(this)), m_output(new QAudioOutput(this)) {
        m_player->setAudioOutput(m_output);
        connect(m_player, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
            if (status == QMediaPlayer::EndOfMedia)
                emit playbackEnded();
        });
        // No sound device or codec is no reason to stop the wizard: it runs on silently.
        connect(m_player, &QMediaPlayer::errorOccurred, this,
                [](QMediaPlayer::Error, const QString& why) { qWarning("Music off: %s", qPrintable(why)); });
    }

    void openAndPlay(const QString& path) override {
        m_player->setSource(QUrl::fromLocalFile(path));
        m_player->play();
    }

private:
    QMediaPlayer* m_player;
    QAudioOutput* m_output;
};

} // namespace

std::unique_ptr<MusicPlayer> makeSystemMusicPlayer() {
    return std::make_unique<MultimediaMusicPlayer>();
}
