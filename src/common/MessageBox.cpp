#include "common/MessageBox.h"

#include "common/FocusRing.h"
#include "common/FormStyle.h"

#include <QPainter>

FormMessageBox::FormMessageBox(BoxKind kind, const QString& text, QWidget* over)
    : QMessageBox(kind == BoxKind::Error ? Critical : NoIcon, QStringLiteral("Zentrimo"), text,
                  kind == BoxKind::Question ? Yes | No : Ok, over) {
    setDefaultButton(kind == BoxKind::Question ? Yes : Ok);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, DarkTeal);
    palette.setColor(QPalette::WindowText, LightText);
    setPalette(palette);
    new FocusRing(this);
}

void FormMessageBox::paintEvent(QPaintEvent*) {
    QPainter(this).drawPixmap(0, 0, formPicture(PageBackground, size(), devicePixelRatioF()));
}
