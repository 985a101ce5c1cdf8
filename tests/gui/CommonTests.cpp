#include "ErrorBoundary.h"
#include "FileError.h"
#include "Harness.h"

#include <QtTest>

#include <cerrno>
#include <stdexcept>

class CommonTests : public QObject {
    Q_OBJECT

private slots:
    void fileErrorReachesBoundaryWithNumberTextAndPath() {
        FakeServices services;
        guarded(services,
                [] { throw workspace::FileError(ENOENT, "/games/Half-Life/cstrike/autoexec.tmp"); });
        QCOMPARE(
            services.errors,
            QStringList{QStringLiteral("Error %1: %2\n/games/Half-Life/cstrike/autoexec.tmp")
                            .arg(ENOENT)
                            .arg(QString::fromStdString(workspace::platformCategory().message(ENOENT)))});
        QCOMPARE(services.exitCode_, std::optional<int>(1));
    }

    void otherExceptionReachesBoundaryWithItsText() {
        FakeServices services;
        guarded(services, [] { throw std::runtime_error("registry text too long"); });
        QCOMPARE(services.errors, QStringList{QStringLiteral("registry text too long")});
        QCOMPARE(services.exitCode_, std::optional<int>(1));
    }

    void handlerWithoutErrorEndsNothing() {
        FakeServices services;
        int runs = 0;
        guarded(services, [&] { ++runs; });
        QCOMPARE(runs, 1);
        QVERIFY(services.errors.isEmpty());
        QVERIFY(!services.exitCode_);
    }
};

QTEST_MAIN(CommonTests)
#include "CommonTests.moc"
