// The report of the game's start-up: on the console (zentrimo --report) and in the window that
// "&Check game" opens, both the golden report of a real-format folder, and neither changes a file.
#include "Harness.h"
#include "app/FixCommand.h"
#include "app/ReportCommand.h"
#include "common/ProcessEnvironment.h"
#include "workspace/RestorePoints.h"

#include <QApplication>
#include <QClipboard>
#include <QDirIterator>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScreen>
#include <QTableWidget>
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
         entry.hasNext();) {
        // The path first: an index and its value are read in no set order.
        const QString path = entry.next();
        files[path] = readFile(path);
    }
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

    // --fix on a copy of the tampered golden folder: an unknown id and a preview change nothing; all its
    // fixes leave the report with nothing to fix and every other byte as it was.
    void theConsoleFixesATamperedFolder() {
        const fs::path tampered = fs::path(m_data->path().toStdString()) / "tampering";
        fs::copy(fs::path(ZENTRIMO_TEST_DATA) / "report" / "tampering" / "game", tampered,
                 fs::copy_options::recursive);
        const QString root = QString::fromStdString(tampered.generic_string());
        const auto before = snapshot(root);
        const fs::path points = fs::path(m_home->path().toStdString()) / "points";
        std::ostringstream unknown;
        std::ostringstream unknownError;
        QCOMPARE(fixOnConsole({"tampering-cstrike/config.cfg-5", "nope"}, false, root.toStdString(), environmentOfThisProcess(), points,
                              unknown, unknownError),
                 2);
        QCOMPARE(unknownError.str(),
                 "The report proposes no fix nope; zentrimo --report --json lists them.\n");
        QCOMPARE(snapshot(root), before);

        std::ostringstream preview;
        std::ostringstream previewError;
        QCOMPARE(fixOnConsole({"all"}, true, root.toStdString(), environmentOfThisProcess(), points, preview, previewError), 0);
        const std::string dryRun = "Nothing was changed (--dry-run).\n";
        QVERIFY(preview.str().starts_with("--- cstrike/config.cfg\n+++ cstrike/config.cfg\n@@ line 5 @@\n"
                                          "-bind \"F1\" \"connect 203.0.113.7:27015\"\n"));
        QVERIFY(preview.str().ends_with(dryRun));
        QCOMPARE(snapshot(root), before);

#ifndef Q_OS_WIN
        {
            // The game running from the folder: refused, and nothing changes.
            fs::copy_file("/bin/sleep", tampered / "hl_linux");
            QProcess game;
            game.start(QString::fromStdString((tampered / "hl_linux").string()), {"30"});
            QVERIFY(game.waitForStarted());
            std::ostringstream refused;
            std::ostringstream refusedError;
            QCOMPARE(fixOnConsole({"all"}, false, root.toStdString(), environmentOfThisProcess(), points, refused, refusedError), 3);
            QVERIFY(QString::fromStdString(refusedError.str()).startsWith("The game is running from "));
            game.kill();
            game.waitForFinished();
            fs::remove(tampered / "hl_linux");
            QCOMPARE(snapshot(root), before);
        }
#endif
        std::ostringstream applied;
        std::ostringstream appliedError;
        QCOMPARE(fixOnConsole({"all"}, false, root.toStdString(), environmentOfThisProcess(), points, applied, appliedError), 0);
        QCOMPARE(applied.str(), preview.str().substr(0, preview.str().size() - dryRun.size()) +
                                    "Applied 7 fixes. The report now proposes no fix.\n");
        auto expected = before;
        expected[root + "/cstrike/config.cfg"] =
            "// This file is overwritten whenever you change your user settings in the game.\n"
            "// Add custom configurations to the file \"userconfig.cfg\".\n\nunbindall\nbind \"w\" \"+forward\"\n"
            "cl_allowdownload \"0\"\ncl_filterstuffcmd \"1\"\ngamma \"2.2\"\nrate \"100000\"\nexec userconfig.cfg\n";
        expected[root + "/cstrike/autoexec.cfg"] = "// added by a server\n";
        expected[root + "/cstrike/userconfig.cfg"] = "";
        QCOMPARE(snapshot(root), expected);
        // Only the fix that changed something kept a point, and it holds the files as they were.
        const workspace::RestorePoints kept(points, workspace::gameScripts(files::GameFolder(root.toStdString(), {})));
        const auto listed = kept.list();
        QCOMPARE(listed.size(), std::size_t(1));
        QCOMPARE(listed[0].manifest->madeBy, workspace::MadeBy::Fix);
        QCOMPARE(kept.restore(listed[0].id, false), workspace::RestoreOutcome::Restored);
        QCOMPARE(snapshot(root), before);
    }

    // The program itself, without a window system, as a script runs it. GAME stands for the game folder,
    // HOME for one without the game, BYTES for a copy of the game in a folder whose name is not UTF-8.
    void theProgramAnswers_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("fullDisk"); // standard output goes to /dev/full
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output"); // a golden file below the golden folder, or the text itself
        QTest::addColumn<QString>("error");  // how standard error begins
        QTest::addColumn<QString>("lang");   // LANG, alone of the locale's variables; none: as the test's
        const QString usage = "\nUsage: ";
        QTest::newRow("--json reaches the report")
            << QStringList{"--report", "--json", "GAME"} << false << 0 << "report.json"
            << "" << QString();
        QTest::newRow("Qt's own options are the window's")
            << QStringList{"-platform", "offscreen", "--report", "GAME"} << false << 0 << "report.txt"
            << "" << QString();
        QTest::newRow("a folder without the game")
            << QStringList{"--report", "HOME"} << false << 2 << ""
            << "HOME holds no cstrike/config.cfg: it is not the game's folder." << QString();
        QTest::newRow("a folder name that is not UTF-8")
            << QStringList{"--report", "BYTES"} << false << 0 << "Start-up of the game in DATA/\\xff\n"
            << "" << QString();
        QTest::newRow("a full disk") << QStringList{"--report", "GAME"} << true << 1 << ""
                                     << "The report could not be written.\n"
                                     << QString();
        QTest::newRow("an unknown option") << QStringList{"--bogus"} << false << 64 << ""
                                           << "Unknown option 'bogus'." + usage << QString();
        QTest::newRow("--json alone")
            << QStringList{"--json", "GAME"} << false << 64 << ""
            << "--json goes only with --report or --restore-points." + usage << QString();
        QTest::newRow("a folder without --report")
            << QStringList{"GAME"} << false << 64 << ""
            << "A game folder goes only with --report, --fix, --restore-points or --restore: " << QString();
        QTest::newRow("two folders") << QStringList{"--report", "GAME", "GAME"} << false << 64 << ""
                                     << "Give one game folder, not 2." + usage << QString();
        QTest::newRow("--dry-run alone") << QStringList{"--dry-run", "GAME"} << false << 64 << ""
                                         << "--dry-run goes only with --fix." + usage << QString();
        QTest::newRow("--fix with --report")
            << QStringList{"--fix", "all", "--report", "GAME"} << false << 64 << ""
            << "Give only one of --report, --fix, --restore-points and --restore." + usage << QString();
        QTest::newRow("--fix with an unknown id")
            << QStringList{"--fix", "nope", "GAME"} << false << 2 << ""
            << "The report proposes no fix nope; zentrimo --report --json lists them.\n"
            << QString();
        QTest::newRow("--fix all --dry-run changes nothing")
            << QStringList{"--fix", "all", "--dry-run", "GAME"} << false << 0
            << "--- cstrike/autoexec.cfg\n+++ cstrike/autoexec.cfg\n@@ line 2 @@\n-gamma \"2.5\"\n"
            << "" << QString();
        QTest::newRow("an unknown language")
            << QStringList{"--lang", "xx"} << false << 64 << ""
            << "There is no language xx; give one of en, es, pl, pt_BR, ru, tr, uk." + usage << QString();
        // The translations' own words are the translators' to check; Qt's come with it.
        QTest::newRow("the system's language") << QStringList{"--bogus"} << false << 64 << ""
                                               << "Неизвестный параметр «bogus»."
                                               << "ru_RU.UTF-8";
        QTest::newRow("a language it does not speak is English")
            << QStringList{"--bogus"} << false << 64 << ""
            << "Unknown option 'bogus'." + usage << "de_DE.UTF-8";
        QTest::newRow("--lang over the system's")
            << QStringList{"--lang", "en", "--bogus"} << false << 64 << ""
            << "Unknown option 'bogus'." + usage << "ru_RU.UTF-8";
        QTest::newRow("the version") << QStringList{"--version"} << false << 0
                                     << "Zentrimo " ZENTRIMO_VERSION "\n"
                                     << "" << QString();
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
        QFETCH(QString, lang);
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (!lang.isEmpty()) {
            for (const char* overriding : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
                environment.remove(QString::fromLatin1(overriding));
            environment.insert(QStringLiteral("LANG"), lang);
        }
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

    // frmCheck0 on a tampered folder: the signs of tampering first, each fix with a check box; "Fix chosen"
    // shows the lines and asks first, and after Yes the problems are gone; the settings filter; the scripts
    // in the order they run; the window within the screen, resizable, its buttons inside it.
    void theCheckWindowFixesWhatItShows() {
        const fs::path tampered = fs::path(m_data->path().toStdString()) / "tampering";
        fs::copy(fs::path(ZENTRIMO_TEST_DATA) / "report" / "tampering" / "game", tampered,
                 fs::copy_options::recursive);
        Program program;
        program.state.gameFolder = files::GameFolder(tampered.generic_string(), {});
        program.showActive("frmTweak0");
        program.click("frmTweak0", "cmdCheck0");
        Program::settle();
        QWidget* window = program.form("frmCheck0");
        const QRect screen = window->screen()->availableGeometry();
        QVERIFY(window->width() <= screen.width() && window->height() <= screen.height());
        QVERIFY(window->minimumWidth() < window->maximumWidth());
        for (const char* name : {"cmdCopy0", "cmdClose0"}) {
            const auto* button = program.control<QPushButton>("frmCheck0", name);
            QVERIFY(window->rect().contains(QRect(button->mapTo(window, QPoint()), button->size())));
        }

        auto* problems = program.control<QListWidget>("frmCheck0", "lstProblems0");
        QCOMPARE(
            problems->item(0)->text(),
            "cstrike/config.cfg holds 2 lines after exec userconfig.cfg, where the game writes none, and a "
            "server may have added them: take them out.");
        int fixes = 0;
        for (int row = 0; row < problems->count(); ++row)
            if (problems->item(row)->flags() & Qt::ItemIsUserCheckable) {
                problems->item(row)->setCheckState(Qt::Checked);
                ++fixes;
            }
        QCOMPARE(fixes, 7);
        QCOMPARE(
            problems->item(problems->count() - 1)->text(),
            "cstrike/config.cfg line 9: With Downloads (cl_allowdownload) at 0, expect to be disconnected by "
            "every server running a map or model you lack.");

        auto* filter = program.control<QLineEdit>("frmCheck0", "txtFilter0");
        auto* settings = program.control<QTableWidget>("frmCheck0", "tblSettings0");
        QTest::keyClicks(filter, "GAMMA");
        QStringList shownRows;
        for (int row = 0; row < settings->rowCount(); ++row)
            if (!settings->isRowHidden(row))
                shownRows << settings->item(row, 0)->text() + " " + settings->item(row, 1)->text() + " " +
                                 settings->item(row, 2)->text();
        QCOMPARE(shownRows, QStringList{"gamma 2.2 cstrike/config.cfg line 11"});
        QCOMPARE(program.control<QListWidget>("frmCheck0", "lstScripts0")->item(2)->text(),
                 "3. cstrike/config.cfg, run by the game");

        program.services.answers = {false};
        program.click("frmCheck0", "cmdFix0");
        QCOMPARE(program.services.questions.size(), 1);
        QVERIFY(
            program.services.details.first().startsWith("--- cstrike/config.cfg\n+++ cstrike/config.cfg\n"));
        QCOMPARE(readFile(QString::fromStdString((tampered / "cstrike" / "autoexec.cfg").string())),
                 "// added by a server\nconnect 203.0.113.7:27015\n");
        program.services.answers = {true};
        program.click("frmCheck0", "cmdFix0");
        QCOMPARE(readFile(QString::fromStdString((tampered / "cstrike" / "autoexec.cfg").string())),
                 "// added by a server\n");
        for (int row = 0; row < problems->count(); ++row)
            QVERIFY2(!(problems->item(row)->flags() & Qt::ItemIsUserCheckable),
                     qPrintable(problems->item(row)->text()));
        QVERIFY(program.services.errors.isEmpty());
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
        QByteArray golden = readFile(QString::fromStdString((Golden / name.toStdString()).string()));
#ifdef Q_OS_WIN
        // Windows keeps the rate in a registry the program reads, and this one holds none.
        golden.replace(
            "the game may put back the rate it kept in its own store at its last quit, which this "
            "program cannot read: a rate set in a script may not take effect",
            "the Windows registry (HKEY_CURRENT_USER\\Software\\Valve\\Steam, Rate) holds no rate: "
            "the scripts' rate holds, and the game keeps it there when it quits");
        golden.replace("{\"kind\": \"unknown\", \"store\": \"its own store\", \"value\": null}",
                       "{\"kind\": \"none\", \"store\": \"the Windows registry (HKEY_CURRENT_USER\\\\Software"
                       "\\\\Valve\\\\Steam, Rate)\", \"value\": null}");
#endif
        return golden;
    }

    std::optional<QTemporaryDir> m_home;
    std::optional<QTemporaryDir> m_data;
    QString m_game;
    std::map<QString, QByteArray> m_before;
};

QTEST_MAIN(ReportTests)
#include "ReportTests.moc"
