#pragma once

class QAbstractButton;
class QLabel;

// Makes the label part of its check box or option, which carries no text of its own: a click on the
// label ticks the box or chooses the option, as a click on the box does, and the focus ring holds both.
void joinLabel(QLabel* label, QAbstractButton* choice);
