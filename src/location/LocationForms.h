#pragma once

struct DimList;
class Services;
class WindowChain;

// Registers frmDir and frmSpecify with the window chain.
void addLocationForms(WindowChain& chain, Services& services, DimList& dims);
