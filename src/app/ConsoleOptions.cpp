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
    Q_DECLARE_TR_FUNCTIONS(ConsoleOptions)

public:
    QCommandLineParser parser;
    QCommandLineOption help{QStringList{QStringLiteral("h"), QStringLiteral("help")},
                            tr("Displays help on the command line options.")};
    QCommandLineOption version{QStringList{QStringLiteral("v"), QStringLiteral("version")},
                               tr("Displays version information.")};
    QCommandLineOption report{
        QStringLiteral("report"),
        tr("Prints what the game will use when it starts, and which file sets each setting.")};
    QCommandLineOption fix{QStringLiteral("fix"),
                           tr("Applies the report's fix ID (again for more, or all), and prints the "
                              "lines it changes. The JSON report lists the ids."),
                           tr("ID")};
    QCommandLineOption dryRun{QStringLiteral("dry-run"),
                              tr("With --fix: prints the lines it would change, and changes nothing.")};
    QCommandLineOption restorePoints{
        QStringLiteral("restore-points"),
        tr("Lists the restore points of the game folder, newest first: one is kept before "
           "every change.")};
    QCommandLineOption restore{QStringLiteral("restore"),
                               tr("Puts the game's scripts back as restore point ID holds them."), tr("ID")};
    QCommandLineOption json{QStringLiteral("json"),
                            tr("With --report or --restore-points: as one JSON object.")};
    QCommandLineOption language{
        QStringLiteral("lang"),
        tr("Shows the program in language CODE: %1.").arg(languageCodes().join(QStringLiteral(", "))),
        tr("CODE")};

    Parser() {
        parser.setApplicationDescription(tr("Tunes Counter-Strike through its start-up script."));
        // -platform is one option, not -p -l -a ...
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOptions({help, version, report, fix, dryRun, restorePoints, restore, json, language});
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
            tr("With --report, --fix, --restore-points or --restore: the game folder; else the one "
               "the start window would find."),
            tr("[GAMEROOT]"));
    }
};

ConsoleRequest usage(QString error) {
    return {.action = ConsoleRequest::Action::Usage, .error = std::move(error)};
}

} // namespace

QStringList languageCodes() {
    return {QStringLiteral("en"), QStringLiteral("es"), QStringLiteral("pl"), QStringLiteral("pt_BR"),
            QStringLiteral("ru"), QStringLiteral("tr"), QStringLiteral("uk")};
}

ConsoleRequest consoleRequest(const QStringList& arguments) {
    Parser p;
    const bool parsed = p.parser.parse(arguments);
    // Read first: what went wrong is told in the language asked for.
    std::optional<QString> language;
    if (p.parser.isSet(p.language)) {
        language = p.parser.value(p.language);
        if (!languageCodes().contains(*language))
            return usage(Parser::tr("There is no language %1; give one of %2.")
                             .arg(*language, languageCodes().join(QStringLiteral(", "))));
    }
    if (!parsed) {
        ConsoleRequest refused = usage(p.parser.errorText());
        refused.language = language;
        return refused;
    }
    if (p.parser.isSet(p.help))
        return {.action = ConsoleRequest::Action::Help, .language = language};
    if (p.parser.isSet(p.version))
        return {.action = ConsoleRequest::Action::Version, .language = language};
    const QStringList words = p.parser.positionalArguments();
    const bool fix = p.parser.isSet(p.fix);
    const int commands = int(p.parser.isSet(p.report)) + int(fix) + int(p.parser.isSet(p.restorePoints)) +
                         int(p.parser.isSet(p.restore));
    if (commands > 1)
        return usage(Parser::tr("Give only one of --report, --fix, --restore-points and --restore."));
    const bool listing = p.parser.isSet(p.report) || p.parser.isSet(p.restorePoints);
    if (!listing && p.parser.isSet(p.json))
        return usage(Parser::tr("--json goes only with --report or --restore-points."));
    if (!fix && p.parser.isSet(p.dryRun))
        return usage(Parser::tr("--dry-run goes only with --fix."));
    if (commands == 0 && !words.isEmpty())
        return usage(
            Parser::tr("A game folder goes only with --report, --fix, --restore-points or --restore: %1")
                .arg(words.first()));
    if (words.size() > 1)
        return usage(Parser::tr("Give one game folder, not %n.", nullptr, int(words.size())));
    if (commands == 0)
        return {.language = language};
    ConsoleRequest request{.action = ConsoleRequest::Action::Report,
                           .json = p.parser.isSet(p.json),
                           .gameRoot = words.isEmpty() ? std::nullopt : std::optional(words.first()),
                           .language = language};
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
