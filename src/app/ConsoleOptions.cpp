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
    QCommandLineOption json{QStringLiteral("json"), QStringLiteral("With --report: as one JSON object.")};
    QCommandLineOption fix{
        QStringLiteral("fix"),
        QStringLiteral("Applies the report's fix ID (again for more, or all), and prints the "
                       "lines it changes. The JSON report lists the ids."),
        QStringLiteral("ID")};
    QCommandLineOption dryRun{
        QStringLiteral("dry-run"),
        QStringLiteral("With --fix: prints the lines it would change, and changes nothing.")};

    Parser() {
        parser.setApplicationDescription(QStringLiteral("Tunes Counter-Strike through its start-up script."));
        // -platform is one option, not -p -l -a ...
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOptions({help, version, report, json, fix, dryRun});
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
                "With --report or --fix: the game folder; else the one the start window would find."),
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
    const bool report = p.parser.isSet(p.report);
    const bool fix = p.parser.isSet(p.fix);
    if (report && fix)
        return usage(QStringLiteral("--report and --fix go one at a time."));
    if (!report && p.parser.isSet(p.json))
        return usage(QStringLiteral("--json goes only with --report."));
    if (!fix && p.parser.isSet(p.dryRun))
        return usage(QStringLiteral("--dry-run goes only with --fix."));
    if (!report && !fix && !words.isEmpty())
        return usage(QStringLiteral("A game folder goes only with --report or --fix: %1").arg(words.first()));
    if (words.size() > 1)
        return usage(QStringLiteral("Give one game folder, not %1.").arg(words.size()));
    const std::optional<QString> gameRoot = words.isEmpty() ? std::nullopt : std::optional(words.first());
    if (fix)
        return {.action = ConsoleRequest::Action::Fix,
                .fixes = p.parser.values(p.fix),
                .dryRun = p.parser.isSet(p.dryRun),
                .gameRoot = gameRoot};
    if (!report)
        return {};
    return {.action = ConsoleRequest::Action::Report, .json = p.parser.isSet(p.json), .gameRoot = gameRoot};
}

QString usageText(const ConsoleRequest& request) {
    Parser p;
    return (request.error.isEmpty() ? QString() : request.error + '\n') + p.parser.helpText();
}
