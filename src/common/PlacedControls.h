#pragma once

#include "common/FormStyle.h"

#include <QLabel>
#include <QPushButton>
#include <QRect>
#include <QWidget>

#include <initializer_list>
#include <utility>

// A control of type T on `form`, named and placed at its rectangle (in pixels).
template <typename T, typename... Args>
T* placeControl(QWidget* form, const QString& name, QRect rect, Args&&... args) {
    auto* control = new T(std::forward<Args>(args)..., form);
    control->setObjectName(name);
    control->setGeometry(rect);
    return control;
}

// Enter on a focused button clicks it, as Space does, outside dialogs too.
inline QPushButton* placeButton(QWidget* form, const QString& name, const QString& text, QRect rect) {
    auto* button = placeControl<QPushButton>(form, name, rect, text);
    button->setAutoDefault(true);
    return button;
}

// A label in cyan straight on the form's picture.
inline QLabel* placeCyanLabel(QWidget* form, const QString& name, const QString& text, QRect rect) {
    auto* label = placeControl<QLabel>(form, name, rect, text);
    setTextColour(label, Cyan);
    return label;
}

// Shrinks the label's font until its text fits `width` pixels.
inline void shrinkTextToWidth(QLabel* label, int width) {
    QFont font = label->font();
    // A font sized in pixels has no point size.
    if (font.pixelSize() > 0)
        font.setPointSizeF(QFontInfo(font).pointSizeF());
    while (font.pointSizeF() > 1 && QFontMetrics(font).horizontalAdvance(label->text()) > width)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    label->setFont(font);
}

inline void chainTabOrder(std::initializer_list<QWidget*> widgets) {
    QWidget* previous = nullptr;
    for (QWidget* widget : widgets) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}
