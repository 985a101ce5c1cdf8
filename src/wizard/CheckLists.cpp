#include "wizard/CheckLists.h"

#include "files/AsciiCase.h"
#include "game/ReportRendering.h"
#include "game/TodayWords.h"
#include "wizard/CoreWords.h"

#include <QHeaderView>
#include <QListWidget>
#include <QTableWidget>

#include <algorithm>

namespace wizard {

namespace {

QString shown(std::string_view text) {
    return QString::fromStdString(game::shownText(text));
}

struct Problem {
    int rank; // 0 the most serious
    QString text;
    int fix = -1;
};

int rankOf(game::FixKind kind) {
    switch (kind) {
    case game::FixKind::Tampering:
    case game::FixKind::FilterStuffCmd:
        return 0;
    case game::FixKind::NeverWins:
        return 1;
    case game::FixKind::Ignored:
        break;
    }
    return 2;
}

bool samePlace(const game::ScriptPlace& a, const game::ScriptPlace& b) {
    return a.file == b.file && a.line == b.line;
}

// A problem whose line a fix edits is told by the fix.
bool fixed(const game::FolderCheck& check, const game::ScriptPlace& place) {
    return std::ranges::any_of(check.fixes, [&](const game::Fix& fix) {
        return samePlace(fix.place, place) || std::ranges::any_of(fix.edits, [&](const game::LineEdit& edit) {
                   return !edit.before.empty() && edit.file == place.file && edit.line == place.line;
               });
    });
}

QString shownWords(const game::Argument& words) {
    return QString::fromStdString(game::shownText(wordsOf(words).toStdString()));
}

QString shownWords(const game::Message& message) {
    return shownWords(game::Argument(message));
}

QString placed(const game::ScriptPlace& place, const game::Message& text) {
    return shownWords({game::Phrase::Placed,
                       {wordsOf(game::placeWords(place)).toStdString(), wordsOf(text).toStdString()}});
}

QString placedCommand(const game::IneffectiveLine& line) {
    return shownWords({game::Phrase::PlacedCommand,
                       {wordsOf(game::placeWords(line.place)).toStdString(), line.command,
                        wordsOf(line.why).toStdString()}});
}

} // namespace

void fillProblems(QListWidget* list, const game::FolderCheck& check) {
    std::vector<Problem> problems;
    for (std::size_t i = 0; i < check.fixes.size(); ++i)
        problems.push_back(
            {rankOf(check.fixes[i].kind), shownWords(check.fixes[i].text), static_cast<int>(i)});
    for (const game::IneffectiveLine& line : check.report.ineffective)
        if (!fixed(check, line.place))
            problems.push_back({line.why.phrase == game::Phrase::WhySetAgain ? 1 : 2, placedCommand(line)});
    for (const game::Warning& warning : check.report.warnings)
        if (!fixed(check, warning.place) || warning.kind == game::WarningKind::Cost)
            problems.push_back({warning.kind == game::WarningKind::Tampering ? 0
                                : warning.kind == game::WarningKind::Cost    ? 3
                                                                             : 4,
                                placed(warning.place, warning.text)});
    std::ranges::stable_sort(problems, {}, &Problem::rank);
    list->clear();
    for (const Problem& problem : problems) {
        auto* item = new QListWidgetItem(problem.text, list);
        if (problem.fix >= 0) {
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(Qt::Unchecked);
            item->setData(Qt::UserRole, problem.fix);
        } else {
            item->setFlags(item->flags() & ~Qt::ItemIsUserCheckable);
        }
    }
    if (problems.empty()) {
        auto* item =
            new QListWidgetItem(QObject::tr("Zentrimo finds nothing to fix in the game's scripts."), list);
        item->setFlags(item->flags() & ~Qt::ItemIsUserCheckable);
    }
}

void fillSettings(QTableWidget* table, const game::FolderCheck& check) {
    table->setSortingEnabled(false);
    table->clearContents();
    table->setRowCount(static_cast<int>(check.report.settings.size()));
    int row = 0;
    for (const game::VariableSetting& setting : check.report.settings) {
        QString today;
        if (setting.row && setting.verdict)
            for (const game::Message& sentence :
                 game::todayMessages(*setting.row, *setting.verdict, setting.value))
                today += (today.isEmpty() ? QString() : QStringLiteral(" ")) + shownWords(sentence);
        else
            today = shownWords(game::Message{game::Phrase::UnknownLine});
        const QString cells[] = {shown(setting.name), shown(setting.value),
                                 shownWords(game::placeWords(setting.place)), today};
        for (int column = 0; column < 4; ++column)
            table->setItem(row, column, new QTableWidgetItem(cells[column]));
        ++row;
    }
    table->setSortingEnabled(true);
    table->resizeRowsToContents();
}

void fillScripts(QListWidget* list, const game::FolderCheck& check) {
    list->clear();
    int order = 0;
    for (const std::string& file : check.report.files) {
        const std::string name = files::toLowerAscii(file.substr(file.rfind('/') + 1));
        QString runBy = name == "valve.rc" || name == "config.cfg" ? QObject::tr("the game")
                        : name == "autoexec.cfg"                   ? QObject::tr("valve.rc")
                        : name == "userconfig.cfg" || name == "controller.cfg"
                            ? QObject::tr("config.cfg")
                            : QObject::tr("an exec line in a script before it");
        if (file == game::LaunchOptionsFile)
            runBy = QObject::tr("valve.rc's stuffcmds");
        new QListWidgetItem(QObject::tr("%1. %2, run by %3").arg(++order).arg(shown(file), runBy), list);
    }
}

} // namespace wizard
