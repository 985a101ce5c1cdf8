#pragma once

#include <QObject>
#include <QString>

// Plays one file at a time; says when the file that is playing has reached its end.
class MusicPlayer : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // Loads the file and starts playing it at once.
    virtual void openAndPlay(const QString& path) = 0;

signals:
    void playbackEnded();
};

// Everything a window does that would block a test or make noise: message boxes, the beep, the
// music, ending the program. Every box is titled "Zentrimo".
class Services {
public:
    virtual ~Services() = default;

    virtual void showMessage(const QString& text) = 0;  // OK, no icon
    virtual void showError(const QString& text) = 0;    // OK, error icon
    // Yes is the default; true for Yes. Details, when given, are behind the box's "Show Details...".
    virtual bool askYesNo(const QString& question, const QString& details = {}) = 0;
    virtual void beep() = 0;
    virtual MusicPlayer& music() = 0;
    // Ends the run with exitCode once the current handler returns; callers return right after.
    virtual void endProgram(int exitCode) = 0;
};
