// The report of the game's start-up: on the console (zentrimo --report) and in the window that
// "&Check game" opens, both the golden report of a real-format folder, and neither changes a file.
#include "Harness.h"
#include "app/ReportCommand.h"
#include "common/ProcessEnvironment.h"

#include <QApplication>
#include <QClipboard>
#include <QDirIterator>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
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
            << "HOME holds no cstrike/config.cfg: it is not the game's folder. Give the Half-Life folder that "
               "holds cstrike.\n";
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
        QCOMPARE(reportOnConsole(given, environmentOfThisProcess(), json, out, err), exitCode);
        QCOMPARE(QString::fromStdString(err.str()).replace(m_home->path(), "HOME"), error);
        QCOMPARE(withDataNamed(out.str()), golden.isEmpty() ? QByteArray() : goldenFile(golden));
    }

    // The program itself, without a window system, as a script runs it. GAME stands for the game folder,
    // HOME for one without the game, BYTES for a copy of the game in a folder whose name is not UTF-8.
    void theProgramAnswers_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("fullDisk"); // standard output goes to /dev/full
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output"); // a golden file below the golden folder, or the text itself
        QTest::addColumn<QString>("error");  // how standard error begins
        const QString usage = "\nUsage: ";
        QTest::newRow("--json reaches the report")
            << QStringList{"--report", "--json", "GAME"} << false << 0 << "report.json"
            << "";
        QTest::newRow("Qt's own options are the window's")
            << QStringList{"-platform", "offscreen", "--report", "GAME"} << false << 0 << "report.txt"
            << "";
        QTest::newRow("a folder without the game")
            << QStringList{"--report", "HOME"} << false << 2 << ""
            << "HOME holds no cstrike/config.cfg: it is not the game's folder.";
        QTest::newRow("a folder name that is not UTF-8")
            << QStringList{"--report", "BYTES"} << false << 0 << "Start-up of the game in DATA/\\xff\n"
            << "";
        QTest::newRow("a full disk") << QStringList{"--report", "GAME"} << true << 1 << ""
                                     << "The report could not be written.\n";
        QTest::newRow("an unknown option") << QStringList{"--bogus"} << false << 64 << ""
                                           << "Unknown option 'bogus'." + usage;
        QTest::newRow("--json alone") << QStringList{"--json", "GAME"} << false << 64 << ""
                                      << "--json goes only with --report." + usage;
        QTest::newRow("a folder without --report") << QStringList{"GAME"} << false << 64 << ""
                                                   << "A game folder goes only with --report: ";
        QTest::newRow("two folders") << QStringList{"--report", "GAME", "GAME"} << false << 64 << ""
                                     << "--report takes one game folder, not 2." + usage;
        QTest::newRow("the version") << QStringList{"--version"} << false << 0
                                     << "Zentrimo " ZENTRIMO_VERSION "\n"
                                     << "";
    }
    void theProgramAnswers() {
#ifdef Q_OS_WIN
        QSKIP("the console pass is the same; starting the program under Wine is the Windows script's job");
#endif
        QFETCH(QStringList, arguments);
        QFETCH(bool, fullDisk);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QFETCH(QString, error);
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        program.setProcessEnvironment(environment);
        if (fullDisk)
            program.setStandardOutputFile(QStringLiteral("/dev/full"));
        arguments.replaceInStrings(QRegularExpression("^GAME$"), m_game);
        arguments.replaceInStrings(QRegularExpression("^HOME$"), m_home->path());
        QString bytes;
        // Qt cannot name what it would remove.
        const auto removeBytes = qScopeGuard([&bytes] {
            if (!bytes.isEmpty())
                QProcess::execute("sh", {"-c", "rm -r \"$(printf \"$0\")\"", bytes});
        });
        if (arguments.contains(QStringLiteral("BYTES"))) {
            // QProcess would pass a name as UTF-8: the shell makes the byte.
            bytes = m_data->filePath(QStringLiteral("\\377"));
            QVERIFY(QProcess::execute(
                        "sh", {"-c", "cp -R \"$0\" \"$(printf \"$1\")\" && chmod -R u+w \"$(printf \"$1\")\"",
                               m_game, bytes}) == 0);
            program.start("sh", {"-c", "exec \"$0\" --report \"$(printf \"$1\")\"", ZENTRIMO_PROGRAM, bytes});
        } else {
            program.start(QStringLiteral(ZENTRIMO_PROGRAM), arguments);
        }
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitCode(), exitCode);
        const QByteArray printed = withDataNamed(program.readAllStandardOutput().toStdString());
        if (output.endsWith(QLatin1String(".txt")) || output.endsWith(QLatin1String(".json")))
            QCOMPARE(printed, goldenFile(output));
        else
            QVERIFY2(output.isEmpty() ? printed.isEmpty() : printed.startsWith(output.toUtf8()), printed);
        const QString complaint =
            QString::fromUtf8(program.readAllStandardError()).replace(m_home->path(), "HOME");
        QVERIFY2(error.isEmpty() ? complaint.isEmpty() : complaint.startsWith(error), qPrintable(complaint));
    }

    // "&Check game" on the first wizard form shows the same report; it copies, and Close goes back.
    void checkGameShowsTheReport() {
        GameFolder unused;
        Program program;
        program.state.gameFolder =
            files::GameFolder(m_game.toStdString(), environmentOfThisProcess().winePrefixInUse());
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
