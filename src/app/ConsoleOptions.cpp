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

    Parser() {
        parser.setApplicationDescription(QStringLiteral("Tunes Counter-Strike through its start-up script."));
        // -platform is one option, not -p -l -a ...
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOptions({help, version, report, json});
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
            QStringLiteral("With --report: the game folder; else the one the start window would find."),
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
    if (!report && p.parser.isSet(p.json))
        return usage(QStringLiteral("--json goes only with --report."));
    if (!report && !words.isEmpty())
        return usage(QStringLiteral("A game folder goes only with --report: %1").arg(words.first()));
    if (words.size() > 1)
        return usage(QStringLiteral("--report takes one game folder, not %1.").arg(words.size()));
    if (!report)
        return {};
    return {.action = ConsoleRequest::Action::Report,
            .json = p.parser.isSet(p.json),
            .gameRoot = words.isEmpty() ? std::nullopt : std::optional(words.first())};
}

QString usageText(const ConsoleRequest& request) {
    Parser p;
    return (request.error.isEmpty() ? QString() : request.error + '\n') + p.parser.helpText();
}
