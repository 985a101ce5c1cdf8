#include "Harness.h"
#include "app/StartWindow.h"
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

// Starts the program and chooses "Normal Cstrike", whose folder the registry knows.
void startNormalEdition(Program& program) {
    program.startAndReveal();
    program.click("frmMain", "optVersion_1");
    program.click("frmMain", "cmdNext1");
}

} // namespace

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
    // through drive Z:).
    void init() {
        m_game.emplace();
        QVERIFY(QDir(m_game->path()).mkpath(QStringLiteral("cstrike")));
        writeFile(cstrike("config.cfg"), "name \"Player\"\r\n");
        registerGame(m_game->path());
    }

    // Keys alone, from the start window through the folder picker to the finish page, every form
    // left as it comes.
    void keyboardOnly() {
        const QString previousFolder = QDir::currentPath();
        QDir::setCurrent(m_game->path());
        Program program;
        program.services.answers = {false};
        program.startAndReveal();
        QString transcript;
        int fieldsPassed = 0;
        for (QWidget* form = Program::visibleForm(); !program.services.exitCode_;) {
            QApplication::setActiveWindow(form);
            QVERIFY(QTest::qWaitForWindowActive(form));
            transcript += described(form, QDir::toNativeSeparators(m_game->path()));
            if (form->objectName() == QLatin1String("frmMain")) {
                // The arrows choose "Specify yourself".
                QTest::keyClick(form->focusWidget(), Qt::Key_Down);
                QTest::keyClick(form->focusWidget(), Qt::Key_Down);
            } else if (qobject_cast<QLineEdit*>(form->focusWidget()) && form->objectName() != "frmDir") {
                // Enter in a number field beeps and stays.
                QTest::keyClick(form->focusWidget(), Qt::Key_Return);
                QCOMPARE(program.services.beeps, ++fieldsPassed);
                QCOMPARE(Program::visibleForm(), form);
            }
            const QString caption = onwardButton(form)->text();
            QTest::keyClick(form, caption.at(caption.indexOf('&') + 1).toLower().toLatin1(), Qt::AltModifier);
            QTRY_VERIFY(program.services.exitCode_ || Program::visibleForm() != form);
            form = Program::visibleForm();
        }
        QCOMPARE(program.services.exitCode_, std::optional(0));
        QCOMPARE(program.services.questions, QStringList{"Do you want to apply settings before quit?"});
        // What the game makes of each line, behind the question's "Show Details...".
        QCOMPARE(program.services.details.join("").split('\n'),
                 QString::fromUtf8(dataFile("today/untouched-run-preview.txt")).split('\n'));
        QCOMPARE(program.services.messages, QStringList());
        QCOMPARE(program.state.gameRoot, QDir::toNativeSeparators(m_game->path()).toStdString());
        QDir::setCurrent(previousFolder);
        // Line by line, so that a failure names the line.
        QCOMPARE(transcript.split('\n'), QString::fromUtf8(dataFile("wizard/keyboard-run.txt")).split('\n'));
        QCOMPARE(readFile(cstrike("autoexec.tmp")), dataFile("wizard/untouched-run-autoexec.tmp"));
        // Page 1 made an empty start-up script where there was none, and backed it up.
        QCOMPARE(readFile(cstrike("autoexec.cfg")), QByteArray());
        QCOMPARE(readFile(cstrike("Zentrimo.dll")), QByteArray());
    }

    // Enter alone goes on from every form, through the registry's folder, which the Wine registry holds
    // in Windows form and the folder page shows as the player's own. A number field refuses Enter; Tab
    // leaves it. Keypad Enter works as well.
    void enterGoesOnEverywhere() {
        Program program;
        program.services.answers = {false};
        program.startAndReveal();
        QString visited;
        int numberFields = 0;
        bool keypad = false;
        for (QWidget* form = Program::visibleForm(); !program.services.exitCode_;
             form = Program::visibleForm()) {
            QApplication::setActiveWindow(form);
            QVERIFY(QTest::qWaitForWindowActive(form));
            visited += form->objectName() + ' ';
            if (form->objectName() == QLatin1String("frmMain"))
                QTest::keyClick(form->focusWidget(), Qt::Key_Down); // Normal Cstrike
            if (form->objectName() == QLatin1String("frmDir")) {
                const auto* box = program.field("frmDir", "txtDir");
                QCOMPARE(box->text(), QDir::toNativeSeparators(m_game->path()));
                QCOMPARE(box->toolTip(), box->text());
            }
            for (QWidget* focus = form->focusWidget();
                 qobject_cast<QLineEdit*>(focus) && form->objectName() != QLatin1String("frmDir");
                 focus = form->focusWidget()) {
                QTest::keyClick(focus, Qt::Key_Return);
                QCOMPARE(program.services.beeps, ++numberFields);
                QTest::keyClick(focus, Qt::Key_Tab);
            }
            keypad = !keypad;
            QTest::keyClick(form->focusWidget(), keypad ? Qt::Key_Enter : Qt::Key_Return,
                            keypad ? Qt::KeypadModifier : Qt::NoModifier);
            QVERIFY2(program.services.exitCode_ || Program::visibleForm() != form,
                     qPrintable(form->objectName()));
        }
        QStringList forms;
        for (const QByteArray& line : dataFile("wizard/keyboard-run.txt").split('\n'))
            if (line.startsWith("frm") && !line.startsWith("frmSpecify"))
                forms << QString::fromLatin1(line.left(line.indexOf(' ')));
        QCOMPARE(visited.split(' ', Qt::SkipEmptyParts), forms);
        QCOMPARE(numberFields, 12);
        QCOMPARE(program.services.questions, QStringList{"Do you want to apply settings before quit?"});
        QCOMPARE(program.services.messages, QStringList());
        QCOMPARE(program.services.exitCode_, std::optional(0));
        QCOMPARE(program.state.gameRoot, QDir::toNativeSeparators(m_game->path()).toStdString());
        QCOMPARE(readFile(cstrike("autoexec.tmp")), dataFile("wizard/untouched-run-autoexec.tmp"));
    }

    // Through the registry's folder: Space ticks every box as it takes the keyboard, new digits go in
    // every field, the arrows choose every last option, the mouse presses the buttons; then the next
    // run uninstalls.
    void everythingChangedThenUninstall() {
        const QByteArray players = dataFile("wizard/player-autoexec.cfg");
        writeFile(cstrike("autoexec.cfg"), players);
        {
            Program program;
            startNormalEdition(program);
            int fields = 0;
            program.services.answers = {true};
            for (QWidget* form = Program::visibleForm(); !program.services.exitCode_;
                 form = Program::visibleForm()) {
                QApplication::setActiveWindow(form);
                QVERIFY(QTest::qWaitForWindowActive(form));
                if (qobject_cast<QCheckBox*>(form->focusWidget()))
                    QTest::keyClick(form->focusWidget(), Qt::Key_Space);
                for (int option = 1; option < form->findChildren<QRadioButton*>().size(); ++option)
                    QTest::keyClick(form->focusWidget(), Qt::Key_Down);
                for (QLineEdit* field : inReadingOrder<QLineEdit>(form)) {
                    if (form->objectName() == QLatin1String("frmDir"))
                        continue;
                    QTest::keyClick(field, Qt::Key_End);
                    for (qsizetype left = field->text().size(); left > 0; --left)
                        QTest::keyClick(field, Qt::Key_Backspace);
                    // Digits that differ from every field's first text and pass every range test.
                    QTest::keyClicks(field, QString::number(++fields % 4));
                }
                QTest::mouseClick(onwardButton(form), Qt::LeftButton);
                QVERIFY2(program.services.exitCode_ || Program::visibleForm() != form,
                         qPrintable(form->objectName()));
            }
            QCOMPARE(program.services.errors.join("|"), QString());
            QCOMPARE(program.services.exitCode_, std::optional(0));
            QCOMPARE(program.services.messages, QStringList());
            QCOMPARE(program.services.beeps, 0);
            QCOMPARE(program.services.details.join("").split('\n'),
                     QString::fromUtf8(dataFile("today/changed-run-preview.txt")).split('\n'));
        }
        QCOMPARE(readFile(cstrike("autoexec.cfg")), dataFile("wizard/changed-run-autoexec.cfg"));
        QCOMPARE(readFile(cstrike("Zentrimo.dll")), players);
        // The lines also run from the program's own file, after the game's config.cfg.
        const QByteArray applied = dataFile("wizard/changed-run-autoexec.cfg");
        QCOMPARE(readFile(cstrike("zentrimo.cfg")), applied.mid(applied.indexOf(banner()) + banner().size()));
        QCOMPARE(readFile(cstrike("userconfig.cfg")), QByteArray("exec zentrimo.cfg\r\n"));

        Program again;
        startNormalEdition(again);
        QTest::mouseClick(onwardButton(Program::visibleForm()), Qt::LeftButton);
        QTest::mouseClick(buttonCaptioned(Program::visibleForm(), "&Uninstall"), Qt::LeftButton);
        QCOMPARE(again.services.messages, QStringList{"Tweak have been succesfully uninstalled"});
        QCOMPARE(again.services.exitCode_, std::optional(0));
        QCOMPARE(readFile(cstrike("autoexec.cfg")), players);
        QCOMPARE(QDir(cstrike({})).entryList(QDir::Files), (QStringList{"autoexec.cfg", "config.cfg"}));
    }

    // A folder named outside ASCII comes whole from the registry to the folder page, and the wizard
    // writes in it: on Windows the windows and the core hand such names over as UTF-16 and UTF-8.
    void gameFolderNamedOutsideAscii() {
        const QString game = m_game->filePath(QStringLiteral("Jörg € Łódź Игры"));
        QVERIFY(QDir(game).mkpath(QStringLiteral("cstrike")));
        writeFile(game + QStringLiteral("/cstrike/config.cfg"), "name \"Player\"\r\n");
        registerGame(game);
        Program program;
        startNormalEdition(program);
#ifdef Q_OS_WIN
        QCOMPARE(program.route.directoryPage().directory(), registeredPath(game));
#else
        // The Wine registry's Windows-form folder is shown as the player knows it.
        QCOMPARE(program.route.directoryPage().directory(), game);
#endif
        program.click("frmDir", "cmdNext2");
        program.click("frmTweak0", "cmdTweak");
        program.click("frmTweak1", "cmdTweak1");
        QCOMPARE(program.services.errors, QStringList());
        QCOMPARE(program.services.messages, QStringList());
        QVERIFY(readFile(game + QStringLiteral("/cstrike/autoexec.tmp")).startsWith(banner()));
        QVERIFY(!QFile::exists(cstrike("autoexec.tmp")));
    }

    // Skip on every page moves on through the same forms as Next and writes the banner alone.
    void skipEverything() {
        const QByteArray players = dataFile("wizard/player-autoexec.cfg");
        writeFile(cstrike("autoexec.cfg"), players);
        Program program;
        program.state.gameRoot = QDir::toNativeSeparators(m_game->path()).toStdString();
        program.services.answers = {true};
        program.show("frmTweak0");
        QStringList visited;
        for (QWidget* form = Program::visibleForm(); !program.services.exitCode_;
             form = Program::visibleForm()) {
            visited << form->objectName();
            QAbstractButton* skip = buttonCaptioned(form, "&Skip setting");
            QTest::mouseClick(skip ? skip : onwardButton(form), Qt::LeftButton);
            QVERIFY2(program.services.exitCode_ || Program::visibleForm() != form,
                     qPrintable(form->objectName()));
        }
        QStringList forms;
        for (const QByteArray& line : dataFile("wizard/keyboard-run.txt").split('\n'))
            if (line.startsWith("frm"))
                forms << QString::fromLatin1(line.left(line.indexOf(' ')));
        const QStringList expected = forms.mid(forms.indexOf("frmTweak0"));
        QCOMPARE(visited, expected);
        QCOMPARE(readFile(cstrike("autoexec.cfg")), players + banner());
        QCOMPARE(readFile(cstrike("Zentrimo.dll")), players);
        QCOMPARE(program.services.messages, QStringList());
        QCOMPARE(program.services.details, QStringList{"This run wrote no lines.\n"});
    }

    void closingAnyWindowEndsTheProgramCleanly_data() {
        QTest::addColumn<QString>("form");
        for (const char* form : {"frmMain", "frmDir", "frmSpecify", "frmTweak0", "frmTweak7", "frmFinish0"})
            QTest::newRow(form) << form;
    }
    void closingAnyWindowEndsTheProgramCleanly() {
        QFETCH(QString, form);
        Program program;
        QVERIFY(!program.show(form)->close());
        QCOMPARE(program.services.exitCode_, std::optional(0));
        QCOMPARE(QDir(cstrike({})).entryList(QDir::Files), QStringList{"config.cfg"});
    }

    // Centred where the last one stood, kept on the screen, from the first window to the wizard's.
    void theNextWindowOpensWhereTheLastStood() {
        Program program;
        program.state.gameRoot = QDir::toNativeSeparators(m_game->path()).toStdString();
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
        program.state.gameRoot = QDir::toNativeSeparators(m_game->path()).toStdString();
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
    QString cstrike(const QString& file) const {
        return m_game->filePath(QStringLiteral("cstrike/") + file);
    }
    // The Steam edition's registry value names the folder.
    void registerGame(const QString& folder) {
        useUserRegistry(
            m_prefix.path(),
            "WINE REGISTRY Version 2\n\n[Software\\\\Valve\\\\Half-Life] 1733650000\n\"InstallPath\"=\"" +
                registeredPath(folder).toUtf8().replace('\\', "\\\\") + "\"\n");
    }

    QTemporaryDir m_prefix;
    std::optional<QTemporaryDir> m_game;
    QTemporaryDir m_home;
};

QTEST_MAIN(ProgramTests)
#include "ProgramTests.moc"
