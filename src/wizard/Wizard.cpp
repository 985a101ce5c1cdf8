#include "Wizard.h"

#include "PageSpec.h"
#include "SectionStartPage.h"
#include "SettingsPage.h"
#include "WindowChain.h"

void addWizardForms(WindowChain& chain, Services& services, DimList& dims) {
    using namespace wizard;
    for (SectionSpec& section : sectionPages())
        chain.add(section.form,
                  [&, section] { return new SectionStartPage(section, chain, services, dims); });
    for (const auto& family : {videoPages(), soundPages(), networkPages(), miscPages()})
        for (const PageSpec& page : family)
            chain.add(page.form, [&, page] { return new SettingsPage(page, chain, services, dims); });
}
