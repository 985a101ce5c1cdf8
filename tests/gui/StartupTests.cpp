#include "Harness.h"
#include "app/MusicLoop.h"
#include "app/StartWindow.h"
#include "common/FormStyle.h"
#include "common/ProcessEnvironment.h"
#include "location/DirectoryPage.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QGroupBox>
#include <QIcon>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace {

const QString RetailPath = QStringLiteral(R"(C:\Games\Retail CS)");
const QString HalfLifePath = QStringLiteral(R"(C:\Games\Half-Life)");

// A started program, with the helpers of the start window and the folder page.
struct StartedProgram : Program {
    using Program::Program;

    // Started (loaded and shown) on first use.
    StartWindow& startWindow() {
        if (!started)
            route.start();
        started = true;
        return route.startWindow();
    }
    DirectoryPage& directoryPage() { return route.directoryPage(); }
    template <typename T> T* control(const QString& name) { return startWindow().findChild<T*>(name); }
    QRadioButton* option(int index) {
        return control<QRadioButton>(QStringLiteral("optVersion_%1").arg(index));
    }
    QPushButton* nextButton() { return control<QPushButton>(QStringLiteral("cmdNext1")); }

    // The start window on screen once its animation is over.
    StartWindow& ready() {
        for (int tick = 0; tick < 4; ++tick)
            startWindow().revealStep();
        return startWindow();
    }
    void next(int clickedOption) {
        ready();
        if (clickedOption >= 0)
            option(clickedOption)->click();
        nextButton()->click();
    }
    void back() { directoryPage().findChild<QPushButton*>(QStringLiteral("cmdBack1"))->click(); }

    bool started = false;
};

} // namespace

class StartupTests : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        qputenv("WINEPREFIX", m_prefix.path().toLocal8Bit());
        // No native Steam install may answer for half-life.
        qputenv("HOME", m_emptyHome.path().toLocal8Bit());
        qputenv("STEAM_DIR", m_emptyHome.path().toLocal8Bit());
    }
    void init() { useRegistry("user.reg"); }

    void missingMusicEndsTheProgramBeforeAnyWindow_data() {
        QTest::addColumn<QStringList>("missing");
        QTest::addColumn<QString>("message");
        QTest::newRow("input.dll") << QStringList{"input.dll"} << "input.dll is missing!";
        QTest::newRow("output.dll") << QStringList{"output.dll"} << "output.dll is missing!";
        QTest::newRow("zentrimo.saw") << QStringList{"zentrimo.saw"} << "zentrimo.saw is missing!";
        QTest::newRow("first two") << QStringList{"input.dll", "output.dll"} << "input.dll is missing!";
        QTest::newRow("last two") << QStringList{"output.dll", "zentrimo.saw"} << "output.dll is missing!";
    }
    void missingMusicEndsTheProgramBeforeAnyWindow() {
        QFETCH(QStringList, missing);
        QFETCH(QString, message);
        StartedProgram program(missing);
        QVERIFY(!program.startWindow().isVisible());
        QCOMPARE(program.services.errors, QStringList{message});
        QVERIFY(program.services.messages.isEmpty());
        QVERIFY(program.services.exitCode_.value_or(0) != 0);
        QVERIFY(program.services.player.opened.isEmpty());
        QVERIFY(!program.control<QTimer>("tmrTimer")->isActive());
    }

    void musicLoopPlaysTheFirstPieceTwiceThenCycles() {
        FakeServices services;
        MusicLoop loop(services.player, QStringLiteral("/music"));
        loop.start();
        QList<int> counts;
        for (int end = 0; end < 7; ++end) {
            emit services.player.playbackEnded();
            counts << loop.trackCount();
        }
        const QStringList order{"input.dll", "input.dll",  "output.dll",   "zentrimo.saw",
                                "input.dll", "output.dll", "zentrimo.saw", "input.dll"};
        QCOMPARE(services.player.opened.size(), order.size());
        for (int index = 0; index < order.size(); ++index)
            QCOMPARE(services.player.opened[index], QDir(QStringLiteral("/music")).filePath(order[index]));
        QCOMPARE(counts, (QList<int>{1, 2, 0, 1, 2, 0, 1}));
    }

    void loadStartsTheMusicThenTheFrameSlidesHome() {
        StartedProgram program;
        program.state.editionChoice = "2";
        StartWindow& startWindow = program.startWindow();
        QCOMPARE(program.services.player.opened,
                 QStringList{QDir(program.musicFolder.path()).filePath("input.dll")});
        QCOMPARE(program.state.editionChoice, "0");
        auto* frame = program.control<QGroupBox>("frmSelecter");
        auto* slideTimer = program.control<QTimer>("tmrTimer");
        auto* revealTimer = program.control<QTimer>("Timer1");
        QCOMPARE(startWindow.frameLeft(), -2040);
        const TwipsScale& scale = startWindow.scale();
        QCOMPARE(frame->x(), scale(-2040));
        QCOMPARE(slideTimer->interval(), 1);
        QCOMPARE(revealTimer->interval(), 250);
        for (int expected = -2030; expected <= 240; expected += 10) {
            QVERIFY2(slideTimer->isActive() && !revealTimer->isActive(),
                     qPrintable(QString::number(expected)));
            startWindow.slideStep();
            QCOMPARE(startWindow.frameLeft(), expected);
            QCOMPARE(frame->x(), scale(expected));
        }
        QVERIFY(!slideTimer->isActive());
        QVERIFY(revealTimer->isActive());
        QCOMPARE(frame->geometry(), scale.rect(240, 240, 2175, 2295));
        QVERIFY(program.option(0)->isHidden());
    }

    void revealShowsOneMoreControlATick() {
        StartedProgram program;
        const QList<QWidget*> controls{program.option(0), program.option(1), program.option(2),
                                       program.nextButton()};
        for (int tick = 1; tick <= 6; ++tick) {
            program.startWindow().revealStep();
            for (int index = 0; index < controls.size(); ++index)
                QCOMPARE(!controls[index]->isHidden(), index < tick);
        }
    }

    void realTimersRunTheWholeAnimation() {
        StartedProgram program;
        QTRY_COMPARE_WITH_TIMEOUT(program.startWindow().frameLeft(), 240, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(!program.nextButton()->isHidden(), 5000);
    }

    void optionsShowWholeOverTheFrameAndSetEditionChoice() {
        StartedProgram program;
        StartWindow& startWindow = program.ready();
        for (int tick = 0; tick < 228; ++tick)
            startWindow.slideStep();
        const QStringList captions{"Retail Cstrike", "Normal Cstrike", "Specify yourself"};
        for (int index : {2, 1, 0}) {
            QRadioButton* option = program.option(index);
            QCOMPARE(option->text(), captions[index]);
            QCOMPARE(option->palette().color(QPalette::WindowText), Cyan);
            QCOMPARE(startWindow.childAt(option->geometry().center()), option);
            // Where there is a font to measure with: Qt for Windows offscreen under Wine has none.
            QVERIFY(QFontDatabase::families().isEmpty() || option->width() >= option->sizeHint().width());
            QTest::mouseClick(option, Qt::LeftButton);
            QCOMPARE(program.state.editionChoice, QString::number(index).toStdString());
        }
    }

    void missingInstallPathEmptiesTheBoxWithAMessage_data() {
        QTest::addColumn<int>("clicked");
        QTest::newRow("Retail Cstrike, value missing") << 0;
        QTest::newRow("Normal Cstrike, key missing") << 1;
    }
    void missingInstallPathEmptiesTheBoxWithAMessage() {
        QFETCH(int, clicked);
        StartedProgram program;
        program.next(1 - clicked);
        program.back();
        useRegistry("user-without-install-path.reg");
        program.next(clicked);
        QCOMPARE(program.directoryPage().directory(), QString());
        QCOMPARE(program.services.messages,
                 QStringList{
                     "Half-life root not found, try specify another dir. Or choose another cstrike version"});
        QVERIFY(Program::shown("frmDir"));
    }

    void nextRoutesByTheLastClickedEdition() {
        QTemporaryDir start;
        const QString previous = QDir::currentPath();
        QDir::setCurrent(start.path());
        StartedProgram program;
        program.next(-1);
        QVERIFY(Program::shown("frmDir") && !Program::shown("frmMain"));
        QCOMPARE(program.directoryPage().directory(), RetailPath);
        program.back();
        QVERIFY(Program::shown("frmMain") && !Program::shown("frmDir"));
        program.next(1);
        QCOMPARE(program.directoryPage().directory(), HalfLifePath);
        program.back();
        program.next(0);
        QCOMPARE(program.directoryPage().directory(), RetailPath);
        program.back();
        program.next(2);
        QVERIFY(Program::shown("frmSpecify") && !Program::shown("frmDir") && !Program::shown("frmMain"));
        QCOMPARE(program.directoryPage().directory(), RetailPath);
        program.click("frmSpecify", "cmdOk1");
        QCOMPARE(program.directoryPage().directory(),
                 QDir::toNativeSeparators(QDir(start.path()).absolutePath()));
        QVERIFY(program.services.messages.isEmpty());
        QVERIFY(program.state.gameFolder.given().empty());
        QDir::setCurrent(previous);
    }

    void keyboardChoosesAndGoesOn() {
        StartedProgram program;
        StartWindow& startWindow = program.ready();
        QApplication::setActiveWindow(&startWindow);
        QVERIFY(QTest::qWaitForWindowActive(&startWindow));
        QCOMPARE(QApplication::focusWidget(), program.option(0));
        // Arrows choose the option they move to, the first time too, and wrap round.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), program.option(1));
        QVERIFY(program.option(1)->isChecked());
        QCOMPARE(program.state.editionChoice, "1");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), program.option(2));
        QCOMPARE(program.state.editionChoice, "2");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QCOMPARE(program.state.editionChoice, "0");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(program.state.editionChoice, "0");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), program.nextButton());
        // A mnemonic presses its button as the mouse would, after a short delay.
        QTest::keyClick(&startWindow, Qt::Key_N, Qt::AltModifier);
        QTRY_VERIFY(Program::shown("frmDir"));
        QCOMPARE(program.directoryPage().directory(), RetailPath);
        program.back();
        QTest::keyClick(program.nextButton(), Qt::Key_Return);
        QVERIFY(Program::shown("frmDir"));
    }

    void firstRevealedOptionTakesTheKeyboard() {
        StartedProgram program;
        program.startWindow();
        program.showActive("frmMain");
        QCOMPARE(QApplication::focusWidget(), nullptr);
        program.startWindow().revealStep();
        QCOMPARE(QApplication::focusWidget(), program.option(0));
        QVERIFY(!program.option(0)->isChecked());
        // An option not yet revealed cannot be chosen.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(program.state.editionChoice, "0");
        program.startWindow().revealStep();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(program.state.editionChoice, "1");
    }

    // Nothing the first window does not show is made before it comes up: no other window, not even the
    // caption of its frame, which lies left of the window until the frame slides in, nor the icon's
    // pictures; both come once it is painted.
    void theFirstWindowComesUpAlone() {
        // Without the icon the earlier tests' windows set, as when the program starts.
        QApplication::setWindowIcon(QIcon());
        StartedProgram program;
        program.startWindow();
        QStringList made;
        for (const QWidget* window : QApplication::topLevelWidgets())
            made << window->objectName();
        QCOMPARE(made, QStringList{"frmMain"});
        auto* frame = program.control<QGroupBox>("frmSelecter");
        QCOMPARE(frame->title(), QString());
        QVERIFY(frame->x() + frame->width() <= program.startWindow().scale()(135) + 1);
        QVERIFY(program.startWindow().windowIcon().isNull());
        QTRY_COMPARE(frame->title(), "Cstrike Versions:");
        QCOMPARE(program.startWindow().windowIcon().pixmap(32).size(), QSize(32, 32));
    }

private:
    // The registry becomes what the test data file holds.
    void useRegistry(const char* file) {
        useUserRegistry(m_prefix.path(), dataFile(QStringLiteral("startup/") + QLatin1String(file)));
    }

    QTemporaryDir m_prefix;
    QTemporaryDir m_emptyHome;
};

QTEST_MAIN(StartupTests)
#include "StartupTests.moc"
