#pragma once

#include <QColor>
#include <QPixmap>
#include <QSize>
#include <QString>

class QAbstractButton;
class QLabel;
class QWidget;

inline const QColor Cyan(0, 255, 255);
inline const QColor DarkTeal(0, 64, 64);
inline const QColor LightText(235, 245, 245);
// Dimmer than LightText, still far above the contrast that small text needs on DarkTeal.
inline const QColor NoteText(190, 220, 220);

inline const QString PageBackground = QStringLiteral(":/pictures/background_page.svg");

// The SVG resource drawn over `fill` at `size` logical pixels for a screen of device pixel `ratio`; a
// null pixmap when the resource cannot be read.
QPixmap renderSvg(const QString& resource, QSize size, qreal ratio, const QColor& fill = Qt::transparent);

// The same over dark teal, drawn once for every form that shows it at that size and ratio.
QPixmap formPicture(const QString& resource, QSize size, qreal ratio);

// Sets the colour of a widget's text (and, when given, its background).
void setTextColour(QWidget* widget, const QColor& text, const QColor& background = QColor());

// Draws the label's text in bold.
void makeBold(QLabel* label);

// One look for every check box and option, whatever the desktop's style: a dark mark on a white box
// as large as the text, plain to see on the dark forms.
void setChoiceLook(QAbstractButton* choice);
