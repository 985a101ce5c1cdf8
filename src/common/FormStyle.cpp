#include "FormStyle.h"

#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QSvgRenderer>
#include <QWidget>

QPixmap renderSvg(const QString& resource, QSize size, qreal ratio, const QColor& fill) {
    QSvgRenderer renderer(resource);
    if (!renderer.isValid())
        return {};
    QPixmap pixmap(size * ratio);
    pixmap.fill(fill);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

void setUpForm(QWidget* form, const QString& title, QSize clientSize, const QString& background) {
    // A fixed-size form has nothing to maximise.
    form->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    form->setWindowTitle(title);
    form->setWindowIcon(QIcon(QStringLiteral(":/pictures/zentrimo.svg")));
    form->setFixedSize(clientSize);
    QPalette palette = form->palette();
    palette.setBrush(QPalette::Window,
                     renderSvg(background, clientSize, form->devicePixelRatioF(), DarkTeal));
    form->setPalette(palette);
    form->setAutoFillBackground(true);
}

void setTextColour(QWidget* widget, const QColor& text, const QColor& background) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::ButtonText, text);
    if (background.isValid()) {
        palette.setColor(QPalette::Window, background);
        palette.setColor(QPalette::Button, background);
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

void makeBold(QLabel* label) {
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
}
