#pragma once

#include "common/Form.h"

class QPlainTextEdit;
struct RunState;
class Services;

namespace wizard {

// The game's start-up as it will run (frmCheck0): each setting as the game will have it and the file
// that sets it, the player's lines that never take effect and why, the warnings. Read afresh each time
// it opens; it changes no file. "Co&py report" puts the text on the clipboard, "&Close" goes back.
class GameReportWindow : public Form {
    Q_OBJECT
public:
    explicit GameReportWindow(RunState& state);

    QString report() const;

signals:
    void closed();

protected:
    void showEvent(QShowEvent* event) override;

private:
    RunState& m_state;
    QPlainTextEdit* m_reportBox;
};

} // namespace wizard
