#include "Harness.h"
#include "app/StartWindow.h"
#include "common/ProcessEnvironment.h"
#include "location/DirectoryPage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPoint>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace {

// Writes "<form> <event>" for each watched event, in the order they come.
class EventLog : public QObject {
public:
    EventLog(const QList<std::pair<QWidget*, QEvent::Type>>& watched, QStringList& log)
        : m_watched(watched), m_log(log) {
        for (const auto& [widget, type] : watched)
            widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        for (const auto& [widget, type] : m_watched)
            if (watched == widget && event->type() == type)
                m_log << QStringLiteral("%1 %2").arg(widget->objectName(),
                                                     type == QEvent::Hide ? "Hide" : "Paint");
        return false;
    }

private:
    QList<std::pair<QWidget*, QEvent::Type>> m_watched;
    QStringList& m_log;
};

// The form's widgets in reading order, top to bottom, then left to right.
template <class Control> QList<Control*> inReadingOrder(const QWidget* form) {
    QList<Control*> controls = form->findChildren<Control*>();
    std::ranges::sort(controls, [](const QWidget* a, const QWidget* b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    return controls;
}

QAbstractButton* buttonCaptioned(const QWidget* form, const QString& caption) {
    for (QAbstractButton* button : form->findChildren<QAbstractButton*>())
        if (button->text() == caption)
            return button;
    return nullptr;
}

// The button that takes the player on: a settings page's Next, a start page's enter button, the
// finish page's Quit.
QAbstractButton* onwardButton(const QWidget* form) {
    for (const char* caption : {"&Next", "&Ok", "&Start Tweak", "&Continue", "&Quit"})
        if (QAbstractButton* button = buttonCaptioned(form, QLatin1String(caption)))
            return button;
    return nullptr;
}

// What the player sees of a form: its name, caption and focus, then every named control with its
// kind and text, sorted by name. `gameRoot` stands as <game>.
QString described(const QWidget* form, const QString& gameRoot) {
    const QWidget* focus = form->focusWidget();
    QString text = QStringLiteral("%1 \"%2\" focus %3\n")
                       .arg(form->objectName(), form->windowTitle(),
                            focus ? focus->objectName() : QStringLiteral("none"));
    QList<const QObject*> named;
    for (const QObject* child : form->findChildren<QObject*>())
        if (!child->objectName().isEmpty() && !child->objectName().startsWith(QLatin1String("qt_")))
            named << child;
    std::ranges::stable_sort(named, {}, &QObject::objectName);
    for (const QObject* child : named) {
        QString line = QStringLiteral("    %1 %2").arg(child->objectName(), child->metaObject()->className());
        QString shown;
        if (const auto* label = qobject_cast<const QLabel*>(child))
            shown = label->pixmap().isNull() ? label->text() : QStringLiteral("<picture>");
        else if (const auto* button = qobject_cast<const QAbstractButton*>(child))
            shown = button->text();
        else if (const auto* frame = qobject_cast<const QGroupBox*>(child))
            shown = frame->title();
        else if (const auto* field = qobject_cast<const QLineEdit*>(child)) {
            line += QStringLiteral(" max %1").arg(field->maxLength());
            shown = field->text();
        }
        text += QStringLiteral("%1 \"%2\"\n").arg(line, shown.replace(gameRoot, QStringLiteral("<game>")));
    }
    return text;
}

const QString ApplyQuestion = "Do you want to apply settings before quit?";

// The keyboard run's transcript form by form: each form's name and how it looked as it came.
QList<std::pair<QString, QString>> keyboardRun() {
    QList<std::pair<QString, QString>> forms;
    for (const QString& form :
         QString::fromUtf8(dataFile("wizard/keyboard-run.txt"))
             .split(QRegularExpression("(?=^frm)", QRegularExpression::MultilineOption), Qt::SkipEmptyParts))
        forms.append({form.section(' ', 0, 0), form});
    return forms;
}

using Files = QMap<QString, QByteArray>;

// The files of <folder>/cstrike by name.
Files filesOf(const QString& folder) {
    Files files;
    for (const QString& name : QDir(folder + "/cstrike").entryList(QDir::Files))
        files[name] = readFile(folder + "/cstrike/" + name);
    return files;
}

void compareFiles(const QString& folder, const Files& expected) {
    const Files found = filesOf(folder);
    QCOMPARE(found.keys(), expected.keys());
    for (const QString& name : expected.keys())
        QCOMPARE(found[name], expected[name]);
}

// A run through the forms, noting how each looked as it came.
struct Walk {
    Program& program;
    QString game;
    QString transcript{};
    int met = 0;
    int count = 0; // number fields passed or typed into
    QString last{};

    // The next form is alone on screen and takes the keyboard; the folder page shows the game's folder.
    void meet(const QString& name) {
        if (name == last)
            return;
        QCOMPARE(Program::visibleForms(), QStringList{name});
        QWidget* form = program.form(name);
        QApplication::setActiveWindow(form);
        QVERIFY(QTest::qWaitForWindowActive(form));
        transcript += described(form, game);
        last = name;
        ++met;
        if (name == QLatin1String("frmDir")) {
            QCOMPARE(program.field(name, "txtDir")->text(), game);
            QCOMPARE(program.field(name, "txtDir")->toolTip(), game);
        }
    }
    // Steps "control field=text..." on the form on screen: the control is clicked, the field retyped.
    void follow(const QString& script) {
        for (const QString& step : script.split(' ', Qt::SkipEmptyParts)) {
            const QString form = Program::visibleForm()->objectName();
            meet(form);
            if (QTest::currentTestFailed())
                return;
            if (step.contains('='))
                program.retype(form, step.section('=', 0, 0), step.section('=', 1));
            else
                program.click(form, step);
        }
    }
};

using OnForm = void (*)(Walk&, QWidget*);

// The arrows choose "Specify yourself"; Enter in a number field beeps and stays; the onward button's
// Alt key goes on.
void byMnemonicsOf(Walk& walk, QWidget* form, const QAbstractButton* onward) {
    if (form->objectName() == QLatin1String("frmMain")) {
        QTest::keyClick(form->focusWidget(), Qt::Key_Down);
        QTest::keyClick(form->focusWidget(), Qt::Key_Down);
    } else if (qobject_cast<QLineEdit*>(form->focusWidget()) && form->objectName() != "frmDir") {
        QTest::keyClick(form->focusWidget(), Qt::Key_Return);
        QCOMPARE(walk.program.services.beeps, ++walk.count);
        QCOMPARE(Program::visibleForm(), form);
    }
    // The key's text is passed on: QTest would guess it only for Latin letters, and Cyrillic ones are keys
    // too.
    const QString caption = onward->text();
    const QString letter = caption.mid(caption.indexOf('&') + 1, 1);
    QTest::sendKeyEvent(QTest::Click, form, Qt::Key(letter.toUpper().at(0).unicode()), letter,
                        Qt::AltModifier);
}
void byMnemonics(Walk& walk, QWidget* form) {
    byMnemonicsOf(walk, form, onwardButton(form));
}

// Normal Cstrike; a number field refuses Enter and Tab leaves it; keypad Enter on every other form.
void byEnter(Walk& walk, QWidget* form) {
    if (form->objectName() == QLatin1String("frmMain"))
        QTest::keyClick(form->focusWidget(), Qt::Key_Down);
    for (QWidget* focus = form->focusWidget();
         qobject_cast<QLineEdit*>(focus) && form->objectName() != QLatin1String("frmDir");
         focus = form->focusWidget()) {
        QTest::keyClick(focus, Qt::Key_Return);
        QCOMPARE(walk.program.services.beeps, ++walk.count);
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    const bool keypad = walk.met % 2;
    QTest::keyClick(form->focusWidget(), keypad ? Qt::Key_Enter : Qt::Key_Return,
                    keypad ? Qt::KeypadModifier : Qt::NoModifier);
}

// Space ticks the box that has the keyboard, the arrows choose the last option, new digits go in every
// field, the mouse presses on.
void changeEverything(Walk& walk, QWidget* form) {
    if (qobject_cast<QCheckBox*>(form->focusWidget()))
        QTest::keyClick(form->focusWidget(), Qt::Key_Space);
    for (int option = 1; option < form->findChildren<QRadioButton*>().size(); ++option)
        QTest::keyClick(form->focusWidget(), Qt::Key_Down);
    for (QLineEdit* field : inReadingOrder<QLineEdit>(form))
        // Digits that differ from every field's first text and pass every range test.
        if (form->objectName() != QLatin1String("frmDir"))
            walk.program.retype(form->objectName(), field->objectName(), QString::number(++walk.count % 4));
    QTest::mouseClick(onwardButton(form), Qt::LeftButton);
}

void skipping(Walk&, QWidget* form) {
    QAbstractButton* skip = buttonCaptioned(form, "&Skip setting");
    QTest::mouseClick(skip ? skip : onwardButton(form), Qt::LeftButton);
}

// A run through the program and what it leaves.
struct Run {
    QString folder{};      // the game's below the test's own; none: the test's own
    QByteArray autoexec{}; // the player's start-up script before the run, if any
    // frmMain starts the program; a wizard form opens alone on the game's folder.
    QString start = "frmMain";
    QString script{};
    OnForm onEachForm = nullptr; // then on each form that comes, until the program ends
    QString apply{};             // the answer to the question; none: not asked
    QStringList forms{};         // met in this order, each as it looked in the keyboard run
    QStringList messages{};
    int beeps = 0;
    QByteArray preview{}; // the question's details
    Files files{};
    QString uninstall{}; // a next run's steps that uninstall and leave the files as they were
};

} // namespace

Q_DECLARE_METATYPE(Run)

// The whole program walked from the first window to the last, compared byte for byte with golden files.
class ProgramTests : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(m_prefix.isValid() && m_home.isValid());
        QVERIFY(QDir(m_prefix.path()).mkdir(QStringLiteral("dosdevices")));
        QVERIFY(QFile::link(QStringLiteral("/"), m_prefix.filePath(QStringLiteral("dosdevices/z:"))));
        qputenv("WINEPREFIX", m_prefix.path().toLocal8Bit());
        qputenv("HOME", m_home.path().toLocal8Bit());
        qputenv("STEAM_DIR", m_home.path().toLocal8Bit());
    }
    // A game folder of each test's own, which the registry names (the Wine registry by its Windows path,
    // through drive Z:) and where the folder picker starts.
    void init() {
        m_game.emplace();
        makeGame(m_game->path());
        QDir::setCurrent(m_game->path());
    }
    void cleanup() { QDir::setCurrent(m_previousFolder); }

    void runs_data() {
        QTest::addColumn<Run>("run");
        QStringList all;
        for (const auto& [name, look] : keyboardRun())
            all << name;
        QStringList registered = all;
        registered.removeOne("frmSpecify");
        const QStringList wizard = all.mid(all.indexOf("frmTweak0"));
        const QByteArray players = dataFile("wizard/player-autoexec.cfg");
        const QByteArray config = "name \"Player\"\r\n";
        const QByteArray untouched = dataFile("wizard/untouched-run-autoexec.tmp");
        const QString normalEdition = "optVersion_1 cmdNext1 ";
        // Page 1 made an empty start-up script where there was none, and backed it up.
        const auto started = [&](const QByteArray& lines) {
            return Files{
                {"autoexec.cfg", ""}, {"autoexec.tmp", lines}, {"config.cfg", config}, {"Zentrimo.dll", ""}};
        };
        // The game's values the lines replace are kept for the uninstall.
        const auto applied = [&](const QByteArray& autoexec, const QByteArray& replaced) {
            return Files{{"autoexec.cfg", autoexec},
                         {"config.cfg", config},
                         {"userconfig.cfg", "exec zentrimo.cfg\r\n"},
                         {"zentrimo-config.before", replaced},
                         {"zentrimo-userconfig.added", "exec zentrimo.cfg\r\n"},
                         {"zentrimo.cfg", autoexec.mid(autoexec.indexOf(banner()) + banner().size())},
                         {"Zentrimo.dll", players}};
        };

        // From the start window through the folder picker to the finish page.
        QTest::newRow("keyboard only") << Run{.onEachForm = &byMnemonics,
                                              .apply = "no",
                                              .forms = all,
                                              .beeps = 10,
                                              .preview = dataFile("today/untouched-run-preview.txt"),
                                              .files = started(untouched)};
        QTest::newRow("enter goes on everywhere")
            << Run{.onEachForm = &byEnter,
                   .apply = "no",
                   .forms = registered,
                   .beeps = 12,
                   .preview = dataFile("today/untouched-run-preview.txt"),
                   .files = started(untouched)};
        QTest::newRow("everything changed, then uninstall")
            << Run{.autoexec = players,
                   .script = normalEdition,
                   .onEachForm = &changeEverything,
                   .apply = "yes",
                   .forms = registered,
                   .preview = dataFile("today/changed-run-preview.txt"),
                   .files = applied(dataFile("wizard/changed-run-autoexec.cfg"),
                                    dataFile("wizard/changed-run-config.before")),
                   .uninstall = normalEdition + "cmdNext2 cmdUninstall"};
        // On Windows the windows and the core hand such names over as UTF-16 and UTF-8.
        QTest::newRow("game folder named outside ASCII")
            << Run{.folder = "Jörg € Łódź Игры",
                   .script = normalEdition + "cmdNext2 cmdTweak cmdTweak1",
                   .forms = {"frmMain", "frmDir", "frmTweak0", "frmTweak1"},
                   .files = started(banner() + "r_decals \"200\"\r\n")};
        QTest::newRow("skip everything") << Run{.autoexec = players,
                                                .start = "frmTweak0",
                                                .onEachForm = &skipping,
                                                .apply = "yes",
                                                .forms = wizard,
                                                .preview = "This run wrote no lines.\n",
                                                .files = applied(players + banner(), "")};
        // The first offset is refused with a message.
        QTest::newRow("mixed, then uninstall") << Run{
            .autoexec = players,
            .start = "frmTweak0",
            .script =
                "cmdTweak txtDecals=350 cmdTweak1 check2 cmdNext2 cmdSkip3 cmdNext4 check5 cmdNext5 cmdSkip6 "
                "txtTweak7=30 cmdTweak7 txtTweak7=-05 cmdTweak7 cmdTweak8 txtLGamma=3 cmdNext9 cmdSkip10 "
                "txtMip=2 cmdtweak11 check12 cmdTweak12 cmdTweak13 optTweak14_2 cmdTweak14 cmdSound0 checkS1 "
                "cmdSNext1 cmdSSkip2 cmdSNext3 checkS4 cmdSNext4 optSound5_3 cmdSNext5 cmdInternet0 cmdINext1 "
                "cmdISkip2 txtRate=5000 cmdINext3 txtPre=150 cmdINext4 checkI5 cmdINext5 cmdINext6 cmdMisc0 "
                "cmdMNext1 cmdMSkip2 cmdMNext3 checkM4 cmdMNext4 checkM5 cmdMNext5 cmdQuitEnd",
            .apply = "yes",
            .forms = wizard,
            .messages = {"Poly-Offset Must be between -25 and 25"},
            .preview = dataFile("today/full-run-preview.txt"),
            .files =
                applied(dataFile("wizard/full-run-autoexec.cfg"), dataFile("wizard/full-run-config.before")),
            .uninstall = "cmdUninstall"};
    }
    void runs() {
        QFETCH(Run, run);
        const QString game = run.folder.isEmpty() ? m_game->path() : m_game->filePath(run.folder);
        if (!run.folder.isEmpty())
            makeGame(game);
        if (!run.autoexec.isEmpty())
            writeFile(game + "/cstrike/autoexec.cfg", run.autoexec);
        const Files before = filesOf(game);
        const auto walk = [&](Walk& walked, const QString& steps, OnForm onEachForm) {
            if (run.start == QLatin1String("frmMain"))
                walked.program.startAndReveal();
            else {
                walked.program.state.gameFolder = files::GameFolder(
                    walked.game.toStdString(), environmentOfThisProcess().winePrefixInUse());
                walked.program.show(run.start);
            }
            walked.follow(steps);
            for (QWidget* form = Program::visibleForm(); onEachForm && !walked.program.services.exitCode_;
                 form = Program::visibleForm()) {
                walked.meet(form->objectName());
                if (QTest::currentTestFailed())
                    return;
                onEachForm(walked, form);
                QTRY_VERIFY2(walked.program.services.exitCode_ || Program::visibleForm() != form,
                             qPrintable(form->objectName()));
            }
        };
        {
            Program program;
            if (!run.apply.isEmpty())
                program.services.answers = {run.apply == QLatin1String("yes")};
            Walk walked{program, QDir::toNativeSeparators(game)};
            walk(walked, run.script, run.onEachForm);
            if (QTest::currentTestFailed())
                return;
            QString expected;
            for (const auto& [name, look] : keyboardRun())
                if (run.forms.contains(name))
                    expected += look;
            // Line by line, so that a failure names the line.
            QCOMPARE(walked.transcript.split('\n'), expected.split('\n'));
            QCOMPARE(program.services.errors, QStringList());
            QCOMPARE(program.services.messages, run.messages);
            QCOMPARE(program.services.beeps, run.beeps);
            QCOMPARE(program.services.questions,
                     run.apply.isEmpty() ? QStringList() : QStringList{ApplyQuestion});
            // What the game makes of each line, behind the question's "Show Details...".
            QCOMPARE(program.services.details.join("").split('\n'),
                     QString::fromUtf8(run.preview).split('\n'));
            QCOMPARE(program.services.exitCode_, run.apply.isEmpty() ? std::nullopt : std::optional(0));
            QCOMPARE(program.state.gameFolder.given(), walked.game.toStdString());
        }
        compareFiles(game, run.files);
        if (!run.folder.isEmpty())
            compareFiles(m_game->path(), Files{{"config.cfg", "name \"Player\"\r\n"}});
        if (run.uninstall.isEmpty() || QTest::currentTestFailed())
            return;
        Program again;
        Walk walked{again, QDir::toNativeSeparators(game)};
        walk(walked, run.uninstall, nullptr);
        QCOMPARE(again.services.messages, QStringList{"Tweak have been succesfully uninstalled"});
        QCOMPARE(again.services.exitCode_, std::optional(0));
        compareFiles(game, before);
    }

    // In the language ZENTRIMO_TEST_LANGUAGE names, the keyboard run meets the English run's forms and
    // beeps, and leaves its files byte for byte: the lines written are the game's.
    void theKeyboardRunWritesWhatEnglishWrites() {
        const std::optional<QString> language = testLanguage();
        if (!language)
            QSKIP("CTest runs it once a language");
        QMap<QString, QString> onward;
        KeyboardRun english;
        runByKeyboard(english, onward);
        QVERIFY(!QTest::currentTestFailed());
        QVERIFY(QDir(m_game->filePath(QStringLiteral("cstrike"))).removeRecursively());
        makeGame(m_game->path());
        const InLanguage translated(*language);
        QVERIFY(translated.loaded());
        KeyboardRun inLanguage;
        runByKeyboard(inLanguage, onward);
        QVERIFY(!QTest::currentTestFailed());
        QCOMPARE(inLanguage.forms, english.forms);
        QCOMPARE(inLanguage.beeps, english.beeps);
        QCOMPARE(inLanguage.exitCode, std::optional(0));
        QCOMPARE(inLanguage.files.keys(), english.files.keys());
        for (const QString& name : english.files.keys())
            QCOMPARE(inLanguage.files[name], english.files[name]);
    }

    // With a run under way in the game folder, closing any form ends the program and touches no file.
    void closingAnyWindowEndsTheProgramCleanly_data() {
        QTest::addColumn<QString>("form");
        for (const auto& [form, look] : keyboardRun())
            QTest::newRow(qPrintable(form)) << form;
    }
    void closingAnyWindowEndsTheProgramCleanly() {
        QFETCH(QString, form);
        const QByteArray own = "bind \"w\" \"+forward\"\r\n";
        writeFile(cstrike("autoexec.cfg"), own);
        writeFile(cstrike("Zentrimo.dll"), own);
        writeFile(cstrike("autoexec.tmp"), own + banner() + "r_decals \"300\"\r\n");
        const Files before = filesOf(m_game->path());
        Program program;
        program.state.gameFolder = files::GameFolder(QDir::toNativeSeparators(m_game->path()).toStdString(),
                                                     environmentOfThisProcess().winePrefixInUse());
        if (form == QLatin1String("frmMain"))
            program.startAndReveal();
        else
            program.show(form);
        QVERIFY(!program.form(form)->close());
        QCOMPARE(program.services.exitCode_, std::optional(0));
        QCOMPARE(program.services.errors + program.services.messages + program.services.questions,
                 QStringList());
        compareFiles(m_game->path(), before);
    }

    // Centred where the last one stood, kept on the screen, from the first window to the wizard's.
    void theNextWindowOpensWhereTheLastStood() {
        Program program;
        program.state.gameFolder = files::GameFolder(QDir::toNativeSeparators(m_game->path()).toStdString(),
                                                     environmentOfThisProcess().winePrefixInUse());
        const auto centre = [&](const char* form) { return program.form(form)->frameGeometry().center(); };
        program.form("frmDir")->move(120, 80);
        program.show("frmDir");
        const QPoint dirCentre = centre("frmDir");
        program.click("frmDir", "cmdBack1");
        QVERIFY(Program::shown("frmMain"));
        QCOMPARE(centre("frmMain"), dirCentre);
        QVERIFY(program.form("frmMain")->size() != program.form("frmDir")->size());

        program.form("frmSound0")->move(40, 30);
        program.show("frmSound0");
        const QPoint soundCentre = centre("frmSound0");
        program.click("frmSound0", "cmdSound0");
        QVERIFY(Program::shown("frmSound1"));
        QCOMPARE(centre("frmSound1"), soundCentre);
        program.click("frmSound1", "cmdSSkip1");
        QVERIFY(Program::shown("frmSound2"));
        QCOMPARE(centre("frmSound2"), soundCentre);

        // A small window near the corner: the larger one after it stays whole on the screen.
        const QRect screen = program.form("frmDir")->screen()->availableGeometry();
        program.form("frmDir")->move(screen.right() - 100, screen.bottom() - 40);
        program.route.directoryPage().setDirectory(QDir::toNativeSeparators(m_game->path()));
        program.show("frmDir");
        program.click("frmDir", "cmdNext2");
        QVERIFY(Program::shown("frmTweak0"));
        QVERIFY(screen.contains(program.form("frmTweak0")->frameGeometry()));
        QCOMPARE(program.form("frmTweak0")->frameGeometry().bottomRight(), screen.bottomRight());
    }

    // The last window stays on screen until the next one has been painted, and takes no input meanwhile:
    // a second click on its Next writes nothing twice.
    void noGapAndNoDoubleStepBetweenTwoWindows() {
        writeFile(cstrike("autoexec.tmp"), banner());
        Program program;
        program.state.gameFolder = files::GameFolder(QDir::toNativeSeparators(m_game->path()).toStdString(),
                                                     environmentOfThisProcess().winePrefixInUse());
        program.showActive("frmSound1");
        QWidget* last = program.form("frmSound1");
        QStringList order;
        EventLog log({{last, QEvent::Hide}, {program.form("frmSound2"), QEvent::Paint}}, order);
        QTest::mouseClick(program.control<QAbstractButton>("frmSound1", "cmdSNext1"), Qt::LeftButton);
        QVERIFY(last->isVisible() && program.form("frmSound2")->isVisible());
        QTest::mouseClick(program.control<QAbstractButton>("frmSound1", "cmdSNext1"), Qt::LeftButton);
        QTest::keyClick(program.control<QAbstractButton>("frmSound1", "cmdSNext1"), Qt::Key_Return);
        QTRY_VERIFY(!last->isVisible());
        QCOMPARE(order.first(), QStringLiteral("frmSound2 Paint"));
        QVERIFY(order.contains(QStringLiteral("frmSound1 Hide")));
        QCOMPARE(readFile(cstrike("autoexec.tmp")), banner() + "_snd_mixahead \"0.2\"\r\n");
        QCOMPARE(Program::visibleForms(), QStringList{"frmSound2"});
    }

private:
    struct KeyboardRun {
        QStringList forms{};
        int beeps = 0;
        std::optional<int> exitCode{};
        Files files{};
    };
    // The keyboard only run, each form's onward button named by `onward` (filled on the first run, when
    // the English captions find them).
    void runByKeyboard(KeyboardRun& run, QMap<QString, QString>& onward) {
        Program program;
        program.services.answers = {false};
        Walk walked{program, QDir::toNativeSeparators(m_game->path())};
        program.startAndReveal();
        for (QWidget* form = Program::visibleForm(); !program.services.exitCode_;
             form = Program::visibleForm()) {
            const QString name = form->objectName();
            walked.meet(name);
            if (QTest::currentTestFailed())
                return;
            if (!onward.contains(name))
                onward[name] = onwardButton(form)->objectName();
            if (run.forms.isEmpty() || run.forms.last() != name)
                run.forms << name;
            byMnemonicsOf(walked, form, form->findChild<QAbstractButton*>(onward[name]));
            QTRY_VERIFY2(program.services.exitCode_ || Program::visibleForm() != form, qPrintable(name));
        }
        run.beeps = program.services.beeps;
        run.exitCode = program.services.exitCode_;
        run.files = filesOf(m_game->path());
    }

    QString cstrike(const QString& file) const { return m_game->filePath(QStringLiteral("cstrike/") + file); }
    // A game folder with the player's config.cfg, which the Steam edition's registry value names.
    void makeGame(const QString& folder) {
        QVERIFY(QDir(folder).mkpath(QStringLiteral("cstrike")));
        writeFile(folder + QStringLiteral("/cstrike/config.cfg"), "name \"Player\"\r\n");
        useUserRegistry(
            m_prefix.path(),
            "WINE REGISTRY Version 2\n\n[Software\\\\Valve\\\\Half-Life] 1733650000\n\"InstallPath\"=\"" +
                registeredPath(folder).toUtf8().replace('\\', "\\\\") + "\"\n");
    }

    QTemporaryDir m_prefix;
    std::optional<QTemporaryDir> m_game;
    QTemporaryDir m_home;
    QString m_previousFolder = QDir::currentPath();
};

QTEST_MAIN(ProgramTests)
#include "ProgramTests.moc"
