#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <optional>

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

// A line of the run as the quit question lists it, with what today's game does with it.
struct ReviewLine {
    QString text;
    QString today;
    bool doesNothing = false;
};

// Everything a window does that would block a test or make noise: message boxes, the beep, the
// music, ending the program. Every box is titled "Zentrimo".
class Services {
public:
    virtual ~Services() = default;

    virtual void showMessage(const QString& text) = 0; // OK, no icon
    virtual void showError(const QString& text) = 0;   // OK, error icon
    // Yes is the default; true for Yes. Details, when given, are behind the box's "Show Details...".
    virtual bool askYesNo(const QString& question, const QString& details = {}) = 0;
    // The quit question with the run's lines behind "Show &Details...", each with a check box, all ticked
    // at first. Nothing for No; for Yes, whether each line stays ticked.
    virtual std::optional<QList<bool>> askApplyLines(const QString& question, const QString& details,
                                                     const QList<ReviewLine>& lines) = 0;
    virtual void beep() = 0;
    virtual MusicPlayer& music() = 0;
    // Ends the run with exitCode once the current handler returns; callers return right after.
    virtual void endProgram(int exitCode) = 0;
};
