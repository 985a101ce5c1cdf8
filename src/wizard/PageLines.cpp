#include "PageSpec.h"

#include "Workspace.h"

namespace wizard {

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
