#include "common/RoomForText.h"

#include <QGroupBox>
#include <QLabel>
#include <QWidget>

#include <algorithm>

namespace {

QSize neededSize(const QWidget* control, int widest) {
    if (const auto* label = qobject_cast<const QLabel*>(control); label && label->wordWrap()) {
        if (label->heightForWidth(label->width()) <= label->height())
            return label->size();
        const int width = std::max(label->width(), widest);
        return {width, std::max(label->height(), label->heightForWidth(width))};
    }
    // A frame's caption sets its least width, not its preferred one.
    const QSize hint =
        qobject_cast<const QGroupBox*>(control) ? control->minimumSizeHint() : control->sizeHint();
    return control->size().expandedTo(hint);
}

} // namespace

void makeRoomForText(QWidget* control, int widest) {
    QWidget* form = control->parentWidget();
    const QRect old = control->geometry();
    const QSize needed = neededSize(control, widest);
    const int dx = needed.width() - old.width();
    const int dy = needed.height() - old.height();
    if (dx <= 0 && dy <= 0)
        return;
    control->resize(needed);
    // The form keeps the control's left inset on its right too.
    int right = control->geometry().right() + old.left();
    for (QWidget* sibling : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (sibling == control)
            continue;
        const QRect place = sibling->geometry();
        const bool onTheRow =
            place.left() > old.right() && place.top() <= old.bottom() && place.bottom() >= old.top();
        if (onTheRow && dx > 0) {
            sibling->move(place.x() + dx, place.y());
            right = std::max(right, sibling->geometry().right() + old.left());
        } else if (place.top() > old.bottom() && dy > 0)
            sibling->move(place.x(), place.y() + dy);
    }
    form->setFixedSize(std::max(form->width(), right + 1), form->height() + std::max(dy, 0));
}
