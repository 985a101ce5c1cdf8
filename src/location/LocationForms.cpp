#include "LocationForms.h"

#include "FrmDir.h"
#include "FrmSpecify.h"
#include "WindowChain.h"

void addLocationForms(WindowChain& chain, Services& services, DimList& dims) {
    chain.add(QStringLiteral("frmDir"), [&] { return new FrmDir(chain, services, dims); });
    chain.add(QStringLiteral("frmSpecify"), [&] { return new FrmSpecify(chain, services); });
}
