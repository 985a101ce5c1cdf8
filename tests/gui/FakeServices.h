#pragma once

#include "Services.h"

#include <QStringList>

#include <deque>
#include <optional>

// Plays nothing; remembers what it was asked to open. Tests emit playbackEnded() themselves.
class FakeMusicPlayer : public MusicPlayer {
    Q_OBJECT
public:
    void openAndPlay(const QString& path) override { opened << path; }
    QStringList opened;
};

// Records every box, beep and exit instead of blocking; Yes/No boxes answer from a script.
class FakeServices : public Services {
public:
    void showMessage(const QString& text) override { messages << text; }
    void showError(const QString& text) override { errors << text; }
    bool askYesNo(const QString& question) override {
        questions << question;
        Q_ASSERT_X(!answers.empty(), "FakeServices::askYesNo", "no scripted answer");
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void beep() override { ++beeps; }
    MusicPlayer& music() override { return player; }
    void endProgram(int exitCode) override {
        if (!exitCode_)
            exitCode_ = exitCode;
    }

    QStringList messages;
    QStringList errors;
    QStringList questions;
    std::deque<bool> answers;
    int beeps = 0;
    std::optional<int> exitCode_;
    FakeMusicPlayer player;
};
