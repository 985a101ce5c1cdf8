#include "common/TwipsScale.h"

#include <QWidget>

namespace {

constexpr double PointsPerInch = 72.0;
constexpr double DrawnForPixels = 8.0 * 96.0 / PointsPerInch;
constexpr double TwipsPerPixel = 15.0;

double fontPixels(const QWidget* widget) {
    const QFont font = widget->font();
    return font.pixelSize() > 0 ? font.pixelSize()
                                : font.pointSizeF() * widget->logicalDpiY() / PointsPerInch;
}

} // namespace

TwipsScale::TwipsScale(const QWidget* widget) : m_factor(fontPixels(widget) / DrawnForPixels) {}

int TwipsScale::operator()(int twips) const {
    return qRound(twips * m_factor / TwipsPerPixel);
}

QRect TwipsScale::rect(int left, int top, int width, int height) const {
    const int x = (*this)(left);
    const int y = (*this)(top);
    return QRect(x, y, (*this)(left + width) - x, (*this)(top + height) - y);
}

QSize TwipsScale::size(int width, int height) const {
    return QSize((*this)(width), (*this)(height));
}

int TwipsScale::pixels(int drawnPixels) const {
    return qRound(drawnPixels * m_factor);
}

QSize TwipsScale::pixels(QSize drawnPixels) const {
    return QSize(pixels(drawnPixels.width()), pixels(drawnPixels.height()));
}
