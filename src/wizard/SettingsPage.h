#pragma once

#include "PageSpec.h"

#include <QWidget>

#include <vector>

class QButtonGroup;
class QCheckBox;
class QGridLayout;
class QLineEdit;
class Services;
class WindowChain;

namespace wizard {

// Any settings page, built from its table entry: heading, explanations, optional question and
// pictures, one input, "&Next" (append the page's lines, or show its refusal and stay) and
// "&Skip setting" (move on writing nothing).
class SettingsPage : public QWidget {
    Q_OBJECT
public:
    SettingsPage(PageSpec page, WindowChain& chain, Services& services, DimList& dims);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void addInput(const CheckBox& box, QGridLayout* rows);
    void addInput(const std::vector<NumberField>& fields, QGridLayout* rows);
    void addInput(const OptionGroup& group, QGridLayout* rows);
    Answer answer() const;
    void next();
    void skip();

    PageSpec m_page;
    WindowChain& m_chain;
    Services& m_services;
    DimList& m_dims;
    QCheckBox* m_checkBox = nullptr;
    std::vector<QLineEdit*> m_fields;
    QButtonGroup* m_options = nullptr;
};

} // namespace wizard
