#pragma once

#include "common/Form.h"
#include "game/FolderReport.h"

class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QTabWidget;
class QTableWidget;
struct RunState;
class Services;

namespace wizard {

class LastColumnFill;

// The game's start-up as it will run (frmCheck0): the problems first, each fix with a check box and
// "&Fix chosen", which shows the lines it changes and asks first; the settings as a table that sorts and
// filters; the scripts in the order they run; the whole report. Read afresh each time it opens and after
// a fix. "Co&py report" puts the report on the clipboard, "&Close" goes back.
class GameReportWindow : public Form {
    Q_OBJECT
public:
    GameReportWindow(RunState& state, Services& services);

    QString report() const;

signals:
    void closed();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void readAgain();
    void fixChosen();
    void filterSettings(const QString& text);
    void widenForTheSettings();

    RunState& m_state;
    Services& m_services;
    game::FolderCheck m_check;
    QTabWidget* m_tabs;
    QListWidget* m_problems;
    QTableWidget* m_settings;
    LastColumnFill* m_columnFill;
    QLineEdit* m_filter;
    QListWidget* m_scripts;
    QPlainTextEdit* m_reportBox;
};

} // namespace wizard
