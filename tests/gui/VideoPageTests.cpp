#include "WizardTests.h"

#include <QCheckBox>
#include <QRadioButton>

namespace {

// What page 1 leaves behind, so that every later page has a workspace to append to.
const QByteArray StartingWorkspace = "own line\r\n" + Banner;

} // namespace

void WizardTests::pageOneBuildsWorkspace_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("lines");
    QTest::newRow("next") << "cmdTweak1"
                          << "200" << QByteArray("r_decals \"200\"\r\n");
    QTest::newRow("next, leading zeros") << "cmdTweak1"
                                         << "007" << QByteArray("r_decals \"007\"\r\n");
    QTest::newRow("next, emptied") << "cmdTweak1"
                                   << "" << QByteArray("r_decals \"\"\r\n");
    QTest::newRow("skip") << "cmdSkip1"
                          << "999" << QByteArray();
}

void WizardTests::pageOneBuildsWorkspace() {
    QFETCH(QString, button);
    QFETCH(QString, typed);
    QFETCH(QByteArray, lines);
    GameFolder game;
    WizardRun run(game);
    run.show("frmTweak1");
    run.retype("frmTweak1", "txtDecals", typed);
    run.click("frmTweak1", button);
    QCOMPARE(game.read("autoexec.tmp"), Banner + lines);
    QCOMPARE(game.read("autoexec.cfg"), QByteArray());
    QCOMPARE(game.read("Zentrimo.dll"), QByteArray());
    QCOMPARE(WizardRun::visibleForms(), QStringList{"frmTweak2"});
}

void WizardTests::untouchedNextAndSkip_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("next");
    QTest::addColumn<QByteArray>("lines");
    QTest::newRow("2") << "frmTweak2"
                       << "cmdNext2" << QByteArray("r_dynamic \"1\"\r\n");
    QTest::newRow("3") << "frmTweak3"
                       << "cmdNext3" << QByteArray("r_drawviewmodel \"1\"\r\n");
    QTest::newRow("4") << "frmTweak4"
                       << "cmdNext4" << QByteArray("gl_keeptjunctions \"1\"\r\n");
    QTest::newRow("5") << "frmTweak5"
                       << "cmdNext5" << QByteArray("r_shadows \"1\"\r\n");
    QTest::newRow("6") << "frmTweak6"
                       << "cmdNext6" << QByteArray("gl_texsort \"1\"\r\n");
    QTest::newRow("7") << "frmTweak7"
                       << "cmdTweak7" << QByteArray("gl_polyoffset \"4\"\r\n");
    QTest::newRow("8") << "frmTweak8"
                       << "cmdTweak8" << QByteArray("brightness \"2\"\r\ngamma \"4\"\r\n");
    QTest::newRow("9") << "frmTweak9"
                       << "cmdNext9" << QByteArray("texgamma \"2\"\r\nlightgamma \"2.5\"\r\n");
    QTest::newRow("10") << "frmTweak10"
                        << "cmdTweak10" << QByteArray("cl_himodels \"1\"\r\n");
    QTest::newRow("11") << "frmTweak11"
                        << "cmdtweak11" << QByteArray("gl_picmip \"0\"\r\n");
    QTest::newRow("12") << "frmTweak12"
                        << "cmdTweak12" << QByteArray("gl_ztrick \"0\"\r\n");
    QTest::newRow("13") << "frmTweak13"
                        << "cmdTweak13" << QByteArray("gl_d3dflip \"0\"\r\n");
    QTest::newRow("14") << "frmTweak14"
                        << "cmdTweak14" << QByteArray("gl_texturemode \"GL_NEAREST_MIPMAP_NEAREST\"\r\n");
}

void WizardTests::untouchedNextAndSkip() {
    QFETCH(QString, form);
    QFETCH(QString, next);
    QFETCH(QByteArray, lines);
    const QString skip = "cmdSkip" + form.mid(QStringLiteral("frmTweak").size());
    for (const QString& button : {next, skip}) {
        GameFolder game;
        game.write("autoexec.tmp", StartingWorkspace);
        WizardRun run(game);
        run.show(form);
        run.click(form, button);
        QCOMPARE(game.read("autoexec.tmp"), StartingWorkspace + (button == next ? lines : QByteArray()));
        QCOMPARE(game.files(), QStringList{"autoexec.tmp"});
        QVERIFY(run.services.messages.isEmpty());
    }
}

void WizardTests::tickedBoxes_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("next");
    QTest::addColumn<QByteArray>("line");
    // Pages asking to switch something off write "0" for a tick; pages 12 and 13 switch on.
    QTest::newRow("2") << "frmTweak2"
                       << "check2"
                       << "cmdNext2" << QByteArray("r_dynamic \"0\"\r\n");
    QTest::newRow("3") << "frmTweak3"
                       << "check3"
                       << "cmdNext3" << QByteArray("r_drawviewmodel \"0\"\r\n");
    QTest::newRow("4") << "frmTweak4"
                       << "check4"
                       << "cmdNext4" << QByteArray("gl_keeptjunctions \"0\"\r\n");
    QTest::newRow("5") << "frmTweak5"
                       << "check5"
                       << "cmdNext5" << QByteArray("r_shadows \"0\"\r\n");
    QTest::newRow("6") << "frmTweak6"
                       << "check6"
                       << "cmdNext6" << QByteArray("gl_texsort \"0\"\r\n");
    QTest::newRow("10") << "frmTweak10"
                        << "check10"
                        << "cmdTweak10" << QByteArray("cl_himodels \"0\"\r\n");
    QTest::newRow("12") << "frmTweak12"
                        << "check12"
                        << "cmdTweak12" << QByteArray("gl_ztrick \"1\"\r\n");
    QTest::newRow("13") << "frmTweak13"
                        << "check13"
                        << "cmdTweak13" << QByteArray("gl_d3dflip \"1\"\r\n");
}

void WizardTests::tickedBoxes() {
    QFETCH(QString, form);
    QFETCH(QString, box);
    QFETCH(QString, next);
    QFETCH(QByteArray, line);
    GameFolder game;
    game.write("autoexec.tmp", StartingWorkspace);
    WizardRun run(game);
    QWidget* page = run.show(form);
    // The box has the focus when the page shows, so Space ticks it.
    QCOMPARE(page->focusWidget(), run.control(form, box));
    QTest::keyClick(page->focusWidget(), Qt::Key_Space);
    QVERIFY(run.control<QCheckBox>(form, box)->isChecked());
    run.click(form, next);
    QCOMPARE(game.read("autoexec.tmp"), StartingWorkspace + line);
}

void WizardTests::typedValues_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("next");
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<QString>("refusal");
    const QString offset = "Poly-Offset Must be between -25 and 25";
    const auto polyOffset = [&](const char* row, const QString& typed, const QByteArray& lines) {
        QTest::newRow(row) << "frmTweak7" << QStringList{"txtTweak7"} << QStringList{typed} << "cmdTweak7"
                           << lines << (lines.isEmpty() ? offset : QString());
    };
    polyOffset("offset 24", "24", "gl_polyoffset \"24\"\r\n");
    polyOffset("offset -24", "-24", "gl_polyoffset \"-24\"\r\n");
    polyOffset("offset -05", "-05", "gl_polyoffset \"-05\"\r\n");
    polyOffset("offset 25", "25", {});
    polyOffset("offset -25", "-25", {});
    polyOffset("offset empty", "", {});
    polyOffset("offset lone minus", "-", {});
    polyOffset("offset two minuses", "--5", {});
    polyOffset("offset trailing minus", "5-", {});
    polyOffset("offset inner minus", "2-4", {});

    const QString brightness = "Brightness must be under 4 and over 0";
    const QString gamma = "Gamma must be under 4 and over 0";
    const auto brightGamma = [&](const char* row, const QString& b, const QString& g, const QByteArray& lines,
                                 const QString& refusal) {
        QTest::newRow(row) << "frmTweak8" << QStringList{"txtBright", "txtGamma"} << QStringList{b, g}
                           << "cmdTweak8" << lines << refusal;
    };
    brightGamma("4 and 4", "4", "4", "brightness \"4\"\r\ngamma \"4\"\r\n", {});
    brightGamma("0 and 0", "0", "000", "brightness \"0\"\r\ngamma \"000\"\r\n", {});
    brightGamma("brightness 5", "5", "1", {}, brightness);
    brightGamma("both too high", "5", "9", {}, brightness);
    brightGamma("gamma 10", "2", "10", {}, gamma);
    brightGamma("brightness empty", "", "4", {}, brightness);
    brightGamma("gamma empty", "4", "", {}, gamma);

    QTest::newRow("gammas emptied") << "frmTweak9" << QStringList{"txtTGamma", "txtLGamma"}
                                    << QStringList{"", ""} << "cmdNext9"
                                    << QByteArray("texgamma \"\"\r\nlightgamma \"\"\r\n") << QString();
    QTest::newRow("gammas as typed") << "frmTweak9" << QStringList{"txtTGamma", "txtLGamma"}
                                     << QStringList{"3", "..1"} << "cmdNext9"
                                     << QByteArray("texgamma \"3\"\r\nlightgamma \"..1\"\r\n") << QString();

    const QString picMip = "Pic mip must be between 0 and 10";
    const auto mip = [&](const char* row, const QString& typed, const QByteArray& lines) {
        QTest::newRow(row) << "frmTweak11" << QStringList{"txtMip"} << QStringList{typed} << "cmdtweak11"
                           << lines << (lines.isEmpty() ? picMip : QString());
    };
    mip("pic mip 10", "10", "gl_picmip \"10\"\r\n");
    mip("pic mip 00", "00", "gl_picmip \"00\"\r\n");
    mip("pic mip 11", "11", {});
    mip("pic mip empty", "", {});
}

void WizardTests::typedValues() {
    QFETCH(QString, form);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, typed);
    QFETCH(QString, next);
    QFETCH(QByteArray, lines);
    QFETCH(QString, refusal);
    GameFolder game;
    game.write("autoexec.tmp", StartingWorkspace);
    WizardRun run(game);
    run.show(form);
    for (qsizetype i = 0; i < fields.size(); ++i)
        run.retype(form, fields[i], typed[i]);
    run.click(form, next);
    QCOMPARE(game.read("autoexec.tmp"), StartingWorkspace + lines);
    QCOMPARE(run.services.messages, refusal.isEmpty() ? QStringList() : QStringList{refusal});
    QCOMPARE(run.services.beeps, 0);
    if (!refusal.isEmpty()) {
        QCOMPARE(WizardRun::visibleForms(), QStringList{form});
        for (qsizetype i = 0; i < fields.size(); ++i)
            QCOMPARE(run.field(form, fields[i])->text(), typed[i]);
    }
}

void WizardTests::textureMode_data() {
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<int>("downKeys");
    QTest::addColumn<QByteArray>("value");
    QTest::newRow("untouched") << QList<int>{} << 0 << QByteArray("GL_NEAREST_MIPMAP_NEAREST");
    QTest::newRow("bottom option") << QList<int>{3} << 0 << QByteArray("GL_LINEAR_MIPMAP_LINEAR");
    QTest::newRow("last click wins") << QList<int>{3, 1} << 0 << QByteArray("GL_LINEAR_MIPMAP_NEAREST");
    QTest::newRow("arrow down twice") << QList<int>{} << 2 << QByteArray("GL_NEAREST_MIPMAP_LINEAR");
}

void WizardTests::textureMode() {
    QFETCH(QList<int>, clicks);
    QFETCH(int, downKeys);
    QFETCH(QByteArray, value);
    GameFolder game;
    game.write("autoexec.tmp", StartingWorkspace);
    WizardRun run(game);
    run.showActive("frmTweak14");
    QWidget* page = run.chain.form("frmTweak14");
    // Option 0 is drawn chosen, so the screen agrees with what an untouched page writes.
    QVERIFY(run.control<QRadioButton>("frmTweak14", "optTweak14_0")->isChecked());
    for (int index : clicks)
        run.click("frmTweak14", "optTweak14_" + QString::number(index));
    for (int key = 0; key < downKeys; ++key)
        QTest::keyClick(page->focusWidget(), Qt::Key_Down);
    QCOMPARE(QByteArray::fromStdString(run.dims.TextureMode), value);
    run.click("frmTweak14", "cmdTweak14");
    QCOMPARE(game.read("autoexec.tmp"), StartingWorkspace + "gl_texturemode \"" + value + "\"\r\n");
}
