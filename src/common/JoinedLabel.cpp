#include "common/JoinedLabel.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMouseEvent>

namespace {

class LabelClicks : public QObject {
public:
    LabelClicks(QLabel* label, QAbstractButton* choice) : QObject(label), m_choice(choice) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            return static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        case QEvent::MouseButtonRelease: {
            const auto* release = static_cast<QMouseEvent*>(event);
            if (release->button() != Qt::LeftButton)
                return false;
            // A press that is dragged off the label and let go is no click, as on the box itself.
            if (static_cast<QWidget*>(watched)->rect().contains(release->position().toPoint())) {
                m_choice->setFocus(Qt::MouseFocusReason);
                m_choice->click();
            }
            return true;
        }
        default:
            return false;
        }
    }

private:
    QAbstractButton* m_choice;
};

} // namespace

void joinLabel(QLabel* label, QAbstractButton* choice) {
    label->setBuddy(choice);
    label->installEventFilter(new LabelClicks(label, choice));
}
