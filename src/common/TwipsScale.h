#pragma once

#include <QRect>
#include <QSize>

class QWidget;

// Layouts are described in twips and were drawn for an 8-point font at 96 dots per inch, where 15 twips
// make one pixel. A form grows with the font it really shows, so that every caption stays whole at any
// desktop font size; Qt scales the pixels for high DPI on top.
class TwipsScale {
public:
    // The scale for the font `widget` shows its text in, taken from the font's size alone, so that no
    // font has to be loaded before a form first shows.
    explicit TwipsScale(const QWidget* widget);
    explicit TwipsScale(double factor) : m_factor(factor) {}

    // How much larger than the drawn-for font the font is.
    double factor() const { return m_factor; }
    // A position or length in twips as pixels.
    int operator()(int twips) const;
    // Each edge is scaled, so that controls that touch in twips still touch.
    QRect rect(int left, int top, int width, int height) const;
    QRect rect(QRect twips) const { return rect(twips.x(), twips.y(), twips.width(), twips.height()); }
    QSize size(int width, int height) const;
    // A length in pixels of the drawn-for font.
    int pixels(int drawnPixels) const;
    QSize pixels(QSize drawnPixels) const;

private:
    double m_factor;
};
