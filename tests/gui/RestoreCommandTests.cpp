// The restore points on the console: zentrimo --restore-points [--json] and zentrimo --restore ID.
#include "Harness.h"
#include "app/ConsoleOptions.h"
#include "app/RestoreCommand.h"
#include "game/ReportRendering.h"
#include "workspace/RestorePoints.h"
#include "workspace/Sha256.h"
#include "workspace/Workspace.h"

#include <QTemporaryDir>
#include <QTest>

#include <optional>
#include <sstream>

namespace {

const QByteArray Script = "bind w +forward\r\n";
const QByteArray Config = "name \"player\"\r\n";

// A file's entry in the JSON list: its size and checksum, or that it was absent.
std::string fileJson(const std::string& name, const std::optional<QByteArray>& bytes = std::nullopt) {
    const std::string path = "{\"path\": \"cstrike/" + name + "\", ";
    if (!bytes)
        return path + "\"absent\": true}";
    return path + "\"bytes\": " + std::to_string(bytes->size()) + ", \"sha256\": \"" +
           workspace::sha256Hex(bytes->toStdString()) + "\"}";
}

} // namespace

class RestoreCommandTests : public QObject {
    Q_OBJECT

private slots:
    void optionsAreStrict_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("action");
        QTest::addColumn<bool>("json");
        QTest::addColumn<QString>("pointId");
        QTest::addColumn<QString>("error");
        using Action = ConsoleRequest::Action;
        QTest::newRow("the list") << QStringList{"--restore-points"} << int(Action::RestorePoints) << false
                                  << ""
                                  << "";
        QTest::newRow("the list as JSON")
            << QStringList{"--restore-points", "--json", "GAME"} << int(Action::RestorePoints) << true << ""
            << "";
        QTest::newRow("a restore") << QStringList{"--restore", "20261209-195000-123", "GAME"}
                                   << int(Action::Restore) << false << "20261209-195000-123"
                                   << "";
        QTest::newRow("a restore without its point")
            << QStringList{"--restore"} << int(Action::Usage) << false << ""
            << "Missing value after '--restore'.";
        QTest::newRow("--json with a restore")
            << QStringList{"--restore", "x", "--json"} << int(Action::Usage) << false << ""
            << "--json goes only with --report or --restore-points.";
        QTest::newRow("two commands")
            << QStringList{"--report", "--restore-points"} << int(Action::Usage) << false << ""
            << "Give only one of --report, --fix, --restore-points and --restore.";
    }
    void optionsAreStrict() {
        QFETCH(QStringList, arguments);
        QFETCH(int, action);
        QFETCH(bool, json);
        QFETCH(QString, pointId);
        QFETCH(QString, error);
        const ConsoleRequest request = consoleRequest(QStringList{"zentrimo"} + arguments);
        QCOMPARE(int(request.action), action);
        QCOMPARE(request.json, json);
        QCOMPARE(request.pointId, pointId);
        QCOMPARE(request.error, error);
        QCOMPARE(request.gameRoot.has_value(), arguments.contains("GAME"));
    }

    // Apply keeps a point; the list shows it in the JSON's own order; restoring it gives back every byte.
    void listAndRestore() {
        GameFolder game;
        game.write("autoexec.cfg", Script);
        game.write("config.cfg", Config);
        QTemporaryDir data;
        const std::filesystem::path pointsRoot = data.path().toStdString();
        workspace::PrepareWorkspace(game.folder(), {"r_decals \"200\""});
        const QByteArray backup = game.read("Zentrimo.dll");
        const QByteArray workFile = game.read("autoexec.tmp");
        const workspace::RestorePoints points(pointsRoot, workspace::gameScripts(game.folder()));
        workspace::ApplyWorkspace(game.folder(), workspace::FileSteps(), &points);
        const auto listed = points.list();
        QCOMPARE(listed.size(), 1U);
        const std::string id = listed[0].id;
        const std::string time = listed[0].manifest->time;

        std::ostringstream out;
        std::ostringstream err;
        QCOMPARE(restorePointsOnConsole(game.root(), true, environmentOfThisProcess(), pointsRoot, out, err), 0);
        const std::string expected =
            "{\"gameRoot\": " + game::jsonString(game.root()) + ", \"points\": [{\"id\": \"" + id + "\", \"time\": \"" +
            time + "\", \"madeBy\": \"apply\", \"damaged\": false, \"files\": [" +
            fileJson("autoexec.cfg", Script) + ", " + fileJson("config.cfg", Config) + ", " +
            fileJson("userconfig.cfg") + ", " + fileJson("zentrimo.cfg") + ", " +
            fileJson("Zentrimo.dll", backup) + ", " + fileJson("autoexec.tmp", workFile) + ", " +
            fileJson("zentrimo-userconfig.added") + ", " + fileJson("zentrimo-config.before") + "]}]}\n";
        QCOMPARE(out.str(), expected);
        QCOMPARE(err.str(), std::string());

        std::ostringstream restored;
        QCOMPARE(restoreOnConsole(id, game.root(), environmentOfThisProcess(), pointsRoot, restored, err), 0);
        QCOMPARE(restored.str(), "The game's scripts are back as they were at restore point " + id +
                                     ". What they held before is kept as a new restore point.\n");
        QCOMPARE(game.files(), (QStringList{"autoexec.cfg", "autoexec.tmp", "config.cfg", "Zentrimo.dll"}));
        QCOMPARE(game.read("autoexec.cfg"), Script);
        QCOMPARE(game.read("autoexec.tmp"), workFile);
        QCOMPARE(points.list().size(), 2U);
    }

    void refusalsChangeNothing_data() {
        QTest::addColumn<QString>("id");
        QTest::addColumn<bool>("spoil");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("error");
        QTest::newRow("an unknown point") << "20000101-000000-000" << false << 2
                                          << "This game folder has no restore point 20000101-000000-000. "
                                             "Nothing was changed.";
        QTest::newRow("a damaged point") << "" << true << 2 << "Restore point ";
    }
    void refusalsChangeNothing() {
        QFETCH(QString, id);
        QFETCH(bool, spoil);
        QFETCH(int, exitCode);
        QFETCH(QString, error);
        GameFolder game;
        game.write("autoexec.cfg", Script);
        game.write("config.cfg", Config);
        QTemporaryDir data;
        const std::filesystem::path pointsRoot = data.path().toStdString();
        const workspace::RestorePoints points(pointsRoot, workspace::gameScripts(game.folder()));
        std::string pointId = id.toStdString();
        if (spoil) {
            pointId = points.keep(workspace::MadeBy::Apply);
            writeFile(QString::fromStdString((points.folder() / pointId / "autoexec.cfg").string()), "x");
        }
        game.write("autoexec.cfg", "changed\r\n");
        std::ostringstream out;
        std::ostringstream err;
        QCOMPARE(restoreOnConsole(pointId, game.root(), environmentOfThisProcess(), pointsRoot, out, err), exitCode);
        QVERIFY2(QString::fromStdString(err.str()).startsWith(error), err.str().c_str());
        QCOMPARE(out.str(), std::string());
        QCOMPARE(game.read("autoexec.cfg"), QByteArray("changed\r\n"));
    }
};

QTEST_MAIN(RestoreCommandTests)
#include "RestoreCommandTests.moc"
