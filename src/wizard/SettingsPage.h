#pragma once

#include "common/Form.h"
#include "wizard/PageSpec.h"

#include <vector>

class QButtonGroup;
class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class Services;

namespace wizard {

// Any settings page, built from its table entry: heading, explanations, optional question and
// pictures, one input, "&Next" (append the page's lines and say so, or show its refusal and stay; Enter
// presses it) and "&Skip setting" (say so, writing nothing). A check box's or option's label is part of it.
class SettingsPage : public Form {
    Q_OBJECT
public:
    SettingsPage(PageSpec page, Services& services, RunState& state);

signals:
    void next();
    void skip();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void addInput(const CheckBox& box, QGridLayout* rows);
    void addInput(const std::vector<NumberField>& fields, QGridLayout* rows);
    void addInput(const OptionGroup& group, QGridLayout* rows);
    Answer answer() const;
    // The note follows the answer as the player makes it.
    void showTodayNote();
    void writeAndGoOn();
    void skipAndGoOn();

    PageSpec m_page;
    Services& m_services;
    RunState& m_state;
    QCheckBox* m_checkBox = nullptr;
    std::vector<QLineEdit*> m_fields;
    QButtonGroup* m_options = nullptr;
    QLabel* m_todayNote = nullptr;
};

} // namespace wizard
