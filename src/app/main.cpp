#include "app/ConsoleOptions.h"
#include "app/FixCommand.h"
#include "app/ReportCommand.h"
#include "app/RestoreCommand.h"
#include "app/Route.h"
#include "app/Translations.h"
#include "common/CorePath.h"
#include "common/ProcessEnvironment.h"
#include "common/QtServices.h"
#include "common/RunState.h"

#include <QApplication>
#include <QDir>
#include <QLocale>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>

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

// Where the restore points are kept: the player's data folder, read from the environment here alone.
std::filesystem::path restorePointsRoot() {
    const auto variable = [](const char* name) -> std::optional<std::filesystem::path> {
        const QString value = qEnvironmentVariable(name);
        if (value.isEmpty() || !QDir::isAbsolutePath(value))
            return std::nullopt;
#ifdef Q_OS_WIN
        return std::filesystem::path(value.toStdWString());
#else
        // The bytes themselves: a name need not be text in the locale's encoding.
        return std::filesystem::path(qgetenv(name).toStdString());
#endif
    };
#ifdef Q_OS_WIN
    const auto local = variable("LOCALAPPDATA");
    return local ? *local / L"Zentrimo" / L"restore-points" : std::filesystem::path();
#else
    if (const auto data = variable("XDG_DATA_HOME"))
        return *data / "zentrimo" / "restore-points";
    const auto home = variable("HOME");
    return home ? *home / ".local" / "share" / "zentrimo" / "restore-points" : std::filesystem::path();
#endif
}

// The folder as the system gave it: a name that is not text in the system's encoding keeps its bytes.
std::string gameRootArgument(int argc, char* argv[], const QString& given) {
#ifndef Q_OS_WIN
    for (int i = 1; i < argc; ++i)
        if (QString::fromLocal8Bit(argv[i]) == given)
            return argv[i];
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
#endif
    return toCorePath(given);
}

// Answers --help, --version, --report, --fix and any argument it does not know on the console before any
// window system is needed, as desktop programs do, and exits; returns only to open the window.
void answerConsoleOptions(int argc, char* argv[], Translations& translations) {
    const QCoreApplication console(argc, argv);
    ConsoleRequest request = consoleRequest(QCoreApplication::arguments());
    translations.choose(request.language, QLocale::system());
    translations.install();
    // Read again in the chosen language, for what went wrong to be told in it.
    if (request.action == ConsoleRequest::Action::Usage)
        request = consoleRequest(QCoreApplication::arguments());
    switch (request.action) {
    case ConsoleRequest::Action::Window:
        return;
    case ConsoleRequest::Action::Help:
        std::cout << usageText(request).toStdString();
        std::exit(std::cout.flush() ? 0 : 1);
    case ConsoleRequest::Action::Version:
        std::cout << QCoreApplication::applicationName().toStdString() << ' '
                  << QCoreApplication::applicationVersion().toStdString() << '\n';
        std::exit(std::cout.flush() ? 0 : 1);
    case ConsoleRequest::Action::Usage:
        std::cerr << usageText(request).toStdString();
        std::exit(UsageExitCode);
    case ConsoleRequest::Action::Report:
    case ConsoleRequest::Action::Fix:
    case ConsoleRequest::Action::RestorePoints:
    case ConsoleRequest::Action::Restore:
        break;
    }
#ifdef Q_OS_WIN
    writeToTheStartingConsole();
#endif
    const std::optional<std::string> gameRoot =
        request.gameRoot ? std::optional(gameRootArgument(argc, argv, *request.gameRoot)) : std::nullopt;
    const files::Environment environment = environmentOfThisProcess();
    if (request.action == ConsoleRequest::Action::Fix) {
        std::vector<std::string> ids;
        for (const QString& id : request.fixes)
            ids.push_back(id.toStdString());
        std::exit(fixOnConsole(ids, request.dryRun, gameRoot, environment, restorePointsRoot(), std::cout,
                               std::cerr));
    }
    if (request.action == ConsoleRequest::Action::RestorePoints)
        std::exit(restorePointsOnConsole(gameRoot, request.json, environment, restorePointsRoot(), std::cout,
                                         std::cerr));
    if (request.action == ConsoleRequest::Action::Restore)
        std::exit(restoreOnConsole(request.pointId.toStdString(), gameRoot, environment, restorePointsRoot(),
                                   std::cout, std::cerr));
    std::exit(reportOnConsole(gameRoot, environment, request.json, std::cout, std::cerr));
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("Zentrimo"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZENTRIMO_VERSION));
    Translations translations;
    answerConsoleOptions(argc, argv, translations);

    QApplication app(argc, argv);
    translations.install();
    QtServices services;
    RunState state{.environment = environmentOfThisProcess()};
    state.restorePointsRoot = restorePointsRoot();
    // The music lies beside the program.
    Route route(services, state, QCoreApplication::applicationDirPath());
    route.start();
    return QApplication::exec();
}
