#include "common/LineReviewBox.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

LineReviewBox::LineReviewBox(const QString& question, const QString& details, const QList<ReviewLine>& lines,
                             QWidget* over)
    : QDialog(over), m_lines(lines) {
    setObjectName(QStringLiteral("boxApplyLines"));
    setWindowTitle(QStringLiteral("Zentrimo"));
    setSizeGripEnabled(true);
    auto* text = new QLabel(question, this);
    text->setObjectName(QStringLiteral("lblQuestion"));

    m_details = new QWidget(this);
    auto* summary = new QLabel(details.section(QLatin1Char('\n'), 0, 0), m_details);
    summary->setWordWrap(true);
    m_list = new QListWidget(m_details);
    m_list->setObjectName(QStringLiteral("lstLines"));
    m_list->setWordWrap(true);
    for (const ReviewLine& line : lines) {
        auto* item = new QListWidgetItem(tr("%1: %2").arg(line.text, line.today), m_list);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    auto* leaveOut = new QPushButton(tr("Leave out the lines that do nothing"), m_details);
    leaveOut->setObjectName(QStringLiteral("cmdLeaveOut"));
    leaveOut->setAutoDefault(false);
    connect(leaveOut, &QPushButton::clicked, this, [this] {
        for (int row = 0; row < m_list->count(); ++row)
            if (m_lines[row].doesNothing)
                m_list->item(row)->setCheckState(Qt::Unchecked);
    });
    auto* panel = new QVBoxLayout(m_details);
    panel->setContentsMargins(0, 0, 0, 0);
    panel->addWidget(summary);
    panel->addWidget(m_list, 1);
    panel->addWidget(leaveOut, 0, Qt::AlignLeft);
    m_details->hide();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Yes | QDialogButtonBox::No, this);
    buttons->button(QDialogButtonBox::Yes)->setDefault(true);
    auto* show = buttons->addButton(tr("Show &Details..."), QDialogButtonBox::ActionRole);
    show->setObjectName(QStringLiteral("cmdDetails"));
    show->setAutoDefault(false);
    connect(show, &QPushButton::clicked, this, [this, show] {
        const bool open = !m_details->isVisible();
        m_details->setVisible(open);
        show->setText(open ? tr("Hide &Details...") : tr("Show &Details..."));
        if (open)
            resize(width(), std::max(height(), sizeHint().height() * 2));
        else
            adjustSize();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);
    layout->addWidget(m_details, 1);
}

QList<bool> LineReviewBox::kept() const {
    QList<bool> kept;
    for (int row = 0; row < m_list->count(); ++row)
        kept << (m_list->item(row)->checkState() == Qt::Checked);
    return kept;
}
