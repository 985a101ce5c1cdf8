#pragma once

#include "common/Form.h"
#include "wizard/PageSpec.h"

class QPushButton;
class Services;

namespace wizard {

// A section start page, or the finish page: texts, an optional enter button that says to go on to the
// section's first page, and a leave button that uninstalls or quits. Enter presses the enter button, on
// the finish page its quit button.
class SectionStartPage : public Form {
    Q_OBJECT
public:
    SectionStartPage(SectionSpec section, Services& services, RunState& state);

signals:
    void next();
    void checkGame();
    void restorePoints();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void uninstall();
    void quit();

    SectionSpec m_section;
    Services& m_services;
    RunState& m_state;
    // The button that goes on: it has the keyboard when the page shows.
    QPushButton* m_focusButton = nullptr;
};

} // namespace wizard
