#include "Harness.h"
#include "common/FormStyle.h"
#include "common/ProcessEnvironment.h"
#include "location/DirectoryList.h"
#include "location/DirectoryPage.h"
#include "location/DriveList.h"
#include "location/FolderPicker.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

#include <system_error>

namespace {

const QString NoConfigMessage =
    QStringLiteral("Couldn't find counter-strike config file, try specify another path");

QString native(const QString& path) {
    return QDir::toNativeSeparators(QDir(path).absolutePath());
}

// A directory list's entries from top to bottom, each indented by one blank a level.
QStringList entries(QTreeWidget* list) {
    QStringList lines;
    for (QTreeWidgetItemIterator it(list); *it; ++it) {
        int depth = 0;
        for (const QTreeWidgetItem* up = (*it)->parent(); up; up = up->parent())
            ++depth;
        lines << QString(depth, QLatin1Char(' ')) + (*it)->text(0);
    }
    return lines;
}

QTreeWidgetItem* entry(QTreeWidget* list, const QString& text) {
    return list->findItems(text, Qt::MatchExactly | Qt::MatchRecursive).value(0);
}

void doubleClick(QTreeWidget* list, const QString& text) {
    list->scrollToItem(entry(list, text));
    const QPoint centre = list->visualItemRect(entry(list, text)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
}

// The location windows, started in <tree>/Games, which holds the folders beta, Alpha, Gamma and
// .hidden and the file readme.txt.
struct Location : Program {
    Location() {
        for (const char* folder : {"beta", "Alpha", "Gamma", ".hidden"})
            QDir(tree.path()).mkpath(QStringLiteral("Games/") + QLatin1String(folder));
        QFile(games() + "/readme.txt").open(QIODevice::WriteOnly);
        QDir::setCurrent(games());
    }
    ~Location() { QDir::setCurrent(previousFolder); }

    QString games() const { return tree.path() + "/Games"; }
    DirectoryPage* frmDir() { return &route.directoryPage(); }
    FolderPicker* frmSpecify() { return &route.folderPicker(); }
    QPushButton* button(QWidget* form, const char* name) { return form->findChild<QPushButton*>(name); }
    DirectoryList* dirDir() { return frmSpecify()->findChild<DirectoryList*>(QStringLiteral("dirDir")); }
    DriveList* drvDir() { return frmSpecify()->findChild<DriveList*>(QStringLiteral("drvDir")); }
    QString gameRoot() const { return QString::fromStdString(state.gameFolder.given()); }
    void ok() { button(frmSpecify(), "cmdOk1")->click(); }

    void confirm(const QString& typed) {
        show(QStringLiteral("frmDir"));
        frmDir()->setDirectory(typed);
        button(frmDir(), "cmdNext2")->click();
    }
    void makeGame() {
        QDir(games()).mkpath(QStringLiteral("cstrike"));
        QFile(games() + "/cstrike/config.cfg").open(QIODevice::WriteOnly);
    }
    void activate(QWidget* form) { showActive(form->objectName()); }

    QString previousFolder = QDir::currentPath();
    QTemporaryDir tree;
};

} // namespace

class LocationTests : public QObject {
    Q_OBJECT

private slots:
    void arrowsShowWholeBesideTheBox() {
        Location location;
        DirectoryPage* frmDir = location.frmDir();
        auto* txtDir = frmDir->findChild<QLineEdit*>(QStringLiteral("txtDir"));
        const auto* label3 = frmDir->findChild<QLabel*>(QStringLiteral("Label3"));
        const auto* label2 = frmDir->findChild<QLabel*>(QStringLiteral("Label2"));
        QCOMPARE(label3->text(), ">>>>");
        QCOMPARE(label2->palette().color(QPalette::WindowText), Cyan);
        QCOMPARE(frmDir->childAt(txtDir->geometry().topLeft() + QPoint(1, 1)), txtDir);
        QVERIFY(label3->x() + label3->fontMetrics().horizontalAdvance(">>>>") <= txtDir->x());
        QVERIFY(label2->x() + label2->fontMetrics().horizontalAdvance("<<<<") <= frmDir->width());
    }

    void nextTakesTheBoxAsGameRootAndTestsIt() {
        Location location;
        const QString typed = QStringLiteral(" ") + location.games();
        location.makeGame();
        location.confirm(typed);
        QCOMPARE(location.services.messages, QStringList{NoConfigMessage});
        QCOMPARE(location.gameRoot(), typed);
        QCOMPARE(location.frmDir()->directory(), typed);
        QVERIFY(Program::shown("frmDir") && !Program::shown("frmTweak0"));

        location.confirm(location.games() + "/");
        QCOMPARE(location.gameRoot(), location.games() + "/");
        QVERIFY(Program::shown("frmTweak0") && !Program::shown("frmDir"));
        QCOMPARE(location.services.messages.size(), 1);
    }

    void dirFormKeyboard() {
        Location location;
        location.makeGame();
        DirectoryPage* frmDir = location.frmDir();
        location.activate(frmDir);
        auto* txtDir = frmDir->findChild<QLineEdit*>(QStringLiteral("txtDir"));
        QCOMPARE(QApplication::focusWidget(), txtDir);
        QTest::keyClick(txtDir, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), location.button(frmDir, "cmdNext2"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), location.button(frmDir, "cmdBack1"));
        location.state.gameFolder = files::GameFolder("before", environmentOfThisProcess().winePrefixInUse());
        QTest::keyClick(frmDir, Qt::Key_B, Qt::AltModifier);
        QTRY_VERIFY(Program::shown("frmMain") && !Program::shown("frmDir"));
        QCOMPARE(location.state.gameFolder.given(), "before");
        location.activate(frmDir);
        QTest::keyClick(frmDir, Qt::Key_N, Qt::AltModifier);
        QTRY_COMPARE(location.services.messages, QStringList{NoConfigMessage});
        QTest::keyClicks(txtDir, location.games());
        QTest::keyClick(txtDir, Qt::Key_Return);
        QVERIFY(Program::shown("frmTweak0"));
        QCOMPARE(location.gameRoot(), location.games());
    }

    void pickerStartsLikeADirectoryListAtTheCurrentFolder() {
        Location location;
        QStringList expected{QDir::toNativeSeparators(QDir::rootPath())};
        QStringList parts =
            QDir::fromNativeSeparators(native(location.games())).split('/', Qt::SkipEmptyParts);
#ifdef Q_OS_WIN
        parts.removeFirst(); // the drive is the root's entry
#endif
        for (const QString& part : parts)
            expected << QString(expected.size(), ' ') + part;
        const QString indent(expected.size(), ' ');
        // Hidden folders too: Steam keeps its own under ~/.steam and ~/.local.
        expected << indent + ".hidden" << indent + "Alpha" << indent + "beta" << indent + "Gamma";
        QCOMPARE(entries(location.dirDir()), expected);
        QCOMPARE(entry(location.dirDir(), "beta")->toolTip(0), native(location.games() + "/beta"));
        QCOMPARE(location.dirDir()->currentItem()->text(0), "Games");
        QCOMPARE(location.drvDir()->root(), location.drvDir()->rootOf(location.games()));
    }

    void okHandsOverTheOpenFolderNotTheHighlightedOne() {
        Location location;
        location.show(QStringLiteral("frmSpecify"));
        DirectoryList* dirDir = location.dirDir();
        QTreeWidgetItem* beta = entry(dirDir, "beta");
        dirDir->scrollToItem(beta);
        QTest::mouseClick(dirDir->viewport(), Qt::LeftButton, {}, dirDir->visualItemRect(beta).center());
        QCOMPARE(dirDir->currentItem(), beta);
        location.ok();
        QCOMPARE(location.frmDir()->directory(), native(location.games()));
        QVERIFY(Program::shown("frmDir") && !Program::shown("frmSpecify"));
        QVERIFY(location.state.gameFolder.given().empty());

        location.show(QStringLiteral("frmSpecify"));
        doubleClick(dirDir, "Alpha");
        QCOMPARE(entries(dirDir).last().trimmed(), "Alpha");
        location.ok();
        QCOMPARE(location.frmDir()->directory(), native(location.games() + "/Alpha"));
    }

    void enterOpensTheHighlightedFolderAndARootKeepsItsSeparator() {
        Location location;
        DirectoryList* dirDir = location.dirDir();
        const QString root = QDir::toNativeSeparators(QDir::rootPath());
        dirDir->setCurrentItem(entry(dirDir, root));
        QTest::keyClick(dirDir, Qt::Key_Return);
        QCOMPARE(entries(dirDir).first(), root);
        location.ok();
        QCOMPARE(location.frmDir()->directory(), root);
        QVERIFY(root.endsWith(QDir::separator()));
    }

    void anUnreadableFolderIsReportedAndThePickerStays() {
        Location location;
        location.show(QStringLiteral("frmSpecify"));
        DirectoryList* dirDir = location.dirDir();
        QVERIFY(QDir(location.games() + "/beta").removeRecursively());
        const QStringList before = entries(dirDir);
        doubleClick(dirDir, "beta");
        const QString reason =
            QString::fromLocal8Bit(std::make_error_code(std::errc::no_such_file_or_directory).message());
        QCOMPARE(location.services.messages,
                 QStringList{"Cannot read " + native(location.games() + "/beta") + ": " + reason});
        QCOMPARE(dirDir->path(), native(location.games()));
        QCOMPARE(entries(dirDir), before);
        doubleClick(dirDir, "Gamma");
        QCOMPARE(dirDir->path(), native(location.games() + "/Gamma"));
    }

    void aDriveOpensAtItsRootOrTheCurrentFolderUnlessUnreadable() {
        Location location;
        DriveList* drvDir = location.drvDir();
        const int home = drvDir->currentIndex();
        location.dirDir()->open(location.games() + "/beta");
        // A volume mounted beside the current folder, and one whose medium is gone.
        const QString stick = location.tree.path() + "/stick";
        QVERIFY(QDir(stick).mkpath(QStringLiteral("photos")));
        drvDir->addItem(QStringLiteral("stick"), stick);
        drvDir->addItem(QStringLiteral("ejected"), location.tree.path() + "/ejected");

        drvDir->setCurrentIndex(drvDir->findText("stick"));
        QCOMPARE(entries(location.dirDir()).last().trimmed(), "photos");
        drvDir->setCurrentIndex(home);
        QCOMPARE(location.dirDir()->path(), native(location.games()));
        QVERIFY(location.services.messages.isEmpty());

        drvDir->setCurrentIndex(drvDir->findText("ejected"));
        QCOMPARE(location.services.messages.size(), 1);
        QVERIFY(location.services.messages[0].startsWith("Cannot read " +
                                                         native(location.tree.path() + "/ejected") + ": "));
        QCOMPARE(drvDir->currentIndex(), home);
        QCOMPARE(location.dirDir()->path(), native(location.games()));
    }

    void pickerKeyboard() {
        Location location;
        FolderPicker* frmSpecify = location.frmSpecify();
        location.activate(frmSpecify);
        QCOMPARE(QApplication::focusWidget(), location.dirDir());
        QTest::keyClick(location.dirDir(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), location.button(frmSpecify, "cmdOk1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), location.drvDir());
        QTest::keyClick(frmSpecify, Qt::Key_O, Qt::AltModifier);
        QTRY_VERIFY(Program::shown("frmDir"));
        QCOMPARE(location.frmDir()->directory(), native(location.games()));
    }

    void aLongFolderShowsItsEndAndWholeAsTooltip() {
        Location location;
        const QString folder =
            location.games() + "/" + QString("a folder with a long name ").repeated(6) + "Half-Life";
        auto* txtDir = location.frmDir()->findChild<QLineEdit*>(QStringLiteral("txtDir"));
        txtDir->setText("short");
        txtDir->home(false);
        location.frmDir()->setDirectory(folder);
        location.activate(location.frmDir());
        QCOMPARE(txtDir->text(), folder);
        QCOMPARE(txtDir->toolTip(), folder);
        QCOMPARE(txtDir->cursorPosition(), folder.size());
        QVERIFY(txtDir->fontMetrics().horizontalAdvance(folder) > txtDir->width());
        QTest::keyClick(txtDir, Qt::Key_Backspace);
        QCOMPARE(txtDir->toolTip(), folder.chopped(1));
    }

    // What a Linux player calls drives among the mounted file systems.
    void volumesAreThePlayersOwn() {
#ifdef Q_OS_WIN
        QSKIP("Linux only: the home folder, mounted volumes and Wine drives are the Linux program's places");
#endif
        const QString mountInfo =
            "22 27 0:21 / /proc rw,relatime - proc proc rw\n"
            "27 1 254:0 / / rw,relatime - ext4 /dev/vda rw\n"
            "28 27 0:25 / /mnt/sandbox ro,nosuid - tmpfs tools ro,size=4k\n"
            "40 27 8:17 / /media/me/USB\\040Stick rw,nosuid shared:7 - vfat /dev/sdb1 rw\n"
            "41 27 8:18 / /run/media/me/DATA rw,nosuid - ext4 /dev/sdc1 rw\n"
            "42 27 254:0 /var/lib/docker/containers/1/hosts /etc/hosts rw - ext4 /dev/vda rw\n"
            "43 27 254:0 /usr/share /srv/share rw,relatime - ext4 /dev/vda rw\n"
            "44 27 8:19 /@games /mnt/games rw,relatime - btrfs /dev/sdd rw\n"
            "45 27 8:20 / /mnt/locked rw - ext4 /dev/sde rw\n"
            "46 27 11:0 / /mnt/cdrom ro - iso9660 /dev/sr0 ro\n"
            "47 27 8:1 / /boot/efi rw - vfat /dev/sda1 rw\n"
            "48 27 0:50 / /home/me/.cache/doc rw - fuse.portal portal rw\n"
            "49 27 8:33 / /mnt/old rw - ext4 /dev/sdg rw\n"
            "50 27 8:33 / /mnt/old ro - ext4 /dev/sdg ro\n"
            "a line that is no mount\n";
        const auto writable = [](const QString& folder) { return folder != "/mnt/locked"; };
        QCOMPARE(playerVolumes(mountInfo, writable),
                 (QList<Drive>{
                     {"Volume (/media/me/USB Stick)", "/media/me/USB Stick"},
                     {"Volume (/mnt/games)", "/mnt/games"},
                     {"Volume (/run/media/me/DATA)", "/run/media/me/DATA"},
                 }));
    }

    // The home folder first, the game's places after the drives, each folder once; a start folder on
    // none of them brings its volume.
    void theDriveListOffersHomeAndTheGamesPlaces() {
#ifdef Q_OS_WIN
        QSKIP("Linux only: the home folder, mounted volumes and Wine drives are the Linux program's places");
#endif
        Location location;
        const QString library = location.tree.path() + "/library";
        QVERIFY(QDir().mkpath(library));
        DriveList drives({{"Steam library", library}, {"Wine C:", QDir::homePath() + "/"}});
        QCOMPARE(drives.itemData(0).toString(), QDir::homePath());
        QVERIFY(drives.itemText(0).startsWith("Home ("));
        QCOMPARE(drives.itemText(drives.count() - 1), "Steam library");
        QCOMPARE(drives.itemData(drives.count() - 1, Qt::ToolTipRole).toString(),
                 QDir::toNativeSeparators(library));
        QCOMPARE(drives.findText("Wine C:"), -1);
        const int before = drives.count();
        drives.showDriveOf(library + "/steamapps");
        QCOMPARE(drives.root(), library);
        drives.show();
        QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), drives.mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(&drives, &help);
        QCOMPARE(QToolTip::text(), QDir::toNativeSeparators(library));
        drives.showDriveOf(location.games());
        QCOMPARE(drives.count(), before + 1);
        QCOMPARE(drives.root(), QStorageInfo(location.games()).rootPath());
        QCOMPARE(drives.rootOf(location.games()), drives.root());
    }

    // The picker's drive list holds each Steam library and each Wine drive found.
    void thePickerOffersSteamLibrariesAndWineDrives() {
#ifdef Q_OS_WIN
        QSKIP("Linux only: the home folder, mounted volumes and Wine drives are the Linux program's places");
#endif
        QTemporaryDir steam;
        QTemporaryDir prefix;
        const QString library = QDir(steam.path()).filePath("library");
        QVERIFY(QDir().mkpath(steam.filePath("steamapps")) && QDir().mkpath(library));
        writeFile(steam.filePath("steamapps/libraryfolders.vdf"),
                  "\"libraryfolders\"\n{\n\t\"1\"\n\t{\n\t\t\"path\"\t\t\"" + library.toUtf8() +
                      "\"\n\t}\n}\n");
        QVERIFY(QDir().mkpath(prefix.filePath("dosdevices")) && QDir().mkpath(prefix.filePath("drive_c")));
        QVERIFY(QFile::link("../drive_c", prefix.filePath("dosdevices/c:")));
        QVERIFY(QFile::link(library, prefix.filePath("dosdevices/d:")));
        const QByteArray previousPrefix = qgetenv("WINEPREFIX");
        const QByteArray previousSteam = qgetenv("STEAM_DIR");
        qputenv("WINEPREFIX", prefix.path().toLocal8Bit());
        qputenv("STEAM_DIR", steam.path().toLocal8Bit());
        QStringList offered;
        {
            Location location;
            for (int index = 0; index < location.drvDir()->count(); ++index)
                offered << location.drvDir()->itemText(index);
        }
        qputenv("WINEPREFIX", previousPrefix);
        qputenv("STEAM_DIR", previousSteam);
        QVERIFY2(offered.contains("Steam library (" + steam.path() + ")"), qPrintable(offered.join('|')));
        QVERIFY2(offered.contains("Steam library (" + library + ")"), qPrintable(offered.join('|')));
        QVERIFY2(offered.contains("Wine C: (" + prefix.filePath("drive_c") + ")"),
                 qPrintable(offered.join('|')));
        // Drive D: is the library again.
        QCOMPARE(offered.filter(library).size(), 1);
        QCOMPARE(offered.first(), "Home (" + QDir::homePath() + ")");
    }
};

QTEST_MAIN(LocationTests)
#include "LocationTests.moc"
