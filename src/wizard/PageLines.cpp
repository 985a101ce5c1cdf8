#include "PageSpec.h"

#include "Workspace.h"

namespace wizard {

PageSpec sectionPage(const Section& section, int number) {
    const QString n = QString::number(number);
    PageSpec page;
    page.form = section.formPrefix + n;
    page.caption = QStringLiteral("Zentrimo %1/%2").arg(number).arg(section.pageCount);
    page.nextButton = section.nextPrefix + n;
    page.skipButton = section.skipPrefix + n;
    page.successor =
        number < section.pageCount ? section.formPrefix + QString::number(number + 1) : section.after;
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
                      const QString& question, LineMaker lines) {
    PageSpec page = explainedPage(section, number, heading, explanation);
    page.input =
        CheckBox{section.checkPrefix + QString::number(number), {QStringLiteral("Label4"), question}};
    page.lines = std::move(lines);
    return page;
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

} // namespace wizard
