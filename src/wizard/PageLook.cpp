#include "wizard/PageLook.h"

#include "common/Form.h"
#include "common/FormStyle.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLayout>
#include <QPushButton>

#include <algorithm>

namespace wizard {

QLabel* makeLabel(const Text& text, QWidget* parent) {
    auto* label = new QLabel(text.text, parent);
    label->setObjectName(text.name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    setTextColour(label, LightText);
    return label;
}

QLabel* makeHeading(const Text& text, QWidget* parent) {
    QLabel* label = makeLabel(text, parent);
    makeBold(label);
    setTextColour(label, Cyan);
    return label;
}

QLabel* makeNote(const Text& text, QWidget* parent) {
    QLabel* label = makeLabel(text, parent);
    QFont font = label->font();
    font.setItalic(true);
    label->setFont(font);
    setTextColour(label, NoteText);
    label->setAccessibleDescription(
        QCoreApplication::translate("wizard", "What today's game does with this setting"));
    return label;
}

QLabel* makePicture(const QString& name, const QString& resource, QSize size, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFixedSize(size);
    label->setPixmap(renderSvg(resource, size, label->devicePixelRatioF()));
    return label;
}

QPushButton* makeButton(const Text& button, QWidget* parent) {
    auto* made = new QPushButton(button.text, parent);
    made->setObjectName(button.name);
    made->setAutoDefault(true);
    // Room around the caption, as much as a line of text is high, whatever the style's own margins.
    const QFontMetrics metrics = made->fontMetrics();
    const int room = metrics.height();
    // Nor less than the style asks: a row of long texts squeezes its buttons down to their least size.
    made->setMinimumSize(
        QSize(metrics.horizontalAdvance(QString(button.text).remove(QLatin1Char('&'))) + 2 * room, room * 2)
            .expandedTo(made->sizeHint()));
    return made;
}

void finishPage(Form* page, QLayout* layout) {
    page->setLayout(layout);
    QSize size = page->scale().pixels(PageSize).expandedTo(QSize(layout->totalMinimumSize().width(), 0));
    const int needed = layout->hasHeightForWidth() ? layout->totalHeightForWidth(size.width())
                                                   : layout->totalSizeHint().height();
    size.setHeight(std::max(size.height(), needed));
    page->setFixedSize(size);
}

} // namespace wizard
