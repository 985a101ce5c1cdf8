#include "ErrorBoundary.h"
#include "FakeServices.h"
#include "FileError.h"
#include "WindowChain.h"

#include <QCloseEvent>
#include <QCoreApplication>
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
        QCOMPARE(services.errors,
                 QStringList{QStringLiteral("Error %1: %2\n/games/Half-Life/cstrike/autoexec.tmp")
                                 .arg(ENOENT)
                                 .arg(QString::fromStdString(std::generic_category().message(ENOENT)))});
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

    void formsAreMadeOnceAndKeptWhenHidden() {
        FakeServices services;
        WindowChain chain(services);
        int made = 0;
        chain.add("frmOne", [&] {
            ++made;
            return new QWidget;
        });
        chain.add("frmTwo", [&] {
            ++made;
            return new QWidget;
        });
        QCOMPARE(chain.existing("frmOne"), nullptr);

        chain.show("frmOne");
        QWidget* one = chain.existing("frmOne");
        QVERIFY(one && one->isVisible());
        QCOMPARE(one->objectName(), QStringLiteral("frmOne"));

        chain.moveOn(one, "frmTwo");
        QVERIFY(!one->isVisible());
        QVERIFY(chain.existing("frmTwo")->isVisible());

        chain.moveOn(chain.existing("frmTwo"), "frmOne");
        QCOMPARE(chain.existing("frmOne"), one);
        QVERIFY(one->isVisible());
        QCOMPARE(made, 2);
    }

    void closeControlEndsProgramCleanly() {
        FakeServices services;
        WindowChain chain(services);
        chain.add("frmOne", [] { return new QWidget; });
        chain.show("frmOne");
        QCloseEvent close;
        QCoreApplication::sendEvent(chain.existing("frmOne"), &close);
        QCOMPARE(services.exitCode_, std::optional<int>(0));
        QVERIFY(!close.isAccepted());
    }
};

QTEST_MAIN(CommonTests)
#include "CommonTests.moc"
