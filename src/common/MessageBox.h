#pragma once

#include <QMessageBox>

enum class BoxKind {
    Message,  // OK, no icon
    Error,    // OK, error icon
    Question, // Yes and No, Yes the default
};

// A message box titled "Zentrimo" in the forms' look: light text on their picture, the same focus ring,
// shown over the form that asks.
class FormMessageBox : public QMessageBox {
    Q_OBJECT
public:
    FormMessageBox(BoxKind kind, const QString& text, QWidget* over);

protected:
    void paintEvent(QPaintEvent* event) override;
};
