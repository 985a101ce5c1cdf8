#pragma once

#include "common/Form.h"

class QListWidget;
class QPlainTextEdit;
class QPushButton;
struct RunState;
class Services;

namespace wizard {

// The game folder's restore points (frmRestore0), newest first, each with its local time, what made it
// and which files differ from today; for the chosen one, what restoring it would change, file by file.
// "&Restore" asks first, then restores and says what it did; "&Close" and Escape go back. Read afresh
// each time it opens and after a restore.
class RestoreWindow : public Form {
    Q_OBJECT
public:
    RestoreWindow(RunState& state, Services& services);

signals:
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void readAgain();
    void showChosen();
    void restoreChosen();

    RunState& m_state;
    Services& m_services;
    QListWidget* m_points;
    QPlainTextEdit* m_diff;
    QPushButton* m_restore;
};

} // namespace wizard
