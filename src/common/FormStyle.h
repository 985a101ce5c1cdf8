#pragma once

#include <QColor>
#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QString>

class QLabel;
class QWidget;

// Layouts are drawn in twips; 15 twips are one logical pixel and Qt scales for high DPI.
constexpr int twips(int value) {
    return (value + (value < 0 ? -7 : 7)) / 15;
}
constexpr QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twips(left), twips(top), twips(width), twips(height));
}
constexpr QSize twipsSize(int width, int height) {
    return QSize(twips(width), twips(height));
}

inline const QColor Cyan(0, 255, 255);
inline const QColor DarkTeal(0, 64, 64);

// The SVG resource drawn over `fill` at `size` logical pixels for a screen of device pixel `ratio`; a
// null pixmap when the resource cannot be read.
QPixmap renderSvg(const QString& resource, QSize size, qreal ratio, const QColor& fill = Qt::transparent);

// A top-level form with the program's title and icon, a fixed client size and the SVG resource
// `background` drawn behind its controls.
void setUpForm(QWidget* form, const QString& title, QSize clientSize, const QString& background);

// Sets the colour of a widget's text (and, when given, its background).
void setTextColour(QWidget* widget, const QColor& text, const QColor& background = QColor());

// Draws the label's text in bold.
void makeBold(QLabel* label);
