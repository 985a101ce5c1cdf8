// Renders every form and every message box of the program to PNG files, so that a reviewer sees them
// all at once: the forms as they open (the focus ring where the keyboard is), the boxes with the texts
// the program really shows, each reached the way a player reaches it.

#include "Harness.h"
#include "app/StartWindow.h"
#include "common/MessageBox.h"
#include "location/DirectoryList.h"
#include "location/DirectoryPage.h"
#include "wizard/PageSpec.h"

#include <QDir>
#include <QTest>

#include <optional>

namespace {

struct Box {
    BoxKind kind;
    QString text;
};

QList<Box> boxesOf(const FakeServices& services) {
    QList<Box> boxes;
    for (const QString& text : services.errors)
        boxes.append({BoxKind::Error, text});
    for (const QString& text : services.messages)
        boxes.append({BoxKind::Message, text});
    for (const QString& text : services.questions)
        boxes.append({BoxKind::Question, text});
    return boxes;
}

} // namespace

class Screenshots : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        m_folder =
            QDir(QDir(qEnvironmentVariable("SCREENSHOT_DIR", QStringLiteral("screenshots"))).absolutePath());
        QVERIFY(m_folder.mkpath(QStringLiteral(".")));
        if (const int pixels = qEnvironmentVariableIntValue("SCREENSHOT_FONT_PIXELS"); pixels > 0) {
            QFont font = QApplication::font();
            font.setPixelSize(pixels);
            QApplication::setFont(font);
        }
        if (const std::optional<QString> language = testLanguage()) {
            m_language.emplace(*language);
            QVERIFY2(m_language->loaded(), qPrintable(*language));
        }
        // A Wine prefix that reaches the Unix root through drive Z:, with no game registered.
        QVERIFY(QDir(m_prefix.path()).mkdir(QStringLiteral("dosdevices")));
        QVERIFY(QFile::link(QStringLiteral("/"), m_prefix.filePath(QStringLiteral("dosdevices/z:"))));
        qputenv("WINEPREFIX", m_prefix.path().toLocal8Bit());
        qputenv("HOME", m_home.path().toLocal8Bit());
        qputenv("STEAM_DIR", m_home.path().toLocal8Bit());
        QDir::setCurrent(m_home.path());
    }

    void forms() {
        GameFolder game;
        Program program(game);
        program.startAndReveal();
        for (int tick = 0; tick < 228; ++tick)
            program.route.startWindow().slideStep();
        save(program, QStringLiteral("frmMain"));
        program.route.directoryPage().setDirectory(game.rootPath());
        save(program, QStringLiteral("frmDir"));
        save(program, QStringLiteral("frmSpecify"));
        for (const wizard::Step& step : wizard::wizardSteps())
            save(program, std::visit([](const auto& described) { return described.form; }, step));
    }

    void messageBoxes() {
        {
            Program program({QStringLiteral("input.dll")});
            program.route.start();
            m_boxes += boxesOf(program.services);
        }
        {
            Program program;
            program.startAndReveal();
            program.click(QStringLiteral("frmMain"), QStringLiteral("cmdNext1"));
            program.click(QStringLiteral("frmDir"), QStringLiteral("cmdNext2"));
            program.control<DirectoryList>(QStringLiteral("frmSpecify"), QStringLiteral("dirDir"))
                ->open(m_home.filePath(QStringLiteral("ejected")));
            m_boxes += boxesOf(program.services);
        }
        refusals();
        quitAndUninstall();
        fileError();
        for (qsizetype index = 0; index < m_boxes.size(); ++index) {
            FormMessageBox box(m_boxes[index].kind, m_boxes[index].text, nullptr);
            box.show();
            QVERIFY(QTest::qWaitForWindowExposed(&box));
            QVERIFY(box.grab().save(
                m_folder.filePath(QStringLiteral("box-%1.png").arg(index + 1, 2, 10, QLatin1Char('0')))));
        }
    }

private:
    void save(Program& program, const QString& form) {
        const int number = ++m_forms;
        for (QWidget* window : QApplication::topLevelWidgets())
            window->hide();
        program.showActive(form);
        // What the form does once it is on screen.
        QVERIFY(QTest::qWaitForWindowExposed(program.form(form)));
        QCoreApplication::processEvents();
        QVERIFY(program.form(form)->grab().save(
            m_folder.filePath(QStringLiteral("%1-%2.png").arg(number, 2, 10, QLatin1Char('0')).arg(form))));
    }

    // Each refusal of a value out of range: the form, its fields' texts in order, its Next button.
    void refusals() {
        GameFolder game;
        game.write(QStringLiteral("autoexec.tmp"), QByteArray());
        Program program(game);
        const QList<std::tuple<QString, QStringList, QStringList, QString>> typed{
            {"frmTweak7", {"txtTweak7"}, {"30"}, "cmdTweak7"},
            {"frmTweak8", {"txtBright", "txtGamma"}, {"5", "1"}, "cmdTweak8"},
            {"frmTweak8", {"txtBright", "txtGamma"}, {"1", "9"}, "cmdTweak8"},
            {"frmTweak11", {"txtMip"}, {"11"}, "cmdtweak11"},
        };
        for (const auto& [form, fields, texts, next] : typed) {
            program.show(form);
            for (qsizetype index = 0; index < fields.size(); ++index)
                program.retype(form, fields[index], texts[index]);
            program.click(form, next);
        }
        m_boxes += boxesOf(program.services);
    }

    void quitAndUninstall() {
        GameFolder game;
        Program program(game);
        program.services.answers = {false};
        program.show(QStringLiteral("frmTweak0"));
        program.click(QStringLiteral("frmTweak0"), QStringLiteral("cmdUninstall"));
        game.write(QStringLiteral("Zentrimo.dll"), QByteArray());
        program.click(QStringLiteral("frmTweak0"), QStringLiteral("cmdUninstall"));
        program.show(QStringLiteral("frmSound0"));
        program.click(QStringLiteral("frmSound0"), QStringLiteral("cmdQuit0"));
        m_boxes += boxesOf(program.services);
    }

    // A game folder without its cstrike folder, given as Wine gives it: the error names the Unix path.
    void fileError() {
        GameFolder game(false);
        Program program;
        program.state.gameFolder = files::GameFolder(
            ("Z:" + QDir::toNativeSeparators(game.rootPath()).replace('/', '\\')).toStdString(),
            m_prefix.path().toStdString());
        program.show(QStringLiteral("frmTweak1"));
        program.click(QStringLiteral("frmTweak1"), QStringLiteral("cmdTweak1"));
        m_boxes += boxesOf(program.services);
    }

    QDir m_folder;
    QTemporaryDir m_prefix;
    QTemporaryDir m_home;
    std::optional<InLanguage> m_language;
    int m_forms = 0;
    QList<Box> m_boxes;
};

QTEST_MAIN(Screenshots)
#include "Screenshots.moc"
