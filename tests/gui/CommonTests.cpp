#include "Harness.h"
#include "common/ErrorBoundary.h"
#include "common/FormStyle.h"
#include "common/MessageBox.h"
#include "common/PlayerPath.h"
#include "files/FileError.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <cerrno>
#include <stdexcept>

class CommonTests : public QObject {
    Q_OBJECT

private slots:
    void fileErrorReachesBoundaryWithNumberTextAndPath() {
        FakeServices services;
        guarded(services, [] { throw files::FileError(ENOENT, "/games/Half-Life/cstrike/autoexec.tmp"); });
        QCOMPARE(services.errors,
                 QStringList{QStringLiteral("Error %1: %2\n/games/Half-Life/cstrike/autoexec.tmp")
                                 .arg(ENOENT)
                                 .arg(QString::fromStdString(files::platformCategory().message(ENOENT)))});
        QCOMPARE(services.exitCode_, std::optional<int>(1));
    }

    // A Wine prefix whose drive C: is its drive_c folder and whose drive Z: is the Unix root, as Wine
    // makes them, and a game folder with a cstrike folder in it.
    void init() {
        m_prefix.emplace();
        QVERIFY(QDir(m_prefix->path()).mkpath("dosdevices") &&
                QDir(m_prefix->path()).mkpath("drive_c/Games"));
        QVERIFY(QFile::link("../drive_c", m_prefix->filePath("dosdevices/c:")));
        QVERIFY(QFile::link("/", m_prefix->filePath("dosdevices/z:")));
        qputenv("WINEPREFIX", m_prefix->path().toLocal8Bit());
    }

    void theBoundaryNamesAPathAsThePlayerKnowsIt() {
#ifdef Q_OS_WIN
        QSKIP(
            "Linux only: Wine's drive links are the Linux program's; under Windows, Wine shows its drives itself");
#endif
        FakeServices services;
        const QString game = m_game.filePath("cstrike/autoexec.cfg");
        guarded(services, [&] {
            throw files::FileError(EACCES, (m_prefix->filePath("dosdevices/z:") + game).toStdString());
        });
        QCOMPARE(
            services.errors,
            QStringList{QStringLiteral("Error %1: %2\n%3")
                            .arg(EACCES)
                            .arg(QString::fromStdString(std::generic_category().message(EACCES)), game)});
    }

    void wineDrivesLeadToThePlayersFolders_data() {
        QTest::addColumn<QString>("path");     // under the prefix's dosdevices folder unless absolute
        QTest::addColumn<QString>("expected"); // under the prefix unless absolute
        QTest::newRow("Z: to the root") << "dosdevices/z:/home/me/Half-Life/cstrike/config.cfg"
                                        << "/home/me/Half-Life/cstrike/config.cfg";
        QTest::newRow("C: to drive_c") << "dosdevices/c:/Games/x.cfg"
                                       << "drive_c/Games/x.cfg";
        QTest::newRow("a drive itself") << "dosdevices/c:"
                                        << "drive_c";
        QTest::newRow("no such drive") << "dosdevices/q:/Games"
                                       << "dosdevices/q:/Games";
        QTest::newRow("not a drive") << "dosdevices/com1/x"
                                     << "dosdevices/com1/x";
        QTest::newRow("no prefix") << "/home/me/Half-Life"
                                   << "/home/me/Half-Life";
    }
    void wineDrivesLeadToThePlayersFolders() {
#ifdef Q_OS_WIN
        QSKIP(
            "Linux only: Wine's drive links are the Linux program's; under Windows, Wine shows its drives itself");
#endif
        QFETCH(QString, path);
        QFETCH(QString, expected);
        const auto underPrefix = [&](const QString& text) {
            return text.startsWith('/') ? text : m_prefix->filePath(text);
        };
        QCOMPARE(QString::fromStdString(files::asThePlayerKnowsIt(underPrefix(path).toStdString()).string()),
                 underPrefix(expected));
    }

    void aWindowsFolderIsShownAsThePlayersOwn() {
#ifdef Q_OS_WIN
        QSKIP(
            "Linux only: Wine's drive links are the Linux program's; under Windows, Wine shows its drives itself");
#endif
        QVERIFY(QDir(m_game.path()).mkpath("Half-Life"));
        const QString native = QString(m_game.path()).replace('/', '\\');
        QCOMPARE(playerFolder("Z:" + native + "\\half-life", prefix()), m_game.filePath("Half-Life"));
        QCOMPARE(playerFolder("c:\\games\\", prefix()), m_prefix->filePath("drive_c/Games/"));
        QCOMPARE(playerFolder("Q:\\Games", prefix()), "Q:\\Games");
        QCOMPARE(playerFolder(m_game.path(), prefix()), m_game.path());
        QCOMPARE(playerFolder(QString(), prefix()), QString());
        // A root the core refuses stays as it was given.
        const QString withNul = QString("Z:\\a") + QChar(0) + "b";
        QCOMPARE(playerFolder(withNul, prefix()), withNul);
        QCOMPARE(wineDrives(prefix()),
                 (QList<std::pair<QString, QString>>{{"C:", m_prefix->filePath("drive_c")}, {"Z:", "/"}}));
    }

    // Boxes in the forms' look: titled, light text on the dark picture, the described buttons.
    void messageBoxesLookLikeTheForms_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QStringList>("buttons");
        QTest::newRow("message") << int(BoxKind::Message) << int(QMessageBox::NoIcon) << QStringList{"OK"};
        QTest::newRow("error") << int(BoxKind::Error) << int(QMessageBox::Critical) << QStringList{"OK"};
        QTest::newRow("question") << int(BoxKind::Question) << int(QMessageBox::NoIcon)
                                  << QStringList{"&Yes", "&No"};
    }
    void messageBoxesLookLikeTheForms() {
        QFETCH(int, kind);
        QFETCH(int, icon);
        QFETCH(QStringList, buttons);
        FormMessageBox box(BoxKind(kind),
                           "Couldn't find counter-strike config file, try specify another path", nullptr);
        QCOMPARE(box.windowTitle(), "Zentrimo");
        QCOMPARE(int(box.icon()), icon);
        QStringList captions;
        for (const QAbstractButton* button : box.buttons())
            captions << button->text();
        captions.sort();
        buttons.sort();
        QCOMPARE(captions, buttons);
        QCOMPARE(box.defaultButton()->text(), kind == int(BoxKind::Question) ? "&Yes" : "OK");
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        const QImage picture = box.grab().toImage();
        const auto* text = box.findChild<QLabel*>("qt_msgbox_label");
        const QRect area(text->mapTo(&box, QPoint()), text->size());
        // The text's strokes against the picture behind them.
        const QColor background = picture.pixelColor(area.topLeft());
        int strokes = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                strokes += contrast(picture.pixelColor(x, y), background) >= 7;
        QVERIFY(strokes > 50);
        // The background is the forms' dark picture, not the desktop's light grey.
        QVERIFY(qGray(picture.pixel(2, 2)) < 60 &&
                qGray(picture.pixel(picture.width() - 3, picture.height() - 3)) < 60);
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

private:
    std::optional<QTemporaryDir> m_prefix;
    std::filesystem::path prefix() const {
        return m_prefix->path().toStdString();
    }
    QTemporaryDir m_game;
};

QTEST_MAIN(CommonTests)
#include "CommonTests.moc"
