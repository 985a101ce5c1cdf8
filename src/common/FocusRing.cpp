#include "common/FocusRing.h"

#include "common/FormStyle.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPainter>

FocusRing::FocusRing(QWidget* form) : QWidget(form) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    form->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && now->window() == window())
            follow(now);
    });
}

void FocusRing::follow(QWidget* control) {
    if (m_target == control) {
        place();
        return;
    }
    if (m_target)
        m_target->removeEventFilter(this);
    m_target = control;
    if (m_target)
        m_target->installEventFilter(this);
    place();
}

QList<QWidget*> FocusRing::joinedLabels() const {
    QList<QWidget*> labels;
    for (QLabel* label : parentWidget()->findChildren<QLabel*>())
        if (label->buddy() == m_target && label->isVisible())
            labels << label;
    return labels;
}

void FocusRing::place() {
    QWidget* form = parentWidget();
    if (!m_target || !m_target->isVisible() || m_target == form) {
        hide();
        return;
    }
    QRect area(m_target->mapTo(form, QPoint()), m_target->size());
    for (const QWidget* label : joinedLabels())
        area |= QRect(label->mapTo(form, QPoint()), label->size());
    const int margin = Width + Gap;
    setGeometry(area.adjusted(-margin, -margin, margin, margin) & form->rect());
    raise();
    show();
    update();
}

void FocusRing::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(Cyan, Width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    const qreal inset = Width / 2.0;
    painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Show:
        // The form gives the keyboard to its control as it shows, before it is active.
        if (watched == parentWidget())
            QMetaObject::invokeMethod(
                this, [this] { follow(parentWidget()->focusWidget()); }, Qt::QueuedConnection);
        else
            place();
        break;
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Hide:
        if (watched == m_target)
            place();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
