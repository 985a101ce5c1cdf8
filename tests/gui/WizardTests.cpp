#include "WizardTests.h"

#include "FileError.h"

#include "SettingsPage.h"

#include <QLabel>
#include <QPushButton>

#include <cerrno>

namespace {

struct Step {
    const char* form;
    const char* caption;
    const char* enter; // the button that moves on: Next, Start Tweak, Continue (Quit on the finish page)
    const char* other; // Skip, or the leave button of a start page
    const char* successor;
    const char* focus;
};

// The whole chain in the order the player meets it.
const Step Chain[] = {
    {"frmTweak0", "Zentrimo", "cmdTweak", "cmdUninstall", "frmTweak1", "cmdTweak"},
    {"frmTweak1", "Zentrimo 1/14", "cmdTweak1", "cmdSkip1", "frmTweak2", "txtDecals"},
    {"frmTweak2", "Zentrimo 2/14", "cmdNext2", "cmdSkip2", "frmTweak3", "check2"},
    {"frmTweak3", "Zentrimo 3/14", "cmdNext3", "cmdSkip3", "frmTweak4", "check3"},
    {"frmTweak4", "Zentrimo 4/14", "cmdNext4", "cmdSkip4", "frmTweak5", "check4"},
    {"frmTweak5", "Zentrimo 5/14", "cmdNext5", "cmdSkip5", "frmTweak6", "check5"},
    {"frmTweak6", "Zentrimo 6/14", "cmdNext6", "cmdSkip6", "frmTweak7", "check6"},
    {"frmTweak7", "Zentrimo 7/14", "cmdTweak7", "cmdSkip7", "frmTweak8", "txtTweak7"},
    {"frmTweak8", "Zentrimo 8/14", "cmdTweak8", "cmdSkip8", "frmTweak9", "txtBright"},
    {"frmTweak9", "Zentrimo 9/14", "cmdNext9", "cmdSkip9", "frmTweak10", "txtTGamma"},
    {"frmTweak10", "Zentrimo 10/14", "cmdTweak10", "cmdSkip10", "frmTweak11", "check10"},
    {"frmTweak11", "Zentrimo 11/14", "cmdtweak11", "cmdSkip11", "frmTweak12", "txtMip"},
    {"frmTweak12", "Zentrimo 12/14", "cmdTweak12", "cmdSkip12", "frmTweak13", "check12"},
    {"frmTweak13", "Zentrimo 13/14", "cmdTweak13", "cmdSkip13", "frmTweak14", "check13"},
    {"frmTweak14", "Zentrimo 14/14", "cmdTweak14", "cmdSkip14", "frmSound0", "optTweak14_0"},
    {"frmSound0", "Zentrimo", "cmdSound0", "cmdQuit0", "frmSound1", "cmdSound0"},
    {"frmSound1", "Zentrimo 1/5", "cmdSNext1", "cmdSSkip1", "frmSound2", "checkS1"},
    {"frmSound2", "Zentrimo 2/5", "cmdSNext2", "cmdSSkip2", "frmSound3", "checkS2"},
    {"frmSound3", "Zentrimo 3/5", "cmdSNext3", "cmdSSkip3", "frmSound4", "checkS3"},
    {"frmSound4", "Zentrimo 4/5", "cmdSNext4", "cmdSSkip4", "frmSound5", "checkS4"},
    {"frmSound5", "Zentrimo 5/5", "cmdSNext5", "cmdSSkip5", "frmInternet0", "optSound5_0"},
    {"frmInternet0", "Zentrimo", "cmdInternet0", "cmdIQuit0", "frmInternet1", "cmdInternet0"},
    {"frmInternet1", "Zentrimo 1/6", "cmdINext1", "cmdISkip1", "frmInternet2", "txtMmf"},
    {"frmInternet2", "Zentrimo 2/6", "cmdINext2", "cmdISkip2", "frmInternet3", "txtLmf"},
    {"frmInternet3", "Zentrimo 3/6", "cmdINext3", "cmdISkip3", "frmInternet4", "txtRate"},
    {"frmInternet4", "Zentrimo 4/6", "cmdINext4", "cmdISkip4", "frmInternet5", "txtPre"},
    {"frmInternet5", "Zentrimo", "cmdINext5", "cmdISkip5", "frmInternet6", "checkI5"},
    {"frmInternet6", "Zentrimo 6/6", "cmdINext6", "cmdISkip6", "frmMisc0", "checkI6"},
    {"frmMisc0", "Zentrimo", "cmdMisc0", "cmdQuit0", "frmMisc1", "cmdMisc0"},
    {"frmMisc1", "Zentrimo 1/5", "cmdMNext1", "cmdMSkip1", "frmMisc2", "checkM1"},
    {"frmMisc2", "Zentrimo 2/5", "cmdMNext2", "cmdMSkip2", "frmMisc3", "checkM2"},
    {"frmMisc3", "Zentrimo 3/5", "cmdMNext3", "cmdMSkip3", "frmMisc4", "txtConsole"},
    {"frmMisc4", "Zentrimo 4/5", "cmdMNext4", "cmdMSkip4", "frmMisc5", "checkM4"},
    {"frmMisc5", "Zentrimo 5/5", "cmdMNext5", "cmdMSkip5", "frmFinish0", "checkM5"},
    {"frmFinish0", "Zentrimo", "cmdQuitEnd", "", "", "cmdQuitEnd"},
};

const QString ApplyQuestion = "Do you want to apply settings before quit?";

QByteArray dataFile(const QString& name) {
    QFile file(QStringLiteral(ZENTRIMO_TEST_DATA "/wizard/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

void WizardTests::everyStep_data() {
    QTest::addColumn<int>("step");
    for (int step = 0; step < static_cast<int>(std::size(Chain)); ++step)
        QTest::newRow(Chain[step].form) << step;
}

void WizardTests::everyStep() {
    QFETCH(int, step);
    const Step& expected = Chain[step];
    const bool settingsPage = QByteArray(expected.other).contains("Skip");
    // Both buttons of a settings page lead on; of a start page only the enter button does.
    QStringList leading{expected.enter};
    if (settingsPage)
        leading << expected.other;
    if (!*expected.successor)
        leading.clear();
    for (const QString& button : leading) {
        GameFolder game;
        WizardRun run(game);
        QWidget* form = run.show(expected.form);
        QCOMPARE(form->windowTitle(), QString(expected.caption));
        QCOMPARE(form->focusWidget()->objectName(), QString(expected.focus));
        const QString expectedText = button.contains("Skip") ? "&Skip setting"
                                     : settingsPage          ? "&Next"
                                     : button == "cmdTweak"  ? "&Start Tweak"
                                                             : "&Continue";
        QCOMPARE(run.control<QPushButton>(expected.form, button)->text(), expectedText);
        run.click(expected.form, button);
        QCOMPARE(WizardRun::visibleForms(), QStringList{expected.successor});
        QVERIFY(run.services.messages.isEmpty());
        // Page 1 builds the workspace, Next appends to it; Skip and the enter buttons touch no file.
        const QStringList files = QByteArray(expected.form) == "frmTweak1"
                                      ? QStringList{"autoexec.cfg", "autoexec.tmp", "Zentrimo.dll"}
                                  : settingsPage && button == expected.enter ? QStringList{"autoexec.tmp"}
                                                                             : QStringList();
        QCOMPARE(game.files(), files);
    }
    if (!settingsPage) {
        GameFolder game;
        WizardRun run(game);
        QWidget* form = run.show(expected.form);
        QCOMPARE(form->windowTitle(), QString(expected.caption));
        const QString leave = *expected.other ? expected.other : expected.enter;
        QCOMPARE(run.control<QPushButton>(expected.form, leave)->text(),
                 leave == "cmdUninstall" ? "&Uninstall" : "&Quit");
        QCOMPARE(form->findChildren<QPushButton*>().size(), *expected.other ? 2 : 1);
    }
}

void WizardTests::keyboardAlone() {
    GameFolder game;
    WizardRun run(game);
    run.services.answers = {false};
    run.showActive("frmTweak0");
    for (const Step& step : Chain) {
        // A mnemonic clicks its button the way a mouse would, briefly pressed.
        QTRY_COMPARE(WizardRun::visibleForms(), QStringList{step.form});
        QWidget* form = run.chain.form(step.form);
        QVERIFY(QTest::qWaitForWindowActive(form));
        // Enter in a number field beeps and must not move on.
        if (qobject_cast<QLineEdit*>(form->focusWidget())) {
            QTest::keyClick(form->focusWidget(), Qt::Key_Return);
            QCOMPARE(WizardRun::visibleForms(), QStringList{step.form});
        }
        const QString caption = run.control<QPushButton>(step.form, step.enter)->text();
        const int mnemonic = caption.indexOf('&') + 1;
        QTest::keyClick(form, caption.at(mnemonic).toLower().toLatin1(), Qt::AltModifier);
    }
    QTRY_COMPARE(run.services.exitCode_, std::optional(0));
    QCOMPARE(run.services.questions, QStringList{ApplyQuestion});
    QCOMPARE(game.read("autoexec.tmp"), dataFile("untouched-run-autoexec.tmp"));
    QCOMPARE(run.services.beeps, 10); // one Enter on each of the ten pages whose focus is a field
}

void WizardTests::otherMnemonics() {
    GameFolder game;
    WizardRun run(game);
    run.showActive("frmTweak0");
    QTest::keyClick(run.chain.form("frmTweak0"), 'u', Qt::AltModifier);
    QTRY_COMPARE(run.services.messages.size(), 1);
    QVERIFY(run.services.messages.first().endsWith("No tweak installed"));
    run.chain.form("frmTweak0")->hide();
    run.showActive("frmTweak2");
    QTest::keyClick(run.chain.form("frmTweak2"), 's', Qt::AltModifier);
    QTRY_COMPARE(WizardRun::visibleForms(), QStringList{"frmTweak3"});
    QCOMPARE(game.files(), QStringList());
}

void WizardTests::nothingClipped_data() {
    everyStep_data();
}

void WizardTests::nothingClipped() {
    QFETCH(int, step);
    GameFolder game;
    WizardRun run(game);
    QWidget* form = run.show(Chain[step].form);
    QVERIFY(form->width() >= 600 && form->height() >= 440);
    for (const QWidget* child : form->findChildren<QWidget*>()) {
        const QString where = child->objectName() + " in " + form->objectName();
        QVERIFY2(form->rect().contains(child->geometry()), qPrintable(where));
        if (const auto* label = qobject_cast<const QLabel*>(child); label && label->wordWrap())
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(where));
    }
}

void WizardTests::missingPictureDrawsNothing() {
    GameFolder game;
    FakeServices services;
    DimList dims;
    WindowChain chain(services);
    wizard::PageSpec described = wizard::videoPages().at(1);
    described.pictures->leftResource = ":/pictures/no-such-picture.svg";
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no-such-picture"));
    described.explanations.push_back(
        {"Label9", QString("A long explanation that needs room. ").repeated(40)});
    wizard::SettingsPage page(described, chain, services, dims);
    const auto* missing = page.findChild<QLabel*>("Image1");
    QVERIFY(missing->pixmap().isNull());
    QCOMPARE(missing->size(), QSize(160, 120));
    QVERIFY(!page.findChild<QLabel*>("Image2")->pixmap().isNull());
    // The page grows to hold the text instead of cutting it off.
    QVERIFY(page.height() > 440);
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
    const QByteArray workspace = own + Banner + "r_decals \"300\"\r\n";
    game.write("autoexec.cfg", own);
    game.write("Zentrimo.dll", own);
    game.write("autoexec.tmp", workspace);
    WizardRun run(game);
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

void WizardTests::uninstallWithoutBackup() {
    GameFolder game;
    game.write("autoexec.cfg", "own\r\n");
    WizardRun run(game);
    run.show("frmTweak0");
    run.click("frmTweak0", "cmdUninstall");
    run.click("frmTweak0", "cmdUninstall");
    const QString notInstalled =
        "You have to install the tweak before you try to uninstall it --> No tweak installed";
    QCOMPARE(run.services.messages, (QStringList{notInstalled, notInstalled}));
    QCOMPARE(run.services.exitCode_, std::nullopt);
    QCOMPARE(WizardRun::visibleForms(), QStringList{"frmTweak0"});
    QCOMPARE(game.files(), QStringList{"autoexec.cfg"});
    QCOMPARE(game.read("autoexec.cfg"), QByteArray("own\r\n"));
}

void WizardTests::uninstallRestoresBackup_data() {
    QTest::addColumn<QByteArray>("backup");
    QTest::newRow("player's script") << QByteArray("name \"Sp\xe9lare\"\r\nbind \"F1\" \"say hi\"");
    QTest::newRow("empty backup") << QByteArray();
}

void WizardTests::uninstallRestoresBackup() {
    QFETCH(QByteArray, backup);
    GameFolder game;
    game.write("autoexec.cfg", backup + Banner + "r_decals \"200\"\r\n");
    game.write("Zentrimo.dll", backup);
    game.write("autoexec.tmp", "left from a run that did not apply\r\n");
    WizardRun run(game);
    run.show("frmTweak0");
    run.click("frmTweak0", "cmdUninstall");
    QCOMPARE(run.services.messages, QStringList{"Tweak have been succesfully uninstalled"});
    QCOMPARE(run.services.exitCode_, std::optional(0));
    QCOMPARE(game.read("autoexec.cfg"), backup);
    QVERIFY(!game.has("Zentrimo.dll"));
    QVERIFY(game.has("autoexec.tmp"));
}

void WizardTests::fileErrorEndsProgram_data() {
    const int NotARegularFile = static_cast<int>(workspace::GameFileProblem::NotARegularFile);
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("errorNumber");
    QTest::addColumn<QString>("folderInTheWay");
    // GameRoot without a cstrike folder.
    QTest::newRow("page 1 next") << "frmTweak1"
                                 << "cmdTweak1" << ENOENT << "";
    QTest::newRow("page 1 skip") << "frmTweak1"
                                 << "cmdSkip1" << ENOENT << "";
    QTest::newRow("page 2 next") << "frmTweak2"
                                 << "cmdNext2" << ENOENT << "";
    QTest::newRow("quit, yes") << "frmSound0"
                               << "cmdQuit0" << ENOENT << "";
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
        game.write("autoexec.tmp", Banner);
    WizardRun run(game);
    run.services.answers = {true};
    run.show(form);
    run.click(form, button);
    QCOMPARE(run.services.errors.size(), 1);
    QVERIFY2(run.services.errors.first().startsWith(QStringLiteral("Error %1: ").arg(errorNumber)),
             qPrintable(run.services.errors.first()));
    QCOMPARE(run.services.exitCode_, std::optional(1));
    QVERIFY(run.services.messages.isEmpty());
    QCOMPARE(WizardRun::visibleForms(), QStringList{form});
    if (!folderInTheWay.isEmpty())
        QVERIFY2(run.services.errors.first().endsWith(QDir::toNativeSeparators(game.path(folderInTheWay))),
                 qPrintable(run.services.errors.first()));
    if (restoring)
        QCOMPARE(game.read("Zentrimo.dll"), QByteArray("own\r\n"));
    else if (!folderInTheWay.isEmpty())
        QCOMPARE(game.read("autoexec.tmp"), Banner);
}

void WizardTests::fullRunAndUninstall() {
    GameFolder game;
    const QByteArray players = dataFile("player-autoexec.cfg");
    game.write("autoexec.cfg", players);
    {
        WizardRun run(game);
        run.services.answers = {true};
        run.show("frmTweak0");
        run.click("frmTweak0", "cmdTweak");
        run.retype("frmTweak1", "txtDecals", "350");
        run.click("frmTweak1", "cmdTweak1");
        run.click("frmTweak2", "check2");
        run.click("frmTweak2", "cmdNext2");
        run.click("frmTweak3", "cmdSkip3");
        run.click("frmTweak4", "cmdNext4");
        run.click("frmTweak5", "check5");
        run.click("frmTweak5", "cmdNext5");
        run.click("frmTweak6", "cmdSkip6");
        run.retype("frmTweak7", "txtTweak7", "30");
        run.click("frmTweak7", "cmdTweak7");
        QCOMPARE(run.services.messages, QStringList{"Poly-Offset Must be between -25 and 25"});
        run.retype("frmTweak7", "txtTweak7", "-05");
        run.click("frmTweak7", "cmdTweak7");
        run.click("frmTweak8", "cmdTweak8");
        run.retype("frmTweak9", "txtLGamma", "3");
        run.click("frmTweak9", "cmdNext9");
        run.click("frmTweak10", "cmdSkip10");
        run.retype("frmTweak11", "txtMip", "2");
        run.click("frmTweak11", "cmdtweak11");
        run.click("frmTweak12", "check12");
        run.click("frmTweak12", "cmdTweak12");
        run.click("frmTweak13", "cmdTweak13");
        run.click("frmTweak14", "optTweak14_2");
        run.click("frmTweak14", "cmdTweak14");
        run.click("frmSound0", "cmdSound0");
        run.click("frmSound1", "checkS1");
        run.click("frmSound1", "cmdSNext1");
        run.click("frmSound2", "cmdSSkip2");
        run.click("frmSound3", "cmdSNext3");
        run.click("frmSound4", "checkS4");
        run.click("frmSound4", "cmdSNext4");
        run.click("frmSound5", "optSound5_3");
        run.click("frmSound5", "cmdSNext5");
        run.click("frmInternet0", "cmdInternet0");
        run.click("frmInternet1", "cmdINext1");
        run.click("frmInternet2", "cmdISkip2");
        run.retype("frmInternet3", "txtRate", "5000");
        run.click("frmInternet3", "cmdINext3");
        run.retype("frmInternet4", "txtPre", "150");
        run.click("frmInternet4", "cmdINext4");
        run.click("frmInternet5", "checkI5");
        run.click("frmInternet5", "cmdINext5");
        run.click("frmInternet6", "cmdINext6");
        run.click("frmMisc0", "cmdMisc0");
        run.click("frmMisc1", "cmdMNext1");
        run.click("frmMisc2", "cmdMSkip2");
        run.click("frmMisc3", "cmdMNext3");
        run.click("frmMisc4", "checkM4");
        run.click("frmMisc4", "cmdMNext4");
        run.click("frmMisc5", "checkM5");
        run.click("frmMisc5", "cmdMNext5");
        QCOMPARE(WizardRun::visibleForms(), QStringList{"frmFinish0"});
        run.click("frmFinish0", "cmdQuitEnd");
        QCOMPARE(run.services.exitCode_, std::optional(0));
        QCOMPARE(run.services.beeps, 0);
    }
    const QByteArray applied = dataFile("full-run-autoexec.cfg");
    QCOMPARE(game.read("autoexec.cfg"), applied);
    QCOMPARE(game.read("Zentrimo.dll"), players);
    QCOMPARE(game.read("zentrimo.cfg"), applied.mid(applied.indexOf(Banner) + Banner.size()));
    QCOMPARE(game.read("userconfig.cfg"), QByteArray("exec zentrimo.cfg\r\n"));
    QCOMPARE(game.files(), (QStringList{"autoexec.cfg", "userconfig.cfg", "zentrimo-userconfig.added",
                                        "zentrimo.cfg", "Zentrimo.dll"}));

    WizardRun second(game);
    second.show("frmTweak0");
    second.click("frmTweak0", "cmdUninstall");
    QCOMPARE(second.services.exitCode_, std::optional(0));
    QCOMPARE(game.read("autoexec.cfg"), players);
    QCOMPARE(game.files(), QStringList{"autoexec.cfg"});
}

QTEST_MAIN(WizardTests)
