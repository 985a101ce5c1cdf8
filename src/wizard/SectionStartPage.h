#pragma once

#include "PageSpec.h"

#include <QWidget>

class QPushButton;
class Services;

namespace wizard {

// A section start page, or the finish page: texts, an optional enter button that says to go on to the
// section's first page, and a leave button that uninstalls or quits.
class SectionStartPage : public QWidget {
    Q_OBJECT
public:
    SectionStartPage(SectionSpec section, Services& services, RunState& state);

signals:
    void next();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void uninstall();
    void quit();

    SectionSpec m_section;
    Services& m_services;
    RunState& m_state;
    QPushButton* m_focusButton = nullptr;
};

} // namespace wizard
