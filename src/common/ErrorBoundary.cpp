#include "common/ErrorBoundary.h"

#include "common/CorePath.h"
#include "common/PlayerPath.h"
#include "common/Services.h"
#include "files/FileError.h"

#include <QCoreApplication>
#include <QString>

void guarded(Services& services, const std::function<void()>& handler) {
    try {
        handler();
    } catch (const files::FileError& error) {
        services.showError(QCoreApplication::translate("ErrorBoundary", "Error %1: %2\n%3")
                               .arg(error.errorNumber())
                               .arg(QString::fromStdString(error.systemText()),
                                    shownPath(files::asThePlayerKnowsIt(error.path()))));
        services.endProgram(1);
    } catch (const std::exception& error) {
        services.showError(QString::fromLocal8Bit(error.what()));
        services.endProgram(1);
    }
}
