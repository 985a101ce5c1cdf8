#pragma once

#include "PageSpec.h"

#include <QWidget>

class QPushButton;
class Services;
class WindowChain;

namespace wizard {

// A section start page, or the finish page: texts, an optional enter button that opens the
// section's first page, and a leave button that uninstalls or quits.
class SectionStartPage : public QWidget {
    Q_OBJECT
public:
    SectionStartPage(SectionSpec section, WindowChain& chain, Services& services, DimList& dims);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void uninstall();
    void quit();

    SectionSpec m_section;
    WindowChain& m_chain;
    Services& m_services;
    DimList& m_dims;
    QPushButton* m_focusButton = nullptr;
};

} // namespace wizard
