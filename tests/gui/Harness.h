#pragma once

#include "app/Route.h"
#include "common/ProcessEnvironment.h"
#include "common/RunState.h"
#include "common/Services.h"

#include <QColor>
#include <QLineEdit>
#include <QStringList>
#include <QTemporaryDir>
#include <QTranslator>

#include <deque>
#include <optional>
#include <string>

// The one harness of the window tests: recording services, a game folder of its own and the whole
// program as main() wires it.

// Plays nothing; remembers what it was asked to open. Tests emit playbackEnded() themselves.
class FakeMusicPlayer : public MusicPlayer {
public:
    void openAndPlay(const QString& path) override { opened << path; }
    QStringList opened;
};

// Records every box, beep and exit instead of blocking; Yes/No boxes answer from a script.
class FakeServices : public Services {
public:
    void showMessage(const QString& text) override { messages << text; }
    void showError(const QString& text) override { errors << text; }
    bool askYesNo(const QString& question, const QString& details = {}) override;
    // As askYesNo, the lines kept from keptLines, else every one.
    std::optional<QList<bool>> askApplyLines(const QString& question, const QString& details,
                                             const QList<ReviewLine>& lines) override;
    void beep() override { ++beeps; }
    MusicPlayer& music() override { return player; }
    // Only the first end counts, as in the program.
    void endProgram(int exitCode) override { exitCode_ = exitCode_.value_or(exitCode); }

    QStringList messages;
    QStringList errors;
    QStringList questions;
    QStringList details; // each question's details, in the same order
    std::deque<bool> answers;
    std::deque<QList<bool>> keptLines;
    QList<ReviewLine> reviewed; // the lines of the last quit question
    int beeps = 0;
    std::optional<int> exitCode_;
    FakeMusicPlayer player;
};

QByteArray readFile(const QString& path);
void writeFile(const QString& path, const QByteArray& bytes);
// A file below tests/data.
QByteArray dataFile(const QString& name);
// Gives the program the registry that a Wine user.reg text describes: on Linux as the user.reg of the
// Wine prefix at `prefix`; on Windows its keys under Software\Valve, written to HKEY_CURRENT_USER
// after every key there has gone.
void useUserRegistry(const QString& prefix, const QByteArray& userReg);
// A folder as a registry value names it: on Linux through Wine's drive Z:.
QString registeredPath(const QString& folder);
// The eleven lines at the top of every workspace file.
QByteArray banner();

// The contrast ratio of two colours as the web's accessibility guidelines measure it, 1 to 21.
double contrast(QColor a, QColor b);

// Every form by its objectName: the start window, the folder page, the picker, then the wizard's.
QStringList allForms();

// The languages the program is translated to, as its built-in .qm files name them ("pt_BR").
QStringList translatedLanguages();

// The program's translation to `language` installed while it lives.
class InLanguage {
public:
    explicit InLanguage(const QString& language);
    ~InLanguage();
    bool loaded() const { return m_loaded; }

private:
    QTranslator m_translator;
    bool m_loaded = false;
};

// The language ZENTRIMO_TEST_LANGUAGE names for the whole test binary (CTest runs the fit tests once a
// language); none for English.
std::optional<QString> testLanguage();

// A game folder of its own: <temp>/cstrike (unless told otherwise) and the bytes of its files.
class GameFolder {
public:
    explicit GameFolder(bool withCstrike = true);
    QString rootPath() const { return m_dir.path(); }
    std::string root() const;
    // The folder as the program resolves it, in this process's Wine prefix.
    files::GameFolder folder() const;
    QString path(const QString& file) const;
    bool has(const QString& file) const;
    QStringList files() const;
    QByteArray read(const QString& file) const { return readFile(path(file)); }
    void write(const QString& file, const QByteArray& bytes) const { writeFile(path(file), bytes); }

private:
    QTemporaryDir m_dir;
};

// The whole program over recording services; its music folder holds the music files but `missing`.
class Program {
public:
    explicit Program(const QStringList& missingMusic = {});
    explicit Program(const GameFolder& game) : Program() {
        state.gameFolder = game.folder();
    }
    ~Program();

    // Any window by its objectName, made on first use.
    QWidget* form(const QString& name);
    QWidget* show(const QString& name);
    // Shows the form and waits until it has the keyboard, as a player's window would.
    void showActive(const QString& name);
    // Starts the program, lets the start window's animation run to its end and the window be painted.
    void startAndReveal();

    template <class Control = QWidget> Control* control(const QString& form, const QString& name) {
        return this->form(form)->findChild<Control*>(name);
    }
    QLineEdit* field(const QString& form, const QString& name) { return control<QLineEdit>(form, name); }
    // Clicks a button that is on screen.
    void click(const QString& form, const QString& button);
    // Empties the field with backspaces and types text, key by key.
    void retype(const QString& form, const QString& name, const QString& text);

    // The windows on screen once the last flip between two of them is over.
    static QStringList visibleForms();
    static bool shown(const QString& form) { return visibleForms().contains(form); }
    // The first of them, or none.
    static QWidget* visibleForm();
    // Waits until the window the route last left is hidden.
    static void settle();

    QTemporaryDir musicFolder;
    // The player's data folder, where the restore points go.
    QTemporaryDir dataFolder;
    FakeServices services;
    RunState state = [] {
        RunState fresh;
        fresh.environment = environmentOfThisProcess();
        return fresh;
    }();
    Route route{services, state, musicFolder.path()};
};
