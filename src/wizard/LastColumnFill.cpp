#include "wizard/LastColumnFill.h"

#include <QEvent>
#include <QHeaderView>
#include <QTableView>

#include <algorithm>

namespace wizard {

LastColumnFill::LastColumnFill(QTableView* table) : QObject(table), m_table(table) {
    QHeaderView* header = table->horizontalHeader();
    header->setStretchLastSection(false);
    table->viewport()->installEventFilter(this);
    connect(header, &QHeaderView::sectionResized, this, [this](int column) {
        if (column != m_table->horizontalHeader()->count() - 1)
            fit();
    });
}

void LastColumnFill::fit() {
    QHeaderView* header = m_table->horizontalHeader();
    const int last = header->count() - 1;
    if (last < 0)
        return;
    header->setSectionResizeMode(last, QHeaderView::Interactive);
    int others = 0;
    for (int column = 0; column < last; ++column)
        others += header->sectionSize(column);
    const int width = std::max(header->sectionSizeHint(last), m_table->viewport()->width() - others);
    if (width != header->sectionSize(last)) {
        header->resizeSection(last, width);
        m_table->resizeRowsToContents();
    }
}

bool LastColumnFill::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_table->viewport() && event->type() == QEvent::Resize)
        fit();
    return QObject::eventFilter(watched, event);
}

} // namespace wizard
