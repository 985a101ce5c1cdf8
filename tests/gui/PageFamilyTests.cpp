#include "DimList.h"
#include "FakeServices.h"
#include "WindowChain.h"
#include "Wizard.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using Labels = QList<QPair<QString, QString>>;

const QByteArray ownLines = "// written before the sound section\r\nr_decals \"200\"\r\n";

QByteArray crlfLines(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

QStringList numbered(const QString& prefix, int count) {
    QStringList names;
    for (int number = 1; number <= count; ++number)
        names << prefix + QString::number(number);
    return names;
}

// The wizard over a game folder whose workspace file already holds some lines.
struct WizardRun {
    WizardRun() {
        QDir(game.path()).mkdir("cstrike");
        QFile file(workspacePath());
        if (file.open(QIODevice::WriteOnly))
            file.write(ownLines);
        dims.GameRoot = QDir::toNativeSeparators(game.path()).toStdString();
        addWizardForms(chain, services, dims);
    }

    QString workspacePath() const { return game.filePath("cstrike/autoexec.tmp"); }
    QByteArray workspace() const {
        QFile file(workspacePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no workspace file)");
    }
    bool visible(const QString& form) const {
        return chain.existing(form) && chain.existing(form)->isVisible();
    }
    template <class Control> Control* control(const QString& form, const QString& name) {
        return chain.form(form)->findChild<Control*>(name);
    }
    bool click(const QString& form, const QString& button) {
        auto* target = control<QPushButton>(form, button);
        if (target)
            QTest::mouseClick(target, Qt::LeftButton);
        return target;
    }

    QTemporaryDir game;
    FakeServices services;
    DimList dims;
    WindowChain chain{services};
};

} // namespace

class PageFamilyTests : public QObject {
    Q_OBJECT

private slots:
    void walkingASectionWritesInPageOrder_data();
    void walkingASectionWritesInPageOrder();
    void lastQualityClickedChoosesTheLines_data();
    void lastQualityClickedChoosesTheLines();
    void qualityTagIsComparedWholeAndExact_data();
    void qualityTagIsComparedWholeAndExact();
    void keysOnTheInputDecideTheLine_data();
    void keysOnTheInputDecideTheLine();
    void pagesShowTheirTexts_data();
    void pagesShowTheirTexts();
};

void PageFamilyTests::walkingASectionWritesInPageOrder_data() {
    QTest::addColumn<QStringList>("forms"); // the section's pages, then the page after them
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QStringList>("appended");

    const QStringList sound = numbered("frmSound", 5) << "frmInternet0";
    const QStringList network = numbered("frmInternet", 6) << "frmMisc0";
    const QStringList misc = numbered("frmMisc", 5) << "frmFinish0";
    QTest::newRow("sound, Next untouched")
        << sound << numbered("cmdSNext", 5)
        << QStringList{R"(_snd_mixahead "0.2")", R"(s_a3d "1")",      R"(s_eax "1")",
                       R"(s_reverb "1")",        R"(loadas8bit "1")", R"(hisound "0")"};
    QTest::newRow("sound, Skip") << sound << numbered("cmdSSkip", 5) << QStringList{};
    QTest::newRow("network, Next untouched")
        << network << numbered("cmdINext", 6)
        << QStringList{R"(fps_modem "33")",    R"(fps_lan "45")",         R"(rate "25000")",
                       R"(pushlatency "-40")", R"(cl_allowdownload "0")", R"(cl_allowupload "0")"};
    QTest::newRow("network, Skip") << network << numbered("cmdISkip", 6) << QStringList{};
    QTest::newRow("misc, Next untouched")
        << misc << numbered("cmdMNext", 5)
        << QStringList{R"(r_mmx "0")", R"(m_filter "0")", R"(scr_conspeed "3000")", R"(joystick "1")",
                       "firstperson"};
    QTest::newRow("misc, Skip (2 and 5 too)") << misc << numbered("cmdMSkip", 5) << QStringList{};
}

void PageFamilyTests::walkingASectionWritesInPageOrder() {
    QFETCH(QStringList, forms);
    QFETCH(QStringList, buttons);
    QFETCH(QStringList, appended);

    WizardRun run;
    run.chain.show(forms.first());
    for (int page = 0; page < buttons.size(); ++page) {
        QVERIFY2(run.click(forms[page], buttons[page]), qPrintable(forms[page] + " has no " + buttons[page]));
        QVERIFY2(!run.visible(forms[page]), qPrintable(forms[page] + " stayed on screen"));
        QVERIFY2(run.visible(forms[page + 1]), qPrintable(forms[page + 1] + " was not shown"));
    }
    QCOMPARE(run.workspace(), ownLines + crlfLines(appended));
}

void PageFamilyTests::lastQualityClickedChoosesTheLines_data() {
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QStringList>("lines");

    const auto row = [](const char* name, QList<int> clicks, QString tag, QString bits8, QString hi) {
        QTest::newRow(name) << clicks << tag
                            << QStringList{"loadas8bit \"" + bits8 + '"', "hisound \"" + hi + '"'};
    };
    row("none: 8 Bit 11 kHz", {}, "8-11", "1", "0");
    row("8 Bit 22 kHz", {1}, "8-22", "1", "1");
    row("16 Bit 11 kHz", {2}, "16-11", "0", "0");
    row("16 Bit 22 kHz", {3}, "16-22", "0", "1");
    row("16/22, then 8/22", {3, 1}, "8-22", "1", "1");
    row("8/22, then 8/11", {1, 0}, "8-11", "1", "0");
}

void PageFamilyTests::lastQualityClickedChoosesTheLines() {
    QFETCH(QList<int>, clicks);
    QFETCH(QString, tag);
    QFETCH(QStringList, lines);

    WizardRun run;
    run.chain.show("frmSound5");
    for (int index : clicks) {
        auto* option = run.control<QRadioButton>("frmSound5", "optSound5_" + QString::number(index));
        QVERIFY(option);
        QTest::keyClick(option, Qt::Key_Space);
    }
    QCOMPARE(QString::fromStdString(run.dims.SoundQuality), tag);
    QVERIFY(run.click("frmSound5", "cmdSNext5"));
    QCOMPARE(run.workspace(), ownLines + crlfLines(lines));
}

void PageFamilyTests::qualityTagIsComparedWholeAndExact_data() {
    QTest::addColumn<QString>("quality");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("16-22") << "16-22" << QStringList{R"(loadas8bit "0")", R"(hisound "1")"};
    QTest::newRow("trailing blank") << "16-22 " << QStringList{};
    QTest::newRow("start of a tag") << "8-1" << QStringList{};
}

// "&Next" reads the shared variable, not the buttons.
void PageFamilyTests::qualityTagIsComparedWholeAndExact() {
    QFETCH(QString, quality);
    QFETCH(QStringList, lines);

    WizardRun run;
    run.chain.show("frmSound5");
    run.dims.SoundQuality = quality.toStdString();
    QVERIFY(run.click("frmSound5", "cmdSNext5"));
    QCOMPARE(run.workspace(), ownLines + crlfLines(lines));
}

void PageFamilyTests::keysOnTheInputDecideTheLine_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("next");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("keys"); // "\b" is the backspace key
    QTest::addColumn<int>("beeps");
    QTest::addColumn<QString>("line");

    const auto row = [](const char* name, QString form, QString next, QString input, QString keys, int beeps,
                        QString line) {
        QTest::newRow(name) << form << next << input << keys << beeps << line;
    };
    // Space ticks a box.
    row("maximum performance", "frmSound1", "cmdSNext1", "checkS1", " ", 0, R"(_snd_mixahead "0.1")");
    row("disable A3D", "frmSound2", "cmdSNext2", "checkS2", " ", 0, R"(s_a3d "0")");
    row("disable EAX", "frmSound3", "cmdSNext3", "checkS3", " ", 0, R"(s_eax "0")");
    row("disable reverb", "frmSound4", "cmdSNext4", "checkS4", " ", 0, R"(s_reverb "0")");
    row("allow download", "frmInternet5", "cmdINext5", "checkI5", " ", 0, R"(cl_allowdownload "1")");
    row("allow upload", "frmInternet6", "cmdINext6", "checkI6", " ", 0, R"(cl_allowupload "1")");
    row("enable MMX", "frmMisc1", "cmdMNext1", "checkM1", " ", 0, R"(r_mmx "1")");
    row("mouse filtering", "frmMisc2", "cmdMNext2", "checkM2", " ", 0, R"(m_filter "1")");
    row("disable joystick", "frmMisc4", "cmdMNext4", "checkM4", " ", 0, R"(joystick "0")");
    row("third person", "frmMisc5", "cmdMNext5", "checkM5", " ", 0, "thirdperson");

    row("emptied modem", "frmInternet1", "cmdINext1", "txtMmf", "\b\b", 0, R"(fps_modem "")");
    row("emptied prediction", "frmInternet4", "cmdINext4", "txtPre", "\b\b", 0, R"(pushlatency "-")");
    row("emptied console", "frmMisc3", "cmdMNext3", "txtConsole", "\b\b\b\b", 0, R"(scr_conspeed "")");
    row("prediction 150", "frmInternet4", "cmdINext4", "txtPre", "\b\b150", 0, R"(pushlatency "-150")");
    row("minus refused", "frmInternet4", "cmdINext4", "txtPre", "-", 1, R"(pushlatency "-40")");
    // A letter, a blank, a minus, a period and a comma, then one digit more than the field holds.
    row("modem", "frmInternet1", "cmdINext1", "txtMmf", "a -.,\b\b12345", 6, R"(fps_modem "1234")");
    row("LAN", "frmInternet2", "cmdINext2", "txtLmf", "a -.,\b\b00450", 6, R"(fps_lan "0045")");
    row("rate", "frmInternet3", "cmdINext3", "txtRate", "a -.,\b\b\b\b\b1234567", 6, R"(rate "123456")");
    row("prediction", "frmInternet4", "cmdINext4", "txtPre", "a -.,\b\b99999", 6, R"(pushlatency "-9999")");
    row("console", "frmMisc3", "cmdMNext3", "txtConsole", "a -.,\b\b\b\b60000", 6, R"(scr_conspeed "6000")");
}

void PageFamilyTests::keysOnTheInputDecideTheLine() {
    QFETCH(QString, form);
    QFETCH(QString, next);
    QFETCH(QString, input);
    QFETCH(QString, keys);
    QFETCH(int, beeps);
    QFETCH(QString, line);

    WizardRun run;
    run.chain.show(form);
    auto* control = run.control<QWidget>(form, input);
    QVERIFY(control);
    QTest::keyClicks(control, keys);
    QCOMPARE(run.services.beeps, beeps);
    QVERIFY(run.click(form, next));
    QCOMPARE(run.workspace(), ownLines + crlfLines({line}));
}

void PageFamilyTests::pagesShowTheirTexts_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<Labels>("labels");

    // Every page has a heading (Label1) and a Label4 beside its input.
    const auto row = [](const char* form, QString caption, QString heading, QString label4,
                        Labels more = {}) {
        QTest::newRow(form) << caption << Labels{{"Label1", heading}, {"Label4", label4}} + more;
    };
    row("frmSound1", "Zentrimo 1/5", "Sound Compatibility ",
        "Use maximum performance sound? (unchecked means maximum compatibility)");
    row("frmSound2", "Zentrimo 2/5", "A3D", "Disable A3D?");
    row("frmSound3", "Zentrimo 3/5", "EAX ", "Disable EAX?");
    row("frmSound4", "Zentrimo 4/5", "Reverb", "Disable reverb?");
    row("frmSound5", "Zentrimo 5/5", "Sound quality ", "8 Bit 11 kHz ",
        {{"Label3", "8 Bit 22 kHz (high quality)"},
         {"Label5", "16 Bit 11 kHz"},
         {"Label6", "16 Bit 22 kHz (high quality) "}});
    row("frmInternet1", "Zentrimo 1/6", "Maximum modem framerate ",
        "Max modem framerate:", {{"Label3", "Non-modem users should not be concerned with this command."}});
    row("frmInternet2", "Zentrimo 2/6", "Maximum LAN framerate ", "Max LAN framerate:");
    row("frmInternet3", "Zentrimo 3/6", "Rate", "Rate:");
    row("frmInternet4", "Zentrimo 4/6", "Prediction",
        "Push Lantency:", {{"Label3", "-"}, {"Label5", "(You can't type minus, it is typed by default)"}});
    row("frmInternet5", "Zentrimo", "Allow download", "Allow downloading of decals, maps, and models.?");
    row("frmInternet6", "Zentrimo 6/6", "Allow upload ", "Allow uploading of decals, maps, and models.");
    row("frmMisc1", "Zentrimo 1/5", "MMX ", "Enable MMX support?");
    row("frmMisc2", "Zentrimo 2/5", "Mouse filtering ", "Enable mouse filtering?");
    row("frmMisc3", "Zentrimo 3/5", "Console speed ", "Console speed:");
    row("frmMisc4", "Zentrimo 4/5", "Joystick", "Disable Joystick and gain performance.?");
    row("frmMisc5", "Zentrimo 5/5", "Third person view ", "Use third person view.?",
        {{"Label3", "Third person view:"}, {"Label5", "First person view:"}});
}

void PageFamilyTests::pagesShowTheirTexts() {
    QFETCH(QString, caption);
    QFETCH(Labels, labels);
    const QString form = QTest::currentDataTag();

    WizardRun run;
    run.chain.show(form);
    QCOMPARE(run.chain.existing(form)->windowTitle(), caption);
    for (const auto& [name, text] : labels) {
        auto* label = run.control<QLabel>(form, name);
        QVERIFY2(label, qPrintable(form + " has no " + name));
        QCOMPARE(label->text(), text);
    }
}

QTEST_MAIN(PageFamilyTests)
#include "PageFamilyTests.moc"
