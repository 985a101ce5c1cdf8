#include "WizardTests.h"

#include <QFile>
#include <QProcess>

#include "common/LineReviewBox.h"
#include "files/FileError.h"
#include "wizard/PageLook.h"
#include "wizard/PageSpec.h"
#include "wizard/SettingsPage.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cerrno>

namespace {

const QString ApplyQuestion = "Do you want to apply settings before quit?";

} // namespace

void WizardTests::otherMnemonics() {
    GameFolder game;
    Program run(game);
    run.showActive("frmTweak0");
    QTest::keyClick(run.form("frmTweak0"), 'u', Qt::AltModifier);
    QTRY_COMPARE(run.services.messages.size(), 1);
    QVERIFY(run.services.messages.first().endsWith("No tweak installed"));
    run.form("frmTweak0")->hide();
    run.showActive("frmTweak2");
    QTest::keyClick(run.form("frmTweak2"), 's', Qt::AltModifier);
    QTRY_COMPARE(Program::visibleForms(), QStringList{"frmTweak3"});
    QCOMPARE(game.files(), QStringList());
}

void WizardTests::missingPictureDrawsNothing() {
    FakeServices services;
    RunState state;
    auto described = std::get<wizard::PageSpec>(wizard::videoSection().at(2));
    described.pictures->leftResource = ":/pictures/no-such-picture.svg";
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no-such-picture"));
    described.explanations.push_back(
        {"Label9", QString("A long explanation that needs room. ").repeated(40)});
    wizard::SettingsPage page(described, services, state);
    const auto* missing = page.findChild<QLabel*>("Image1");
    QVERIFY(missing->pixmap().isNull());
    QCOMPARE(missing->size(), page.scale().pixels(wizard::PictureSize));
    QVERIFY(!page.findChild<QLabel*>("Image2")->pixmap().isNull());
    // The page grows to hold the text instead of cutting it off.
    QVERIFY(page.height() > page.scale().pixels(wizard::PageSize).height());
    const QWidget* next = page.findChild<QWidget*>("cmdNext2");
    QVERIFY(page.rect().contains(next->geometry()));
}

void WizardTests::quitting_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("apply");
    for (const auto& [form, button] : {std::pair{"frmSound0", "cmdQuit0"},
                                       {"frmInternet0", "cmdIQuit0"},
                                       {"frmMisc0", "cmdQuit0"},
                                       {"frmFinish0", "cmdQuitEnd"}}) {
        QTest::addRow("%s, yes", form) << form << button << true;
        QTest::addRow("%s, no", form) << form << button << false;
    }
}

void WizardTests::quitting() {
    QFETCH(QString, form);
    QFETCH(QString, button);
    QFETCH(bool, apply);
    GameFolder game;
    const QByteArray own = "bind \"w\" \"+forward\"\r\n";
    const QByteArray workspace = own + banner() + "r_decals \"300\"\r\n";
    game.write("autoexec.cfg", own);
    game.write("Zentrimo.dll", own);
    game.write("autoexec.tmp", workspace);
    Program run(game);
    run.services.answers = {apply};
    run.show(form);
    run.click(form, button);
    QCOMPARE(run.services.questions, QStringList{ApplyQuestion});
    QCOMPARE(run.services.exitCode_, std::optional(0));
    QCOMPARE(game.read("autoexec.cfg"), apply ? workspace : own);
    QCOMPARE(game.read("zentrimo.cfg"), apply ? QByteArray("r_decals \"300\"\r\n") : "<missing>");
    QCOMPARE(game.has("userconfig.cfg"), apply);
    QCOMPARE(game.has("autoexec.tmp"), !apply);
    if (!apply)
        QCOMPARE(game.read("autoexec.tmp"), workspace);
    QCOMPARE(game.read("Zentrimo.dll"), own);
    QVERIFY(run.services.errors.isEmpty());
}

// The quit question lists the run's lines with what today's game does; Yes applies the ticked ones only.
void WizardTests::quitLeavingLinesOut() {
    GameFolder game;
    const QByteArray own = "bind \"w\" \"+forward\"\r\n";
    game.write("autoexec.cfg", own);
    game.write("Zentrimo.dll", own);
    game.write("autoexec.tmp", own + banner() + "gl_ztrick \"1\"\r\nr_decals \"300\"\r\nhisound \"1\"\r\n");
    Program run(game);
    run.services.answers = {true};
    run.services.keptLines = {{false, true, true}};
    run.show("frmSound0");
    run.click("frmSound0", "cmdQuit0");
    QCOMPARE(run.services.questions, QStringList{ApplyQuestion});
    QCOMPARE(run.services.reviewed.size(), 3);
    QCOMPARE(run.services.reviewed[0].text, "gl_ztrick \"1\"");
    QVERIFY(run.services.reviewed[0].doesNothing && run.services.reviewed[1].doesNothing &&
            !run.services.reviewed[2].doesNothing);
    QVERIFY(run.services.reviewed[0].today.startsWith("Today's game has no ZTrick (gl_ztrick)"));
    QCOMPARE(game.read("autoexec.cfg"), own + banner() + "r_decals \"300\"\r\nhisound \"1\"\r\n");
    QCOMPARE(game.read("zentrimo.cfg"), "r_decals \"300\"\r\nhisound \"1\"\r\n");
    QCOMPARE(game.has("autoexec.tmp"), false);
    QCOMPARE(run.services.exitCode_, std::optional(0));
}

// The box itself: Yes the default; "Show Details..." opens the lines, all ticked; the button unticks
// those that do nothing; the box can be resized.
void WizardTests::reviewBoxLeavesOutTheLinesThatDoNothing() {
    LineReviewBox box(ApplyQuestion, "Lines: 2.\n",
                      {{"r_decals \"300\"", "replaced", true}, {"hisound \"1\"", "takes effect", false}},
                      nullptr);
    box.show();
    QCOMPARE(box.windowTitle(), "Zentrimo");
    QVERIFY(box.isSizeGripEnabled());
    auto* list = box.findChild<QListWidget*>("lstLines");
    QVERIFY(!list->isVisible());
    QCOMPARE(box.kept(), (QList<bool>{true, true}));
    box.findChild<QPushButton*>("cmdDetails")->click();
    QVERIFY(list->isVisible());
    QCOMPARE(list->item(0)->text(), "r_decals \"300\": replaced");
    box.findChild<QPushButton*>("cmdLeaveOut")->click();
    QCOMPARE(box.kept(), (QList<bool>{false, true}));
    const auto yes = box.findChildren<QPushButton*>();
    QVERIFY(
        std::ranges::any_of(yes, [](QPushButton* b) { return b->isDefault() && b->text().contains("Yes"); }));
}

// A workspace that cannot be read leaves the question and its No as they were; the details say why.
void WizardTests::unreadableRunStillAsks() {
    GameFolder game;
    QVERIFY(QDir(game.path({})).mkpath("autoexec.tmp"));
    Program run(game);
    run.services.answers = {false};
    run.show("frmFinish0");
    run.click("frmFinish0", "cmdQuitEnd");
    QCOMPARE(run.services.questions, QStringList{ApplyQuestion});
    QVERIFY2(run.services.details.value(0).startsWith("The lines of this run could not be read: "),
             qPrintable(run.services.details.value(0)));
    QCOMPARE(run.services.errors, QStringList());
    QCOMPARE(run.services.exitCode_, std::optional(0));
}

void WizardTests::uninstallWithoutBackup() {
    GameFolder game;
    game.write("autoexec.cfg", "own\r\n");
    Program run(game);
    run.show("frmTweak0");
    run.click("frmTweak0", "cmdUninstall");
    run.click("frmTweak0", "cmdUninstall");
    const QString notInstalled =
        "You have to install the tweak before you try to uninstall it --> No tweak installed";
    QCOMPARE(run.services.messages, (QStringList{notInstalled, notInstalled}));
    QCOMPARE(run.services.exitCode_, std::nullopt);
    QCOMPARE(Program::visibleForms(), QStringList{"frmTweak0"});
    QCOMPARE(game.files(), QStringList{"autoexec.cfg"});
    QCOMPARE(game.read("autoexec.cfg"), QByteArray("own\r\n"));
}

void WizardTests::uninstallWaitsWhileTheGameRuns() {
#ifdef Q_OS_WIN
    QSKIP("the stand-in for the game is a Linux program");
#else
    GameFolder game;
    game.write("autoexec.cfg", "own\r\n" + banner());
    game.write("Zentrimo.dll", "own\r\n");
    QVERIFY(QFile::copy("/bin/sleep", game.rootPath() + "/hl_linux"));
    QProcess standIn;
    standIn.start(game.rootPath() + "/hl_linux", {"30"});
    QVERIFY(standIn.waitForStarted());
    Program run(game);
    run.show("frmTweak0");
    run.click("frmTweak0", "cmdUninstall");
    standIn.kill();
    standIn.waitForFinished();
    QCOMPARE(run.services.messages,
             QStringList{"Counter-Strike is running. Close it first: it saves its settings "
                         "when it quits, and would undo the uninstall."});
    QCOMPARE(run.services.exitCode_, std::nullopt);
    QCOMPARE(Program::visibleForms(), QStringList{"frmTweak0"});
    QCOMPARE(game.read("autoexec.cfg"), "own\r\n" + banner());
    QVERIFY(game.has("Zentrimo.dll"));
#endif
}

void WizardTests::uninstallRestoresBackup_data() {
    QTest::addColumn<QByteArray>("backup");
    QTest::newRow("player's script") << QByteArray("name \"Sp\xe9lare\"\r\nbind \"F1\" \"say hi\"");
    QTest::newRow("empty backup") << QByteArray();
}

void WizardTests::uninstallRestoresBackup() {
    QFETCH(QByteArray, backup);
    GameFolder game;
    game.write("autoexec.cfg", backup + banner() + "r_decals \"200\"\r\n");
    game.write("Zentrimo.dll", backup);
    game.write("autoexec.tmp", "left from a run that did not apply\r\n");
    Program run(game);
    run.show("frmTweak0");
    run.click("frmTweak0", "cmdUninstall");
    QCOMPARE(run.services.messages, QStringList{"Tweak have been succesfully uninstalled"});
    QCOMPARE(run.services.exitCode_, std::optional(0));
    QCOMPARE(game.read("autoexec.cfg"), backup);
    QVERIFY(!game.has("Zentrimo.dll"));
    QVERIFY(game.has("autoexec.tmp"));
}

void WizardTests::fileErrorEndsProgram_data() {
    const int NotARegularFile = static_cast<int>(files::GameFileProblem::NotARegularFile);
#ifdef Q_OS_WIN
    // Windows names the missing folder on the way (ERROR_PATH_NOT_FOUND).
    const int NoCstrike = 3;
#else
    const int NoCstrike = ENOENT;
#endif
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("errorNumber");
    QTest::addColumn<QString>("folderInTheWay");
    // GameRoot without a cstrike folder.
    QTest::newRow("page 1 next") << "frmTweak1"
                                 << "cmdTweak1" << NoCstrike << "";
    QTest::newRow("page 1 skip") << "frmTweak1"
                                 << "cmdSkip1" << NoCstrike << "";
    QTest::newRow("page 2 next") << "frmTweak2"
                                 << "cmdNext2" << NoCstrike << "";
    QTest::newRow("quit, yes") << "frmSound0"
                               << "cmdQuit0" << NoCstrike << "";
    // A backup to restore, but a folder where the start-up script should be.
    QTest::newRow("uninstall") << "frmTweak0"
                               << "cmdUninstall" << NotARegularFile << "autoexec.cfg";
    // A workspace to apply, but a folder where userconfig.cfg should be.
    QTest::newRow("quit, yes, userconfig") << "frmFinish0"
                                           << "cmdQuitEnd" << NotARegularFile << "userconfig.cfg";
}

void WizardTests::fileErrorEndsProgram() {
    QFETCH(QString, form);
    QFETCH(QString, button);
    QFETCH(int, errorNumber);
    QFETCH(QString, folderInTheWay);
    const bool restoring = folderInTheWay == "autoexec.cfg";
    GameFolder game(!folderInTheWay.isEmpty());
    if (!folderInTheWay.isEmpty())
        QVERIFY(QDir().mkpath(game.path(folderInTheWay + "/keep")));
    if (restoring)
        game.write("Zentrimo.dll", "own\r\n");
    else if (!folderInTheWay.isEmpty())
        game.write("autoexec.tmp", banner());
    Program run(game);
    run.services.answers = {true};
    run.show(form);
    run.click(form, button);
    QCOMPARE(run.services.errors.size(), 1);
    QVERIFY2(run.services.errors.first().startsWith(QStringLiteral("Error %1: ").arg(errorNumber)),
             qPrintable(run.services.errors.first()));
    QCOMPARE(run.services.exitCode_, std::optional(1));
    QVERIFY(run.services.messages.isEmpty());
    QCOMPARE(Program::visibleForms(), QStringList{form});
    if (!folderInTheWay.isEmpty())
        QVERIFY2(run.services.errors.first().endsWith(QDir::toNativeSeparators(game.path(folderInTheWay))),
                 qPrintable(run.services.errors.first()));
    if (restoring)
        QCOMPARE(game.read("Zentrimo.dll"), QByteArray("own\r\n"));
    else if (!folderInTheWay.isEmpty())
        QCOMPARE(game.read("autoexec.tmp"), banner());
}

QTEST_MAIN(WizardTests)
