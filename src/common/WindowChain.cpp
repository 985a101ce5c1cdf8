#include "WindowChain.h"

#include "Services.h"

#include <QCloseEvent>

WindowChain::WindowChain(Services& services) : m_services(services) {}

WindowChain::~WindowChain() {
    for (const QPointer<QWidget>& form : std::as_const(m_forms))
        delete form.data();
}

void WindowChain::add(const QString& name, Factory factory) {
    m_factories.insert(name, std::move(factory));
}

QWidget* WindowChain::form(const QString& name) {
    if (QWidget* made = existing(name))
        return made;
    Q_ASSERT_X(m_factories.contains(name), "WindowChain::form", qPrintable(name));
    QWidget* made = m_factories.value(name)();
    made->setObjectName(name);
    made->installEventFilter(this);
    m_forms.insert(name, made);
    return made;
}

QWidget* WindowChain::existing(const QString& name) const {
    return m_forms.value(name).data();
}

void WindowChain::show(const QString& name) {
    QWidget* target = form(name);
    target->show();
    target->activateWindow();
}

void WindowChain::moveOn(QWidget* from, const QString& to) {
    from->hide();
    show(to);
}

bool WindowChain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close) {
        // Only the user closes forms; the program itself hides them.
        event->ignore();
        m_services.endProgram(0);
        return true;
    }
    return QObject::eventFilter(watched, event);
}
