#include "app/WindowSwap.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>

#include <algorithm>

namespace {

// A window that never paints (minimised by the desktop, say) still lets the last one go.
constexpr int LongestSwap = 500;

bool isInput(const QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::Wheel:
        return true;
    default:
        return false;
    }
}

// The frame position that puts `to` centred on `from`, kept on from's screen.
QPoint centredOver(const QWidget* from, const QWidget* to) {
    const QRect last = from->frameGeometry();
    // A window not yet shown has no frame: it will get the same as the last one.
    const QSize frame = to->size() + (last.size() - from->size());
    QRect next(QPoint(), frame);
    next.moveCenter(last.center());
    if (const QScreen* screen = from->screen()) {
        const QRect free = screen->availableGeometry();
        next.moveLeft(std::max(free.left(), std::min(next.left(), free.right() + 1 - next.width())));
        next.moveTop(std::max(free.top(), std::min(next.top(), free.bottom() + 1 - next.height())));
    }
    return next.topLeft();
}

} // namespace

// Swallows every click and key meant for one window while it is installed on the application.
class InputBlock : public QObject {
public:
    explicit InputBlock(QWidget* window) : m_window(window) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        return isInput(event) && watched->isWidgetType() &&
               static_cast<QWidget*>(watched)->window() == m_window;
    }

private:
    QPointer<QWidget> m_window;
};

WindowSwap::WindowSwap() {
    m_timeout.setSingleShot(true);
    m_timeout.setInterval(LongestSwap);
    connect(&m_timeout, &QTimer::timeout, this, &WindowSwap::finish);
}

WindowSwap::~WindowSwap() = default;

void WindowSwap::show(QWidget* window) {
    window->show();
    window->activateWindow();
}

void WindowSwap::swap(QWidget* from, QWidget* to) {
    finish();
    to->move(centredOver(from, to));
    m_leaving = from;
    m_arriving = to;
    m_leavingInput = std::make_unique<InputBlock>(from);
    to->installEventFilter(this);
    show(to);
    m_timeout.start();
}

void WindowSwap::finish() {
    m_timeout.stop();
    m_leavingInput.reset();
    if (m_arriving)
        m_arriving->removeEventFilter(this);
    if (m_leaving)
        m_leaving->hide();
    m_leaving = nullptr;
    m_arriving = nullptr;
}

bool WindowSwap::eventFilter(QObject* watched, QEvent* event) {
    // Queued: the painted window reaches the screen first.
    if (watched == m_arriving && event->type() == QEvent::Paint)
        QMetaObject::invokeMethod(this, &WindowSwap::finish, Qt::QueuedConnection);
    return QObject::eventFilter(watched, event);
}
