#pragma once

#include "common/TwipsScale.h"

#include <QWidget>

class QPushButton;

// A top-level form of the program: its caption, a fixed client size and a picture behind its controls,
// a ring round the control that has the keyboard, and the forward button that Enter presses.
class Form : public QWidget {
    Q_OBJECT
public:
    // `background` is the SVG resource shown behind the controls.
    Form(const QString& name, const QString& caption, const QString& background);

    // Twips and drawn-for pixels as pixels of this form's font.
    const TwipsScale& scale() const { return m_scale; }
    // Enter presses it wherever the keyboard is on the form, unless the control there uses Enter itself
    // (a button presses itself, a folder list opens its folder, a number field refuses it).
    void setForwardButton(QPushButton* button);

protected:
    // The picture is drawn for the form's fixed size when it is first painted, not before.
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString m_background;
    TwipsScale m_scale;
    QPushButton* m_forwardButton = nullptr;
};
