#pragma once

#include <QObject>

class QTableView;

namespace wizard {

// The table's last column takes the room the others leave, but never less than its caption needs: where
// the window cannot grow enough (a small screen, a large font, a long translation) the table scrolls
// sideways rather than cut the caption. The other columns keep their own resize modes.
class LastColumnFill : public QObject {
public:
    explicit LastColumnFill(QTableView* table);

    void fit();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTableView* m_table;
};

} // namespace wizard
