#pragma once

#include "wizard/PageSpec.h"

#include <QSize>
#include <QString>

class Form;
class QLabel;
class QLayout;
class QPushButton;
class QWidget;

// What settings pages and section start pages share: light text on the page background, pictures
// drawn from SVG resources, and a page size that grows with the font and when its text needs more room.
// Sizes are pixels of the font the forms were drawn for; each form scales them to its own.
namespace wizard {

inline const QSize PageSize(600, 440);
inline const QSize PictureSize(160, 120);

// A word-wrapped plain-text label in the page's light colour.
QLabel* makeLabel(const Text& text, QWidget* parent);
QLabel* makeHeading(const Text& text, QWidget* parent);
// A remark beside the page's own texts: italic and a little dimmer, never a heading.
QLabel* makeNote(const Text& text, QWidget* parent);
// A label of the given size showing the resource; a resource that cannot be read leaves it blank.
QLabel* makePicture(const QString& name, const QString& resource, QSize size, QWidget* parent);
// A push button with its objectName and caption (the caption's & gives its Alt shortcut); Enter
// presses it while it has the keyboard.
QPushButton* makeButton(const Text& button, QWidget* parent);

// Between buttons side by side, in pixels at the forms' size: more than two focus rings.
inline constexpr int ButtonGap = 12;
// Gives the page its layout and a fixed size: PageSize or what the layout needs.
void finishPage(Form* page, QLayout* layout);

} // namespace wizard
