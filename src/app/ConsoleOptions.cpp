#include "app/ConsoleOptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <array>

namespace {

// Qt's window-system options that take a value, and those that take none (QGuiApplication, QApplication).
constexpr std::array<const char*, 11> QtValueOptions{
    "platform",    "platformpluginpath", "platformtheme", "plugin",     "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "style",         "stylesheet", "session",
    "display"};
constexpr std::array<const char*, 3> QtFlagOptions{"reverse", "widgetcount", "nograb"};

struct Parser {
    QCommandLineParser parser;
    QCommandLineOption help{QStringList{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Displays help on the command line options.")};
    QCommandLineOption version{QStringList{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Displays version information.")};
    QCommandLineOption report{
        QStringLiteral("report"),
        QStringLiteral("Prints what the game will use when it starts, and which file sets each setting.")};
    QCommandLineOption fix{
        QStringLiteral("fix"),
        QStringLiteral("Applies the report's fix ID (again for more, or all), and prints the "
                       "lines it changes. The JSON report lists the ids."),
        QStringLiteral("ID")};
    QCommandLineOption dryRun{
        QStringLiteral("dry-run"),
        QStringLiteral("With --fix: prints the lines it would change, and changes nothing.")};
    QCommandLineOption restorePoints{
        QStringLiteral("restore-points"),
        QStringLiteral("Lists the restore points of the game folder, newest first: one is kept before "
                       "every change.")};
    QCommandLineOption restore{QStringLiteral("restore"),
                               QStringLiteral("Puts the game's scripts back as restore point ID holds them."),
                               QStringLiteral("ID")};
    QCommandLineOption json{QStringLiteral("json"),
                            QStringLiteral("With --report or --restore-points: as one JSON object.")};

    Parser() {
        parser.setApplicationDescription(QStringLiteral("Tunes Counter-Strike through its start-up script."));
        // -platform is one option, not -p -l -a ...
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOptions({help, version, report, fix, dryRun, restorePoints, restore, json});
        for (const char* name : QtValueOptions) {
            QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
            option.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(option);
        }
        for (const char* name : QtFlagOptions) {
            QCommandLineOption option(QString::fromLatin1(name), QString());
            option.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(option);
        }
        parser.addPositionalArgument(
            QStringLiteral("GAMEROOT"),
            QStringLiteral(
                "With --report, --fix, --restore-points or --restore: the game folder; else the one "
                "the start window would find."),
            QStringLiteral("[GAMEROOT]"));
    }
};

ConsoleRequest usage(QString error) {
    return {.action = ConsoleRequest::Action::Usage, .error = std::move(error)};
}

} // namespace

ConsoleRequest consoleRequest(const QStringList& arguments) {
    Parser p;
    if (!p.parser.parse(arguments))
        return usage(p.parser.errorText());
    if (p.parser.isSet(p.help))
        return {.action = ConsoleRequest::Action::Help};
    if (p.parser.isSet(p.version))
        return {.action = ConsoleRequest::Action::Version};
    const QStringList words = p.parser.positionalArguments();
    const bool fix = p.parser.isSet(p.fix);
    const int commands = int(p.parser.isSet(p.report)) + int(fix) + int(p.parser.isSet(p.restorePoints)) +
                         int(p.parser.isSet(p.restore));
    if (commands > 1)
        return usage(QStringLiteral("Give only one of --report, --fix, --restore-points and --restore."));
    const bool listing = p.parser.isSet(p.report) || p.parser.isSet(p.restorePoints);
    if (!listing && p.parser.isSet(p.json))
        return usage(QStringLiteral("--json goes only with --report or --restore-points."));
    if (!fix && p.parser.isSet(p.dryRun))
        return usage(QStringLiteral("--dry-run goes only with --fix."));
    if (commands == 0 && !words.isEmpty())
        return usage(
            QStringLiteral("A game folder goes only with --report, --fix, --restore-points or --restore: %1")
                .arg(words.first()));
    if (words.size() > 1)
        return usage(QStringLiteral("Give one game folder, not %1.").arg(words.size()));
    if (commands == 0)
        return {};
    ConsoleRequest request{.action = ConsoleRequest::Action::Report,
                           .json = p.parser.isSet(p.json),
                           .gameRoot = words.isEmpty() ? std::nullopt : std::optional(words.first())};
    if (fix) {
        request.action = ConsoleRequest::Action::Fix;
        request.fixes = p.parser.values(p.fix);
        request.dryRun = p.parser.isSet(p.dryRun);
    }
    if (p.parser.isSet(p.restorePoints))
        request.action = ConsoleRequest::Action::RestorePoints;
    if (p.parser.isSet(p.restore)) {
        request.action = ConsoleRequest::Action::Restore;
        request.pointId = p.parser.value(p.restore);
    }
    return request;
}

QString usageText(const ConsoleRequest& request) {
    Parser p;
    return (request.error.isEmpty() ? QString() : request.error + '\n') + p.parser.helpText();
}
