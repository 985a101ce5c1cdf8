#pragma once

#include "wizard/PageSpec.h"

#include <QObject>

class QKeyEvent;
class QLineEdit;
class QRegularExpressionValidator;
class Services;

namespace wizard {

// Keeps a number field to backspace and its accepted characters. Ctrl+H, character 8, is a backspace.
// A key that would put any other character in the field (control characters such as Enter or Ctrl+A
// included) beeps and is swallowed; pasted or dropped text must consist of accepted characters alone, or it
// is refused with a beep too, so no quote or semicolon can ever reach the game's script. Keys that insert
// nothing (arrows, Home, End, Delete, Tab) work as usual.
class KeyFilter : public QObject {
    Q_OBJECT
public:
    // Installs itself on field, which owns it.
    KeyFilter(QLineEdit* field, Accepts accepts, Services& services);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static bool isBackspaceCode(const QKeyEvent& key);
    bool refuses(const QKeyEvent& key) const;

    Services& m_services;
    QRegularExpressionValidator* m_validator;
};

} // namespace wizard
