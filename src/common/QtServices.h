#pragma once

#include "Services.h"

#include <memory>

class QMediaPlayer;
class QAudioOutput;

class QtMusicPlayer : public MusicPlayer {
    Q_OBJECT
public:
    explicit QtMusicPlayer(QObject* parent = nullptr);
    void openAndPlay(const QString& path) override;

private:
    QMediaPlayer* m_player;
    QAudioOutput* m_output;
};

class QtServices : public Services {
public:
    QtServices();
    ~QtServices() override;

    void showMessage(const QString& text) override;
    void showError(const QString& text) override;
    bool askYesNo(const QString& question) override;
    void beep() override;
    MusicPlayer& music() override;
    void endProgram(int exitCode) override;

private:
    std::unique_ptr<QtMusicPlayer> m_music;
    bool m_ended = false;
};
