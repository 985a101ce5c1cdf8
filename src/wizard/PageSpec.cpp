#include "wizard/PageSpec.h"

#include "workspace/Workspace.h"

namespace wizard {

PageSpec sectionPage(const Section& section, int number) {
    const QString n = QString::number(number);
    PageSpec page;
    page.form = section.formPrefix + n;
    page.caption = QStringLiteral("Zentrimo %1/%2").arg(number).arg(section.pageCount);
    page.nextButton = section.nextPrefix + n;
    page.skipButton = section.skipPrefix + n;
    return page;
}

PageSpec explainedPage(const Section& section, int number, const QString& heading,
                       const QString& explanation) {
    PageSpec page = sectionPage(section, number);
    page.heading = {QStringLiteral("Label1"), heading};
    page.explanations = {{QStringLiteral("Label2"), explanation}};
    return page;
}

PageSpec checkBoxPage(const Section& section, int number, const QString& heading, const QString& explanation,
                      Text question, LineMaker lines) {
    PageSpec page = explainedPage(section, number, heading, explanation);
    page.input = CheckBox{section.checkPrefix + QString::number(number), std::move(question)};
    page.lines = std::move(lines);
    return page;
}

PageSpec fieldsPage(const Section& section, int number, const QString& heading, const QString& explanation,
                    std::vector<NumberField> fields, LineMaker lines) {
    PageSpec page = explainedPage(section, number, heading, explanation);
    page.input = std::move(fields);
    page.lines = std::move(lines);
    return page;
}

NumberField numberField(const QString& name, Text label, const QString& initialText, int maxLength,
                        Accepts accepts) {
    return {.name = name,
            .label = std::move(label),
            .initialText = initialText,
            .accepts = accepts,
            .maxLength = maxLength};
}

PicturePair picturePair(const QString& left, Text leftCaption, const QString& right, Text rightCaption) {
    const auto resource = [](const QString& base) { return QStringLiteral(":/pictures/%1.svg").arg(base); };
    return {resource(left), std::move(leftCaption), resource(right), std::move(rightCaption)};
}

SectionSpec continueOrQuit(const QString& form, const QString& invitation, Text enterButton,
                           Text quitButton) {
    return {.form = form,
            .labels = {{QStringLiteral("Label2"), invitation}},
            .enterButton = std::move(enterButton),
            .leaveButton = std::move(quitButton)};
}

LineMaker checkBoxLine(std::string name, std::string ticked, std::string cleared) {
    return [=](const Answer& answer) {
        return Outcome{{workspace::SettingLine(name, answer.checked ? ticked : cleared)}, {}};
    };
}

LineMaker fieldLines(std::vector<std::string> names, std::string prefix) {
    return [=](const Answer& answer) {
        Outcome outcome;
        for (std::size_t i = 0; i < names.size(); ++i)
            outcome.lines.push_back(workspace::SettingLine(names[i], prefix + answer.texts.at(i)));
        return outcome;
    };
}

std::vector<Step> wizardSteps() {
    std::vector<Step> steps;
    for (const std::vector<Step>& section : {videoSection(), soundSection(), networkSection(), miscSection()})
        steps.insert(steps.end(), section.begin(), section.end());
    return steps;
}

} // namespace wizard
