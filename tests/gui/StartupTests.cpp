#include "DimList.h"
#include "FakeServices.h"
#include "FormStyle.h"
#include "FrmDir.h"
#include "FrmMain.h"
#include "LocationForms.h"
#include "MusicLoop.h"
#include "WindowChain.h"

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

const QString RetailPath = QStringLiteral(R"(C:\Games\Retail CS)");
const QString HalfLifePath = QStringLiteral(R"(C:\Games\Half-Life)");

// A fresh program whose folder holds the music files but `missing`, with the real location forms.
struct Program {
    explicit Program(const QStringList& missing = {}) {
        for (const char* file : MusicFiles)
            if (!missing.contains(QLatin1String(file)))
                QFile(folder.filePath(QLatin1String(file))).open(QIODevice::WriteOnly);
        addLocationForms(chain, services, dims);
        addMainForm(chain, services, dims, folder.path());
        chain.add(QStringLiteral("frmTweak0"), [] { return new QWidget; });
    }

    FrmMain* frmMain() { return qobject_cast<FrmMain*>(chain.form(QStringLiteral("frmMain"))); }
    FrmDir* frmDir() { return qobject_cast<FrmDir*>(chain.existing(QStringLiteral("frmDir"))); }
    bool shown(const char* form) {
        return chain.existing(QLatin1String(form)) && chain.existing(QLatin1String(form))->isVisible();
    }
    template <typename T> T* control(const QString& name) { return frmMain()->findChild<T*>(name); }
    QRadioButton* option(int index) {
        return control<QRadioButton>(QStringLiteral("optVersion_%1").arg(index));
    }
    QPushButton* cmdNext1() { return control<QPushButton>(QStringLiteral("cmdNext1")); }

    // frmMain on screen once its animation is over.
    FrmMain* ready() {
        chain.show(QStringLiteral("frmMain"));
        for (int tick = 0; tick < 4; ++tick)
            frmMain()->revealStep();
        return frmMain();
    }
    void next(int clickedOption) {
        ready();
        if (clickedOption >= 0)
            option(clickedOption)->click();
        cmdNext1()->click();
    }
    void back() { frmDir()->findChild<QPushButton*>(QStringLiteral("cmdBack1"))->click(); }

    QTemporaryDir folder;
    FakeServices services;
    DimList dims;
    WindowChain chain{services};
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
        Program program(missing);
        QVERIFY(!program.frmMain()->isVisible());
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
        Program program;
        program.dims.EditionChoice = "2";
        FrmMain* frmMain = program.frmMain();
        QCOMPARE(program.services.player.opened,
                 QStringList{QDir(program.folder.path()).filePath("input.dll")});
        QCOMPARE(program.dims.EditionChoice, "0");
        auto* frame = program.control<QGroupBox>("frmSelecter");
        auto* tmrTimer = program.control<QTimer>("tmrTimer");
        auto* timer1 = program.control<QTimer>("Timer1");
        QCOMPARE(frmMain->frameLeft(), -2040);
        QCOMPARE(frame->x(), twips(-2040));
        QCOMPARE(tmrTimer->interval(), 1);
        QCOMPARE(timer1->interval(), 250);
        for (int expected = -2030; expected <= 240; expected += 10) {
            QVERIFY2(tmrTimer->isActive() && !timer1->isActive(), qPrintable(QString::number(expected)));
            frmMain->slideStep();
            QCOMPARE(frmMain->frameLeft(), expected);
            QCOMPARE(frame->x(), twips(expected));
        }
        QVERIFY(!tmrTimer->isActive());
        QVERIFY(timer1->isActive());
        QCOMPARE(frame->geometry(), QRect(16, 16, 145, 153));
        QVERIFY(program.option(0)->isHidden());
    }

    void revealShowsOneMoreControlATick() {
        Program program;
        const QList<QWidget*> controls{program.option(0), program.option(1), program.option(2),
                                       program.cmdNext1()};
        for (int tick = 1; tick <= 6; ++tick) {
            program.frmMain()->revealStep();
            for (int index = 0; index < controls.size(); ++index)
                QCOMPARE(!controls[index]->isHidden(), index < tick);
        }
    }

    void realTimersRunTheWholeAnimation() {
        Program program;
        QTRY_COMPARE_WITH_TIMEOUT(program.frmMain()->frameLeft(), 240, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(!program.cmdNext1()->isHidden(), 5000);
    }

    void optionsShowWholeOverTheFrameAndSetEditionChoice() {
        Program program;
        FrmMain* frmMain = program.ready();
        for (int tick = 0; tick < 228; ++tick)
            frmMain->slideStep();
        const QStringList captions{"Retail Cstrike", "Normal Cstrike", "Specify yourself"};
        for (int index : {2, 1, 0}) {
            QRadioButton* option = program.option(index);
            QCOMPARE(option->text(), captions[index]);
            QCOMPARE(option->palette().color(QPalette::WindowText), Cyan);
            QCOMPARE(frmMain->childAt(option->geometry().center()), option);
            QVERIFY(option->width() >= option->sizeHint().width());
            QTest::mouseClick(option, Qt::LeftButton);
            QCOMPARE(program.dims.EditionChoice, QString::number(index).toStdString());
        }
    }

    void missingInstallPathEmptiesTheBoxWithAMessage_data() {
        QTest::addColumn<int>("clicked");
        QTest::newRow("Retail Cstrike, value missing") << 0;
        QTest::newRow("Normal Cstrike, key missing") << 1;
    }
    void missingInstallPathEmptiesTheBoxWithAMessage() {
        QFETCH(int, clicked);
        Program program;
        program.next(1 - clicked);
        program.back();
        useRegistry("user-without-install-path.reg");
        program.next(clicked);
        QCOMPARE(program.frmDir()->directory(), QString());
        QCOMPARE(program.services.messages,
                 QStringList{
                     "Half-life root not found, try specify another dir. Or choose another cstrike version"});
        QVERIFY(program.shown("frmDir"));
    }

    void nextRoutesByTheLastClickedEdition() {
        QTemporaryDir start;
        const QString previous = QDir::currentPath();
        QDir::setCurrent(start.path());
        Program program;
        program.next(-1);
        QVERIFY(program.shown("frmDir") && !program.shown("frmMain"));
        QCOMPARE(program.frmDir()->directory(), RetailPath);
        program.back();
        QVERIFY(program.shown("frmMain") && !program.shown("frmDir"));
        program.next(1);
        QCOMPARE(program.frmDir()->directory(), HalfLifePath);
        program.back();
        program.next(0);
        QCOMPARE(program.frmDir()->directory(), RetailPath);
        program.back();
        program.next(2);
        QVERIFY(program.shown("frmSpecify") && !program.shown("frmDir") && !program.shown("frmMain"));
        QCOMPARE(program.frmDir()->directory(), RetailPath);
        program.chain.existing("frmSpecify")->findChild<QPushButton*>("cmdOk1")->click();
        QCOMPARE(program.frmDir()->directory(), QDir::toNativeSeparators(QDir(start.path()).absolutePath()));
        QVERIFY(program.services.messages.isEmpty());
        QVERIFY(program.dims.GameRoot.empty());
        QDir::setCurrent(previous);
    }

    void keyboardChoosesAndGoesOn() {
        Program program;
        FrmMain* frmMain = program.ready();
        QApplication::setActiveWindow(frmMain);
        QVERIFY(QTest::qWaitForWindowActive(frmMain));
        QCOMPARE(QApplication::focusWidget(), program.option(0));
        // Arrows choose the option they move to, the first time too, and wrap round.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), program.option(1));
        QVERIFY(program.option(1)->isChecked());
        QCOMPARE(program.dims.EditionChoice, "1");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), program.option(2));
        QCOMPARE(program.dims.EditionChoice, "2");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QCOMPARE(program.dims.EditionChoice, "0");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(program.dims.EditionChoice, "0");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), program.cmdNext1());
        // A mnemonic presses its button as the mouse would, after a short delay.
        QTest::keyClick(frmMain, Qt::Key_N, Qt::AltModifier);
        QTRY_VERIFY(program.shown("frmDir"));
        QCOMPARE(program.frmDir()->directory(), RetailPath);
        program.back();
        QTest::keyClick(program.cmdNext1(), Qt::Key_Return);
        QVERIFY(program.shown("frmDir"));
    }

    void firstRevealedOptionTakesTheKeyboard() {
        Program program;
        program.chain.show(QStringLiteral("frmMain"));
        QApplication::setActiveWindow(program.frmMain());
        QVERIFY(QTest::qWaitForWindowActive(program.frmMain()));
        QCOMPARE(QApplication::focusWidget(), nullptr);
        program.frmMain()->revealStep();
        QCOMPARE(QApplication::focusWidget(), program.option(0));
        QVERIFY(!program.option(0)->isChecked());
        // An option not yet revealed cannot be chosen.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(program.dims.EditionChoice, "0");
        program.frmMain()->revealStep();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(program.dims.EditionChoice, "1");
    }

    void closingFrmMainEndsTheProgramCleanly() {
        Program program;
        QVERIFY(!program.ready()->close());
        QCOMPARE(program.services.exitCode_, 0);
        QVERIFY(program.services.errors.isEmpty());
    }

private:
    // The Wine prefix's user.reg becomes a copy of the test data file.
    void useRegistry(const char* file) {
        const QString userReg = m_prefix.filePath(QStringLiteral("user.reg"));
        QFile::remove(userReg);
        QVERIFY(QFile::copy(QStringLiteral(ZENTRIMO_TEST_DATA "/startup/") + QLatin1String(file), userReg));
    }

    QTemporaryDir m_prefix;
    QTemporaryDir m_emptyHome;
};

QTEST_MAIN(StartupTests)
#include "StartupTests.moc"
