#include "DimList.h"
#include "FrmMain.h"
#include "LocationForms.h"
#include "QtServices.h"
#include "WindowChain.h"
#include "Wizard.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zentrimo"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/zentrimo.svg")));

    QtServices services;
    DimList dims;
    WindowChain chain(services);
    addLocationForms(chain, services, dims);
    addWizardForms(chain, services, dims);
    addMainForm(chain, services, dims, QCoreApplication::applicationDirPath());

    // Loading frmMain checks the music files; a missing one ends the run before any window shows.
    chain.form(QStringLiteral("frmMain"));
    if (services.hasEnded())
        return services.exitCode();
    chain.show(QStringLiteral("frmMain"));
    return QApplication::exec();
}
