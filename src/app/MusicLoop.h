#pragma once

#include <QObject>
#include <QString>

#include <array>
#include <cstdint>

class MusicPlayer;
class Services;

// The background pieces in the order they are checked and played. Media files, whatever the names say.
inline constexpr std::array<const char*, 3> MusicFiles{"input.dll", "output.dll", "zentrimo.saw"};

// True when every piece is in `folder`; otherwise shows the first missing one's message with the
// error icon and ends the program with exit code 1.
bool musicFilesPresent(Services& services, const QString& folder);

// Plays the pieces from `folder` one after another without end. The first piece is started by
// start() and opened once more by the first end of playback, so it plays twice at the beginning.
class MusicLoop : public QObject {
    Q_OBJECT
public:
    MusicLoop(MusicPlayer& player, const QString& folder, QObject* parent = nullptr);

    const QString& folder() const { return m_folder; }
    void start();
    // 0, 1 or 2 between two ends of playback.
    std::int16_t trackCount() const { return m_trackCount; }

private:
    void playbackEnded();
    void play(const char* file);

    MusicPlayer& m_player;
    QString m_folder;
    std::int16_t m_trackCount = 0;
};
