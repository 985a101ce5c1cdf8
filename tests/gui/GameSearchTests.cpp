// Where players have the game, each built as a fake home: "Normal Cstrike" leads to the directory page
// with the game's folder, and "&Next" there on to the wizard.
#include "GameSearchFiles.h"
#include "Harness.h"
#include "app/ReportCommand.h"
#include "common/ProcessEnvironment.h"
#include "location/GamePlaces.h"

#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <sstream>

#include <algorithm>
#include <array>
#include <functional>

namespace fs = std::filesystem;
using namespace registry::test;

namespace {

// Builds a layout in a home whose default Wine prefix is <home>/wineprefix; returns the folder the
// directory page must show.
using Layout = std::function<QString(const fs::path& home)>;

QString unixFolder(const fs::path& folder) {
    return QString::fromStdString(fs::canonical(folder).string());
}

QString nativeSteam(const fs::path& root) {
    return unixFolder(installGame(root));
}

QString steamInPrefix(const fs::path& prefix) {
    return unixFolder(installGame(makeWineSteam(prefix)));
}

const std::array<std::pair<const char*, Layout>, 10> Layouts{{
    {"pre-Steam install, machine-wide key of a 32-bit installer",
     [](const fs::path& home) {
         const fs::path game = home / "Sierra/Half-Life";
         fs::create_directories(game / "cstrike");
         writeFile(game / "cstrike/config.cfg", "name \"player\"\n");
         const fs::path prefix = home / "wineprefix";
         fs::create_directories(prefix / "dosdevices");
         fs::create_directory_symlink("/", prefix / "dosdevices/z:");
         const std::string windowsPath = onDriveZ(game);
         writeFile(prefix / "system.reg", std::string(WineHeader) +
                                              "\n[Software\\\\Wow6432Node\\\\Valve\\\\Half-Life] 1702035678\n"
                                              "\"InstallPath\"=\"" +
                                              escapedBackslashes(windowsPath) + "\"\n");
         // Shown and confirmed as the player knows the folder on Linux.
         return unixFolder(game);
     }},
    {"native Steam, a second library with STEAMAPPS in capitals",
     [](const fs::path& home) {
         const fs::path root = home / ".local/share/Steam";
         const fs::path second = home / "Games/SteamLibrary";
         writeFile(root / "steamapps/libraryfolders.vdf", libraryFolders({root.string(), second.string()}));
         return unixFolder(installGame(second, {.steamApps = "STEAMAPPS"}));
     }},
    {"Snap's hidden folder",
     [](const fs::path& home) { return nativeSteam(home / ".snap/data/steam/common/.local/share/Steam"); }},
    {"Steam for Windows in $WINEPREFIX",
     [](const fs::path& home) { return steamInPrefix(home / "wineprefix"); }},
    {"Steam for Windows in ~/.wine", [](const fs::path& home) { return steamInPrefix(home / ".wine"); }},
    {"Lutris", [](const fs::path& home) { return steamInPrefix(home / "Games/steam"); }},
    {"Bottles",
     [](const fs::path& home) { return steamInPrefix(home / ".local/share/bottles/bottles/Gaming"); }},
    {"Bottles from Flatpak",
     [](const fs::path& home) {
         return steamInPrefix(home / ".var/app/com.usebottles.bottles/data/bottles/bottles/Gaming");
     }},
    {"Steam for Windows, a library on D: in the old list, the main library's copy not installed",
     [](const fs::path& home) {
         const fs::path prefix = home / ".wine";
         const fs::path steam = makeWineSteam(prefix);
         installGame(steam, {.stateFlags = "1"});
         fs::create_directories(home / "disk");
         fs::create_directory_symlink(home / "disk", prefix / "dosdevices/d:");
         writeFile(steam / "steamapps/libraryfolders.vdf", oldLibraryFolders({"D:\\SteamLibrary"}));
         return unixFolder(installGame(home / "disk/SteamLibrary", {.appId = "10"}));
     }},
    {"Steam for Windows, a library on Z: in the current list",
     [](const fs::path& home) {
         const fs::path steam = makeWineSteam(home / "Games/steam");
         writeFile(steam / "steamapps/libraryfolders.vdf",
                   libraryFolders({"C:\\Program Files (x86)\\Steam", onDriveZ(home / "Library")}));
         return unixFolder(installGame(home / "Library"));
     }},
}};

} // namespace

class GameSearchTests : public QObject {
    Q_OBJECT

private slots:
    void normalCstrikeLeadsToTheGameAndOnToTheWizard_data() {
        QTest::addColumn<int>("layout");
        for (std::size_t index = 0; index < Layouts.size(); ++index)
            QTest::newRow(Layouts[index].first) << static_cast<int>(index);
    }
    // The picker is offered the library the folder page found the game in, wherever Steam is.
    void normalCstrikeLeadsToTheGameAndOnToTheWizard() {
        QFETCH(int, layout);
        QTemporaryDir home;
        const fs::path homePath = fs::canonical(home.path().toStdString());
        qputenv("HOME", QByteArray::fromStdString(homePath.string()));
        qputenv("WINEPREFIX", QByteArray::fromStdString((homePath / "wineprefix").string()));
        qunsetenv("STEAM_DIR");
        const QString folder = Layouts[static_cast<std::size_t>(layout)].second(homePath);

        Program program;
        program.startAndReveal();
        program.click("frmMain", "optVersion_1");
        program.click("frmMain", "cmdNext1");
        QVERIFY(Program::shown("frmDir") && !Program::shown("frmMain"));
        QCOMPARE(program.field("frmDir", "txtDir")->text(), folder);
        program.click("frmDir", "cmdNext2");
        QVERIFY(Program::shown("frmTweak0") && !Program::shown("frmDir"));
        QCOMPARE(QString::fromStdString(program.state.gameFolder.given()), folder);
        QCOMPARE(program.services.messages, QStringList());

        const QList<Drive> places = gamePlaces(environmentOfThisProcess());
        const bool offered = std::any_of(places.begin(), places.end(), [&](const Drive& place) {
            return place.label.startsWith(QLatin1String("Steam library")) &&
                   folder.startsWith(place.root + QLatin1Char('/'));
        });
        QCOMPARE(offered, folder.contains(QLatin1String("/steamapps/common/"), Qt::CaseInsensitive));
    }

    // A registry that cannot be read is not taken for one without the game, by the folder page and the
    // console alike.
    void anUnreadableRegistryIsShownAsAnError() {
        QTemporaryDir home;
        const fs::path homePath = fs::canonical(home.path().toStdString());
        qputenv("HOME", QByteArray::fromStdString(homePath.string()));
        qputenv("WINEPREFIX", QByteArray::fromStdString((homePath / "wineprefix").string()));
        qunsetenv("STEAM_DIR");
        fs::create_directories(homePath / "wineprefix/user.reg");

        Program program;
        program.startAndReveal();
        program.click("frmMain", "optVersion_0");
        program.click("frmMain", "cmdNext1");
        QVERIFY(Program::shown("frmDir"));
        QCOMPARE(program.field("frmDir", "txtDir")->text(), QString());
        QCOMPARE(
            program.services.errors,
            QStringList("Error 1011: the registry could not be read.\nHalf-life root not found, try specify "
                        "another dir. Or choose another cstrike version"));
        QCOMPARE(program.services.messages, QStringList());

        std::ostringstream out;
        std::ostringstream error;
        QCOMPARE(reportOnConsole(std::nullopt, environmentOfThisProcess(), false, out, error), 2);
        QCOMPARE(QString::fromStdString(error.str()), program.services.errors.value(0) + QLatin1Char('\n'));
        QCOMPARE(out.str(), std::string());
    }
};

QTEST_MAIN(GameSearchTests)
#include "GameSearchTests.moc"
