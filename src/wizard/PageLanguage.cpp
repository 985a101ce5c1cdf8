#include "wizard/PageLanguage.h"

#include <QCoreApplication>

namespace wizard {

namespace {

void translate(Text& text) {
    text.text = inPlayersLanguage(text.text);
}

void translate(std::optional<Text>& text) {
    if (text)
        translate(*text);
}

struct InputTranslator {
    void operator()(CheckBox& box) const { translate(box.label); }
    void operator()(std::vector<NumberField>& fields) const {
        for (NumberField& field : fields) {
            translate(field.label);
            translate(field.prefix);
        }
    }
    void operator()(OptionGroup& group) const {
        for (Option& option : group.options)
            translate(option.label);
    }
};

} // namespace

QString inPlayersLanguage(const QString& english) {
    return QCoreApplication::translate("wizard", english.toUtf8().constData());
}

PageSpec inPlayersLanguage(PageSpec page) {
    translate(page.heading);
    for (Text& explanation : page.explanations)
        translate(explanation);
    translate(page.question);
    translate(page.inputNote);
    if (page.pictures) {
        translate(page.pictures->leftCaption);
        translate(page.pictures->rightCaption);
    }
    std::visit(InputTranslator{}, page.input);
    if (page.lines)
        page.lines = [lines = std::move(page.lines)](const Answer& answer) {
            Outcome outcome = lines(answer);
            outcome.refusal = inPlayersLanguage(outcome.refusal);
            return outcome;
        };
    return page;
}

SectionSpec inPlayersLanguage(SectionSpec section) {
    for (Text& label : section.labels)
        translate(label);
    translate(section.enterButton);
    translate(section.checkButton);
    translate(section.restoreButton);
    translate(section.leaveButton);
    translate(section.leaveLabel);
    return section;
}

} // namespace wizard
