#pragma once

#include "common/Services.h"

#include <QDialog>

class QListWidget;
class QWidget;

// The quit question titled "Zentrimo", Yes the default and No, with "Show &Details..." opening below it a
// resizable list of the run's lines, each with what today's game does and a check box, all ticked at
// first, and a button that unticks the lines that do nothing.
class LineReviewBox : public QDialog {
    Q_OBJECT
public:
    LineReviewBox(const QString& question, const QString& details, const QList<ReviewLine>& lines,
                  QWidget* over);

    // Whether each line is still ticked.
    QList<bool> kept() const;

private:
    QList<ReviewLine> m_lines;
    QListWidget* m_list;
    QWidget* m_details;
};
