#pragma once

class QWidget;

// Room for a translation longer than the English a placed control's rectangle was drawn for: the control
// grows to its text (a word-wrapped label first wider, up to `widest` pixels, then taller); the controls
// right of it on its row move right and those below it move down by as much, and the form grows to hold
// them. A text that fits changes nothing.
void makeRoomForText(QWidget* control, int widest = 0);
