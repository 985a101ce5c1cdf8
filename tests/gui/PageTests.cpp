#include "WizardTests.h"

#include "common/FocusRing.h"
#include "wizard/PageSpec.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

namespace {

// What page 1 leaves behind, so that every later page has a workspace to append to.
QByteArray startingWorkspace() {
    return "own line\r\n" + banner();
}

} // namespace

// Every check box and option with the label that asks its question.
void WizardTests::clickingALabelChooses_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("choice");
    for (const wizard::Step& step : wizard::wizardSteps()) {
        const auto* page = std::get_if<wizard::PageSpec>(&step);
        if (const auto* box = page ? std::get_if<wizard::CheckBox>(&page->input) : nullptr)
            QTest::addRow("%s", qPrintable(box->name)) << page->form << box->label.name << box->name;
        if (const auto* group = page ? std::get_if<wizard::OptionGroup>(&page->input) : nullptr)
            for (std::size_t index = 0; index < group->options.size(); ++index) {
                const QString option = group->name + '_' + QString::number(index);
                QTest::newRow(qPrintable(option)) << page->form << group->options[index].label.name << option;
            }
    }
}

void WizardTests::clickingALabelChooses() {
    QFETCH(QString, form);
    QFETCH(QString, label);
    QFETCH(QString, choice);
    GameFolder game;
    Program run(game);
    run.showActive(form);
    auto* question = run.control<QLabel>(form, label);
    auto* control = run.control<QAbstractButton>(form, choice);
    const bool box = qobject_cast<QCheckBox*>(control);
    // Chosen options stay chosen; start from another one.
    if (!box && control->isChecked())
        run.control<QAbstractButton>(form, choice.chopped(1) + (choice.endsWith('0') ? '1' : '0'))->click();
    QVERIFY(!control->isChecked());

    // A press on the label let go elsewhere is no click.
    QTest::mousePress(question, Qt::LeftButton, {}, question->rect().center());
    QTest::mouseRelease(question, Qt::LeftButton, {}, QPoint(-4, -4));
    QVERIFY(!control->isChecked());

    QTest::mouseClick(question, Qt::LeftButton, {}, QPoint(2, question->height() / 2));
    QVERIFY(control->isChecked());
    QCOMPARE(QApplication::focusWidget(), control);
    const auto* ring = run.form(form)->findChild<FocusRing*>();
    QTRY_COMPARE(ring->target(), control);
    QVERIFY(ring->geometry().contains(question->geometry()) &&
            ring->geometry().contains(control->geometry()));
    QTest::mouseClick(question, Qt::LeftButton);
    QCOMPARE(control->isChecked(), !box);
    QCOMPARE(run.services.beeps, 0);
    QCOMPARE(game.files(), QStringList());
}

// Space or Enter on a focused Skip presses Skip, not the page's Next.
void WizardTests::enterOnAFocusedButtonPressesThatButton() {
    GameFolder game;
    game.write("autoexec.tmp", startingWorkspace());
    Program run(game);
    run.showActive("frmTweak3");
    run.control<QAbstractButton>("frmTweak3", "cmdSkip3")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(Program::visibleForms(), QStringList{"frmTweak4"});
    QCOMPARE(game.read("autoexec.tmp"), startingWorkspace());
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

    // The field refuses the minus sign; the page writes it, also before an empty field.
    QTest::newRow("prediction emptied") << "frmInternet4" << QStringList{"txtPre"} << QStringList{""}
                                        << "cmdINext4" << QByteArray("pushlatency \"-\"\r\n") << QString();
}

void WizardTests::typedValues() {
    QFETCH(QString, form);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, typed);
    QFETCH(QString, next);
    QFETCH(QByteArray, lines);
    QFETCH(QString, refusal);
    GameFolder game;
    game.write("autoexec.tmp", startingWorkspace());
    Program run(game);
    run.show(form);
    for (qsizetype i = 0; i < fields.size(); ++i)
        run.retype(form, fields[i], typed[i]);
    run.click(form, next);
    QCOMPARE(game.read("autoexec.tmp"), startingWorkspace() + lines);
    QCOMPARE(run.services.messages, refusal.isEmpty() ? QStringList() : QStringList{refusal});
    QCOMPARE(run.services.beeps, 0);
    if (!refusal.isEmpty()) {
        QCOMPARE(Program::visibleForms(), QStringList{form});
        for (qsizetype i = 0; i < fields.size(); ++i)
            QCOMPARE(run.field(form, fields[i])->text(), typed[i]);
    }
}

void WizardTests::lastOptionChosenWins_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<int>("downKeys");
    QTest::addColumn<QByteArray>("lines");
    QTest::newRow("texture, 4 then 2") << "frmTweak14" << QList<int>{3, 1} << 0
                                       << QByteArray("gl_texturemode \"GL_LINEAR_MIPMAP_NEAREST\"\r\n");
    QTest::newRow("texture, arrow down twice")
        << "frmTweak14" << QList<int>{} << 2 << QByteArray("gl_texturemode \"GL_NEAREST_MIPMAP_LINEAR\"\r\n");
    QTest::newRow("sound, 4 then 2") << "frmSound5" << QList<int>{3, 1} << 0
                                     << QByteArray("loadas8bit \"1\"\r\nhisound \"1\"\r\n");
    QTest::newRow("sound, 2 then 1") << "frmSound5" << QList<int>{1, 0} << 0
                                     << QByteArray("loadas8bit \"1\"\r\nhisound \"0\"\r\n");
    QTest::newRow("sound, 3") << "frmSound5" << QList<int>{2} << 0
                              << QByteArray("loadas8bit \"0\"\r\nhisound \"0\"\r\n");
}

void WizardTests::lastOptionChosenWins() {
    QFETCH(QString, form);
    QFETCH(QList<int>, clicks);
    QFETCH(int, downKeys);
    QFETCH(QByteArray, lines);
    GameFolder game;
    game.write("autoexec.tmp", startingWorkspace());
    Program run(game);
    run.showActive(form);
    const QString group = form == "frmTweak14" ? "optTweak14_" : "optSound5_";
    // Option 0 is drawn chosen, so the screen agrees with what an untouched page writes.
    QVERIFY(run.control<QRadioButton>(form, group + '0')->isChecked());
    for (int index : clicks)
        run.click(form, group + QString::number(index));
    for (int key = 0; key < downKeys; ++key)
        QTest::keyClick(run.form(form)->focusWidget(), Qt::Key_Down);
    run.click(form, form == "frmTweak14" ? "cmdTweak14" : "cmdSNext5");
    QCOMPARE(game.read("autoexec.tmp"), startingWorkspace() + lines);
}

void WizardTests::soundQualityTagIsComparedWholeAndExact_data() {
    QTest::addColumn<QString>("quality");
    QTest::addColumn<QByteArray>("lines");
    QTest::newRow("16-22") << "16-22" << QByteArray("loadas8bit \"0\"\r\nhisound \"1\"\r\n");
    QTest::newRow("trailing blank") << "16-22 " << QByteArray();
    QTest::newRow("start of a tag") << "8-1" << QByteArray();
}

// "&Next" reads the run's state, not the buttons.
void WizardTests::soundQualityTagIsComparedWholeAndExact() {
    QFETCH(QString, quality);
    QFETCH(QByteArray, lines);
    GameFolder game;
    game.write("autoexec.tmp", startingWorkspace());
    Program run(game);
    run.show("frmSound5");
    run.state.soundQuality = quality.toStdString();
    run.click("frmSound5", "cmdSNext5");
    QCOMPARE(game.read("autoexec.tmp"), startingWorkspace() + lines);
}

// Keys that change the page's answer, and the note on today's game before and after them.
void WizardTests::todayNoteFollowsTheChoice_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    const QString defaultIsLast = " The game's own default is the last option.";
    const QString eightBit = "With 8-bit sound (loadas8bit) at 1, expect worse sound.";
    const QString lowSound = "With High-quality sound (hisound) at 0, expect worse sound.";
    const QString washedOut = "With Brightness (brightness) at 2, you may get a washed-out picture.";
    const QString gamma = "Today's game uses 3 for Gamma (gamma), not 4.";
    QTest::newRow("texture mode, last option")
        << "frmTweak14" << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Down} << QString()
        << "With Texture mode (gl_texturemode) at GL_NEAREST_MIPMAP_NEAREST, expect blocky textures." +
               defaultIsLast
        << QString();
    QTest::newRow("gamma 3") << "frmTweak8" << QList<int>{Qt::Key_Tab, Qt::Key_End, Qt::Key_Backspace} << "3"
                             << washedOut + " " + gamma << washedOut;
    QTest::newRow("brightness 1") << "frmTweak8" << QList<int>{Qt::Key_End, Qt::Key_Backspace} << "1"
                                  << washedOut + " " + gamma << gamma;
    QTest::newRow("dynamic lights off") << "frmTweak2" << QList<int>{Qt::Key_Space} << QString() << QString()
                                        << "On a server with more than one slot, bots included, today's game "
                                           "uses 1 for Dynamic lights (r_dynamic), not 0.";
    QTest::newRow("downloads allowed")
        << "frmInternet5" << QList<int>{Qt::Key_Space} << QString()
        << "With Downloads (cl_allowdownload) at 0, expect to be disconnected by "
           "every server running a map or model you lack."
        << QString();
    // The page asks to leave the box cleared where sound stutters: no note warns against either answer.
    QTest::newRow("sound compatibility")
        << "frmSound1" << QList<int>{Qt::Key_Space} << QString() << QString() << QString();
    const QString rateKept = "Right after the scripts, today's game may put back the Rate (rate) it kept at "
                             "its last quit: set it in the game's console while you play, and the game keeps "
                             "that one.";
    const QList<int> clearRate{Qt::Key_End,       Qt::Key_Backspace, Qt::Key_Backspace,
                               Qt::Key_Backspace, Qt::Key_Backspace, Qt::Key_Backspace};
    QTest::newRow("any rate") << "frmInternet3" << clearRate << "5000" << rateKept
                              << "With Rate (rate) at 5000, you may get choke and lag. " + rateKept;
    QTest::newRow("16 bit 22 kHz") << "frmSound5" << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Down}
                                   << QString() << eightBit + " " + lowSound + defaultIsLast << QString();
    QTest::newRow("16 bit 11 kHz") << "frmSound5" << QList<int>{Qt::Key_Down, Qt::Key_Down} << QString()
                                   << eightBit + " " + lowSound + defaultIsLast << lowSound + defaultIsLast;
    QTest::newRow("weapon hidden")
        << "frmTweak3" << QList<int>{Qt::Key_Space} << QString() << QString()
        << "With Weapon model (r_drawviewmodel) at 0, expect no weapon and no reload "
           "cues.";
}

void WizardTests::todayNoteFollowsTheChoice() {
    QFETCH(QString, form);
    QFETCH(QList<int>, keys);
    QFETCH(QString, typed);
    QFETCH(QString, before);
    QFETCH(QString, after);
    GameFolder game;
    Program run(game);
    run.showActive(form);
    const auto* note = run.control<QLabel>(form, "lblToday");
    QCOMPARE(note->text(), before);
    QCOMPARE(note->isVisible(), !before.isEmpty());
    for (int key : keys)
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key));
    QTest::keyClicks(QApplication::focusWidget(), typed);
    QCOMPARE(note->text(), after);
    QCOMPARE(note->isVisible(), !after.isEmpty());
    // A screen reader reads the note as it stands.
    QCOMPARE(note->accessibleName(), after);
    QCOMPARE(game.files(), QStringList());
}
