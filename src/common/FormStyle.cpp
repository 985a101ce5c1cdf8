#include "common/FormStyle.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmapCache>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOption>
#include <QSvgRenderer>

namespace {

const QColor ChoiceMark(0, 40, 40);
const QColor PressedBox(200, 220, 220);

// Draws check boxes and options alike on every desktop style, as large as the text: a white box with a
// thick dark tick, a white ring with a large white dot.
class ChoiceStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        switch (metric) {
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
            if (widget)
                return widget->fontMetrics().height();
            break;
        default:
            break;
        }
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element != PE_IndicatorCheckBox && element != PE_IndicatorRadioButton) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        const QRectF box = QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5);
        const bool on = option->state & State_On;
        const qreal side = box.width();
        if (element == PE_IndicatorRadioButton) {
            // A ring on the form, and only the chosen one holds a dot: a white disc reads as chosen.
            const qreal ring = std::max(1.5, side * 0.1);
            painter->setPen(QPen(Qt::white, ring));
            painter->setBrush(option->state & State_Sunken ? QBrush(PressedBox) : QBrush(Qt::NoBrush));
            painter->drawEllipse(box.adjusted(ring / 2, ring / 2, -ring / 2, -ring / 2));
            if (on) {
                painter->setPen(Qt::NoPen);
                painter->setBrush(Qt::white);
                painter->drawEllipse(box.center(), side * 0.26, side * 0.26);
            }
        } else {
            painter->setPen(QPen(ChoiceMark, 1));
            painter->setBrush(option->state & State_Sunken ? PressedBox : QColor(Qt::white));
            painter->drawRect(box);
            if (on) {
                QPainterPath tick;
                tick.moveTo(box.left() + side * 0.2, box.top() + side * 0.52);
                tick.lineTo(box.left() + side * 0.42, box.top() + side * 0.74);
                tick.lineTo(box.left() + side * 0.8, box.top() + side * 0.28);
                painter->setPen(QPen(ChoiceMark, std::max(2.0, side * 0.16), Qt::SolidLine, Qt::SquareCap,
                                     Qt::MiterJoin));
                painter->setBrush(Qt::NoBrush);
                painter->drawPath(tick);
            }
        }
        painter->restore();
    }
};

QStyle* choiceStyle() {
    // One for the whole run, ended with the application.
    static QPointer<ChoiceStyle> style;
    if (!style) {
        style = new ChoiceStyle;
        style->setParent(qApp);
    }
    return style;
}

} // namespace

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

QPixmap formPicture(const QString& resource, QSize size, qreal ratio) {
    const QString key =
        QStringLiteral("%1@%2x%3@%4").arg(resource).arg(size.width()).arg(size.height()).arg(ratio);
    QPixmap picture;
    if (!QPixmapCache::find(key, &picture)) {
        picture = renderSvg(resource, size, ratio, DarkTeal);
        QPixmapCache::insert(key, picture);
    }
    return picture;
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

void setChoiceLook(QAbstractButton* choice) {
    choice->setStyle(choiceStyle());
}
