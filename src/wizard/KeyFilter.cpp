#include "wizard/KeyFilter.h"

#include "common/Services.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace wizard {

namespace {

QString acceptedClass(Accepts accepts) {
    switch (accepts) {
    case Accepts::DigitsAndMinus:
        return QStringLiteral("[0-9-]");
    case Accepts::DigitsAndPeriod:
        return QStringLiteral("[0-9.]");
    case Accepts::Digits:
        break;
    }
    return QStringLiteral("[0-9]");
}

} // namespace

KeyFilter::KeyFilter(QLineEdit* field, Accepts accepts, Services& services)
    : QObject(field), m_services(services),
      m_validator(new QRegularExpressionValidator(QRegularExpression(acceptedClass(accepts) + '*'), this)) {
    // The validator judges whatever reaches the field other than by typing (paste, drop); the
    // field undoes refused text and cuts text beyond its maximum length, and says so.
    field->setValidator(m_validator);
    connect(field, &QLineEdit::inputRejected, this, [this] { m_services.beep(); });
    field->installEventFilter(this);
}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (isBackspaceCode(key)) {
        static_cast<QLineEdit*>(watched)->backspace();
        return true;
    }
    if (refuses(key)) {
        m_services.beep();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

bool KeyFilter::isBackspaceCode(const QKeyEvent& key) {
    // Ctrl+H types character 8 where the platform spells the character out; the field itself knows
    // only the Backspace key.
    return key.key() != Qt::Key_Backspace &&
           (key.text() == QLatin1String("\b") ||
            (key.key() == Qt::Key_H && key.modifiers() == Qt::ControlModifier));
}

bool KeyFilter::refuses(const QKeyEvent& key) const {
    switch (key.key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return false;
    default:
        break;
    }
    if (key.matches(QKeySequence::Paste) || key.text().isEmpty())
        return false;
    // Ctrl+letter types a control character on some platforms and a plain letter on others.
    if (key.modifiers() & Qt::ControlModifier)
        return true;
    QString typed = key.text();
    int position = 0;
    return m_validator->validate(typed, position) == QValidator::Invalid;
}

} // namespace wizard
