#include "common/Form.h"

#include "common/FocusRing.h"
#include "common/FormStyle.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>

Form::Form(const QString& name, const QString& caption, const QString& background)
    : m_background(background), m_scale(this) {
    setObjectName(name);
    // A fixed-size form has nothing to maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(caption);
    // Controls that fill their own background take the forms' colour.
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, DarkTeal);
    setPalette(palette);
    new FocusRing(this);
}

void Form::setForwardButton(QPushButton* button) {
    m_forwardButton = button;
    button->setDefault(true);
}

void Form::paintEvent(QPaintEvent*) {
    QPainter(this).drawPixmap(0, 0, formPicture(m_background, size(), devicePixelRatioF()));
}

void Form::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && m_forwardButton &&
        m_forwardButton->isVisible() && m_forwardButton->isEnabled()) {
        m_forwardButton->click();
        return;
    }
    QWidget::keyPressEvent(event);
}
