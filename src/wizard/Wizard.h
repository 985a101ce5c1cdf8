#pragma once

struct DimList;
class Services;
class WindowChain;

// Registers every wizard form, frmTweak0 to frmFinish0, with the window chain.
void addWizardForms(WindowChain& chain, Services& services, DimList& dims);
