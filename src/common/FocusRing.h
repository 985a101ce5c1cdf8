#pragma once

#include <QPointer>
#include <QWidget>

// A ring round the control of its form that has the keyboard, together with the label joined to it,
// drawn over everything else on the form: the same look on every form, plain to see on the dark
// pictures. It follows the keyboard from control to control and is not there for the mouse.
class FocusRing : public QWidget {
    Q_OBJECT
public:
    explicit FocusRing(QWidget* form);

    // The control the ring surrounds; nullptr when it shows none.
    QWidget* target() const { return m_target; }

    static constexpr int Width = 2;
    static constexpr int Gap = 1;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow(QWidget* control);
    void place();
    QList<QWidget*> joinedLabels() const;

    QPointer<QWidget> m_target;
};
