#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <string>

// What the command line asks of the program before any window: a window, the help or the version, the
// report, fixes, the restore points or a restore, or nothing it understands (then the usage, and exit code
// 64 as in BSD's sysexits).
struct ConsoleRequest {
    enum class Action { Window, Help, Version, Report, Fix, RestorePoints, Restore, Usage };
    Action action = Action::Window;
    bool json = false;
    QStringList fixes{};               // with Fix: the ids given, or "all"
    bool dryRun = false;               // with Fix: only print what would change
    std::optional<QString> gameRoot{}; // with the report, fixes or the restore points: the folder given
    QString pointId{};                 // with a restore: the point to restore
    QString error{};                   // with the usage: what was wrong
    std::optional<QString> language{}; // --lang: one of languageCodes()
};

// The languages --lang accepts: English and those the program is translated to.
QStringList languageCodes();

inline constexpr int UsageExitCode = 64;

// The arguments as the process got them, the program's name first. Qt's own options for the window
// system (-platform NAME, -style NAME, -reverse, ...) are let through for the window.
ConsoleRequest consoleRequest(const QStringList& arguments);

// The usage text: the program's options, then what went wrong when anything did.
QString usageText(const ConsoleRequest& request);
