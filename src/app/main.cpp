#include "app/Route.h"
#include "common/QtServices.h"
#include "common/RunState.h"

#include <QApplication>
#include <QCommandLineParser>

namespace {

// Answers --help and --version on the console before any window system is needed, as desktop
// programs do, and exits; leaves every other argument to QApplication.
void answerConsoleOptions(int argc, char* argv[]) {
    const QCoreApplication console(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Tunes Counter-Strike through its start-up script."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.parse(QCoreApplication::arguments());
    // Qt's own options are the window system's, which this console pass does not load.
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all")))
        parser.showHelp();
    if (parser.isSet(version))
        parser.showVersion();
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
