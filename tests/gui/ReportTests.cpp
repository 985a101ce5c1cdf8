// The report of the game's start-up: on the console (zentrimo --report) and in the window that
// "&Check game" opens, both the golden report of a real-format folder, and neither changes a file.
#include "Harness.h"
#include "app/ReportCommand.h"

#include <QApplication>
#include <QClipboard>
#include <QDirIterator>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTest>

#include <filesystem>
#include <map>
#include <sstream>

namespace fs = std::filesystem;

namespace {

const fs::path Golden = fs::path(ZENTRIMO_TEST_DATA) / "report" / "steam-install";

// Every file below a folder with its bytes.
std::map<QString, QByteArray> snapshot(const QString& folder) {
    std::map<QString, QByteArray> files;
    for (QDirIterator entry(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
         entry.hasNext();)
        files[entry.next()] = readFile(entry.filePath());
    return files;
}

} // namespace

class ReportTests : public QObject {
    Q_OBJECT

private slots:
    // A copy of the golden Steam install, in a home without Steam or Wine, as <temp>/steam-install/game;
    // the goldens name the temporary folder DATA.
    void init() {
        m_home.emplace();
        m_data.emplace();
        fs::copy(Golden, fs::path(m_data->path().toStdString()) / "steam-install",
                 fs::copy_options::recursive);
        m_game = m_data->filePath(QStringLiteral("steam-install/game"));
        qputenv("HOME", m_home->path().toLocal8Bit());
        qputenv("WINEPREFIX", m_home->filePath(QStringLiteral("wineprefix")).toLocal8Bit());
        qunsetenv("STEAM_DIR");
        m_before = snapshot(m_game);
    }
    void cleanup() { QCOMPARE(snapshot(m_game), m_before); }

    void theConsoleAnswers_data() {
        QTest::addColumn<QString>("root"); // "game", "none" or "empty folder"
        QTest::addColumn<bool>("json");
        QTest::addColumn<bool>("registered");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("golden"); // what standard output must hold, below the golden folder
        QTest::addColumn<QString>("error");
        QTest::newRow("a folder") << "game" << false << false << 0 << "report.txt"
                                  << "";
        QTest::newRow("the folder the registry names") << "none" << false << true << 0 << "report.txt"
                                                       << "";
        QTest::newRow("a folder without config.cfg")
            << "empty folder" << false << false << 2 << ""
            << "Couldn't find counter-strike config file, try specify another path\n";
        QTest::newRow("no folder anywhere")
            << "none" << true << false << 2 << ""
            << "Half-life root not found, try specify another dir. Or choose another cstrike version\n";
    }
    void theConsoleAnswers() {
        QFETCH(QString, root);
        QFETCH(bool, json);
        QFETCH(bool, registered);
        QFETCH(int, exitCode);
        QFETCH(QString, golden);
        QFETCH(QString, error);
        const QString prefix = m_home->filePath(QStringLiteral("wineprefix"));
        QVERIFY(QDir().mkpath(prefix + QStringLiteral("/dosdevices")));
        QVERIFY(QFile::link(QStringLiteral("/"), prefix + QStringLiteral("/dosdevices/z:")));
        // Windows keeps its registry from one row to the next: every row writes the one it needs.
        QByteArray userReg = "WINE REGISTRY Version 2\n";
        if (registered)
            userReg += "\n[Software\\\\Valve\\\\Half-Life] 1733650000\n\"InstallPath\"=\"" +
                       registeredPath(m_game).toUtf8().replace('\\', "\\\\") + "\"\n";
        useUserRegistry(prefix, userReg);
        std::optional<std::string> given;
        if (root == QLatin1String("game"))
            given = m_game.toStdString();
        else if (root == QLatin1String("empty folder"))
            given = m_home->path().toStdString();
        std::ostringstream out;
        std::ostringstream err;
        QCOMPARE(reportOnConsole(given, json, out, err), exitCode);
        QCOMPARE(QString::fromStdString(err.str()), error);
        QCOMPARE(withDataNamed(out.str()), golden.isEmpty() ? QByteArray() : goldenFile(golden));
    }

    // The program itself, without a window system, as a script runs it: --json reaches the report.
    void theProgramPrintsTheReport() {
#ifdef Q_OS_WIN
        QSKIP("the console pass is the same; starting the program under Wine is the Windows script's job");
#endif
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(ZENTRIMO_PROGRAM),
                      {QStringLiteral("--report"), QStringLiteral("--json"), m_game});
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitCode(), 0);
        QCOMPARE(withDataNamed(program.readAllStandardOutput().toStdString()), goldenFile("report.json"));
        program.start(QStringLiteral(ZENTRIMO_PROGRAM), {QStringLiteral("--report"), m_home->path()});
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitCode(), 2);
        QCOMPARE(program.readAllStandardError(),
                 "Couldn't find counter-strike config file, try specify another path\n");
    }

    // "&Check game" on the first wizard form shows the same report; it copies, and Close goes back.
    void checkGameShowsTheReport() {
        GameFolder unused;
        Program program;
        program.state.gameRoot = m_game.toStdString();
        program.showActive("frmTweak0");
        program.click("frmTweak0", "cmdCheck0");
        Program::settle();
        QCOMPARE(Program::visibleForms(), QStringList{"frmCheck0"});
        const QString report = program.control<QPlainTextEdit>("frmCheck0", "txtReport")->toPlainText();
        QCOMPARE(withDataNamed(report.toStdString()), goldenFile("report.txt"));
        program.click("frmCheck0", "cmdCopy0");
        QCOMPARE(QGuiApplication::clipboard()->text(), report);
        // Enter presses Close.
        QApplication::setActiveWindow(program.form("frmCheck0"));
        QTest::keyClick(program.form("frmCheck0"), Qt::Key_Return);
        Program::settle();
        QCOMPARE(Program::visibleForms(), QStringList{"frmTweak0"});
        QCOMPARE(program.services.messages + program.services.errors, QStringList());
    }

private:
    QByteArray withDataNamed(std::string text) const {
        return QByteArray::fromStdString(text).replace(m_data->path().toUtf8(), "DATA");
    }
    static QByteArray goldenFile(const QString& name) {
        return readFile(QString::fromStdString((Golden / name.toStdString()).string()));
    }

    std::optional<QTemporaryDir> m_home;
    std::optional<QTemporaryDir> m_data;
    QString m_game;
    std::map<QString, QByteArray> m_before;
};

QTEST_MAIN(ReportTests)
#include "ReportTests.moc"
