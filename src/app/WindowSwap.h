#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <memory>

class InputBlock;

// One window giving way to the next without a gap: the next opens centred where the last stood (kept on
// its screen), and the last hides only once the next has been painted, so the desktop never shows
// through between them. Until then the last takes no clicks or keys, which would act twice.
class WindowSwap : public QObject {
    Q_OBJECT
public:
    WindowSwap();
    ~WindowSwap() override;

    // Finishes a swap still under way first.
    void swap(QWidget* from, QWidget* to);
    // True while the last window stays on screen until the next one is.
    bool swapping() const { return !m_leaving.isNull(); }

    // Shows a window and gives it the keyboard.
    static void show(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void finish();

    QPointer<QWidget> m_leaving;
    QPointer<QWidget> m_arriving;
    std::unique_ptr<InputBlock> m_leavingInput;
    QTimer m_timeout;
};
