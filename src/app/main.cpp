#include "app/ReportCommand.h"
#include "app/Route.h"
#include "common/CorePath.h"
#include "common/QtServices.h"
#include "common/RunState.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <cstdlib>
#include <iostream>

#ifdef Q_OS_WIN
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

namespace {

#ifdef Q_OS_WIN
// A program built for windows has no console of its own: the report goes to the one it was started from,
// unless its output already goes to a file or a pipe.
void writeToTheStartingConsole() {
    const auto unset = [](DWORD handle) { return GetFileType(GetStdHandle(handle)) == FILE_TYPE_UNKNOWN; };
    if (!unset(STD_OUTPUT_HANDLE) || !AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    std::freopen("CONOUT$", "w", stdout);
    if (unset(STD_ERROR_HANDLE))
        std::freopen("CONOUT$", "w", stderr);
}
#endif

// Answers --help, --version and --report on the console before any window system is needed, as
// desktop programs do, and exits; leaves every other argument to QApplication.
void answerConsoleOptions(int argc, char* argv[]) {
    const QCoreApplication console(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Tunes Counter-Strike through its start-up script."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption report(
        QStringLiteral("report"),
        QStringLiteral("Prints what the game will use when it starts, and which file sets each setting."));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("With --report: as one JSON object."));
    parser.addOption(report);
    parser.addOption(json);
    parser.addPositionalArgument(
        QStringLiteral("GAMEROOT"),
        QStringLiteral("With --report: the game folder; else the one the start window would find."),
        QStringLiteral("[GAMEROOT]"));
    parser.parse(QCoreApplication::arguments());
    // Qt's own options are the window system's, which this console pass does not load.
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all")))
        parser.showHelp();
    if (parser.isSet(version))
        parser.showVersion();
    if (!parser.isSet(report))
        return;
#ifdef Q_OS_WIN
    writeToTheStartingConsole();
#endif
    const QStringList folders = parser.positionalArguments();
    const std::optional<std::string> gameRoot =
        folders.isEmpty() ? std::nullopt : std::optional(toCorePath(folders.first()));
    std::exit(reportOnConsole(gameRoot, parser.isSet(json), std::cout, std::cerr));
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("Zentrimo"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZENTRIMO_VERSION));
    answerConsoleOptions(argc, argv);

    QApplication app(argc, argv);
    QtServices services;
    RunState state;
    // The music lies beside the program.
    Route route(services, state, QCoreApplication::applicationDirPath());
    route.start();
    return QApplication::exec();
}
