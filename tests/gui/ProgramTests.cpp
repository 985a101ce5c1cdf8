#include "DimList.h"
#include "FakeServices.h"
#include "FrmMain.h"
#include "LocationForms.h"
#include "MusicLoop.h"
#include "PageSpec.h"
#include "WindowChain.h"
#include "Wizard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray readFile(const QString& path) {
    QFile in(path);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile out(path);
    QVERIFY(out.open(QIODevice::WriteOnly));
    QCOMPARE(out.write(bytes), bytes.size());
}

QByteArray dataFile(const QString& name) {
    return readFile(QStringLiteral(ZENTRIMO_TEST_DATA "/wizard/") + name);
}

// The whole program as main() wires it, over music files of its own and recording services.
struct Program {
    explicit Program(const QString& musicFolder) {
        addLocationForms(chain, services, dims);
        addWizardForms(chain, services, dims);
        addMainForm(chain, services, dims, musicFolder);
    }

    QWidget* visible(const QString& form) {
        QWidget* shown = chain.existing(form);
        return shown && shown->isVisible() ? shown : nullptr;
    }
    void click(const QString& form, const QString& button) {
        QWidget* shown = visible(form);
        QVERIFY2(shown, qPrintable(form + " is not on screen"));
        auto* target = shown->findChild<QAbstractButton*>(button);
        QVERIFY2(target && target->isVisible(), qPrintable(form + '.' + button));
        QTest::mouseClick(target, Qt::LeftButton);
    }
    // Starts the program, waits out the animation, picks "Normal Cstrike" and confirms the folder
    // that the registry proposes.
    void openWizard() {
        chain.show(QStringLiteral("frmMain"));
        auto* frmMain = qobject_cast<FrmMain*>(chain.existing(QStringLiteral("frmMain")));
        for (int tick = 0; tick < 4; ++tick)
            frmMain->revealStep();
        click("frmMain", "optVersion_1");
        click("frmMain", "cmdNext1");
        click("frmDir", "cmdNext2");
        QVERIFY(visible("frmTweak0"));
        QVERIFY(services.messages.isEmpty());
    }

    FakeServices services;
    DimList dims;
    WindowChain chain{services};
};

} // namespace

// From the start window to the finish page and back out with Uninstall, on a game that a Wine
// registry knows by its Windows path.
class ProgramTests : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(m_music.isValid() && m_prefix.isValid() && m_game.isValid() && m_home.isValid());
        for (const char* file : MusicFiles)
            writeFile(m_music.filePath(QLatin1String(file)), {});
        QVERIFY(QDir(m_game.path()).mkpath(QStringLiteral("Half-Life/cstrike")));
        writeFile(cstrike("config.cfg"), "name \"Player\"\r\n");

        // Wine reaches the Unix root through drive Z: and writes install paths in that form.
        QVERIFY(QDir(m_prefix.path()).mkdir(QStringLiteral("dosdevices")));
        QVERIFY(QFile::link(QStringLiteral("/"), m_prefix.filePath(QStringLiteral("dosdevices/z:"))));
        const QByteArray windowsPath =
            "Z:" + QDir(m_game.path()).filePath(QStringLiteral("Half-Life")).toUtf8().replace('/', "\\\\");
        writeFile(m_prefix.filePath(QStringLiteral("user.reg")),
                  "WINE REGISTRY Version 2\n;; All keys relative to \\\\User\\\\S-1-5-21-1-2-3-1000\n\n"
                  "#arch=win32\n\n[Software\\\\Valve\\\\Half-Life] 1733650000\n#time=1db4a1b2c3d4e5f\n"
                  "\"InstallPath\"=\"" +
                      windowsPath + "\"\n");
        qputenv("WINEPREFIX", m_prefix.path().toLocal8Bit());
        qputenv("HOME", m_home.path().toLocal8Bit());
        qputenv("STEAM_DIR", m_home.path().toLocal8Bit());
    }

    void runToTheFinishThenUninstall() {
        const QByteArray players = dataFile("player-autoexec.cfg");
        writeFile(cstrike("autoexec.cfg"), players);
        {
            Program program(m_music.path());
            program.openWizard();
            QVERIFY(program.dims.GameRoot.starts_with("Z:\\"));
            for (const QString& button : pressesToTheFinish())
                program.click(formOf(button), button);
            QVERIFY(program.visible("frmFinish0"));
            program.services.answers = {true};
            program.click("frmFinish0", "cmdQuitEnd");
            QCOMPARE(program.services.questions, QStringList{"Do you want to apply settings before quit?"});
            QCOMPARE(program.services.exitCode_, std::optional<int>(0));
        }
        QCOMPARE(readFile(cstrike("autoexec.cfg")), players + dataFile("untouched-run-autoexec.tmp"));
        QCOMPARE(readFile(cstrike("Zentrimo.dll")), players);
        QVERIFY(!QFile::exists(cstrike("autoexec.tmp")));

        Program again(m_music.path());
        again.openWizard();
        again.click("frmTweak0", "cmdUninstall");
        QCOMPARE(again.services.messages, QStringList{"Tweak have been succesfully uninstalled"});
        QCOMPARE(again.services.exitCode_, std::optional<int>(0));
        QCOMPARE(readFile(cstrike("autoexec.cfg")), players);
        QCOMPARE(QDir(cstrike({})).entryList(QDir::Files), (QStringList{"autoexec.cfg", "config.cfg"}));
    }

private:
    QString cstrike(const QString& file) const {
        return m_game.filePath(QStringLiteral("Half-Life/cstrike/") + file);
    }

    // Every enter button and every "&Next", in the order the player meets them.
    static QStringList pressesToTheFinish() {
        QStringList presses;
        const std::vector<wizard::SectionSpec> sections = wizard::sectionPages();
        const std::vector<std::vector<wizard::PageSpec>> families{
            wizard::videoPages(), wizard::soundPages(), wizard::networkPages(), wizard::miscPages()};
        for (std::size_t section = 0; section < families.size(); ++section) {
            presses << sections.at(section).enterButton->name;
            for (const wizard::PageSpec& page : families[section])
                presses << page.nextButton;
        }
        return presses;
    }
    // The one form on screen that has the button.
    static QString formOf(const QString& button) {
        for (const QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible() && window->findChild<QAbstractButton*>(button))
                return window->objectName();
        return QStringLiteral("<no visible form has %1>").arg(button);
    }

    QTemporaryDir m_music;
    QTemporaryDir m_prefix;
    QTemporaryDir m_game;
    QTemporaryDir m_home;
};

QTEST_MAIN(ProgramTests)
#include "ProgramTests.moc"
