// The restore points' window, frmRestore0, opened from frmTweak0: the list, the diff and a guarded restore.
#include "Harness.h"
#include "workspace/RestorePoints.h"
#include "workspace/Workspace.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>

#include <map>

namespace {

const QByteArray Script = "bind w +forward\r\n";
const QByteArray Config = "name \"player\"\r\n";
// What an apply changes.
const QString ChangedFiles =
    "cstrike/autoexec.cfg, cstrike/userconfig.cfg, cstrike/zentrimo.cfg, cstrike/autoexec.tmp, "
    "cstrike/zentrimo-userconfig.added, cstrike/zentrimo-config.before.";

std::map<QString, QByteArray> snapshot(const GameFolder& game) {
    std::map<QString, QByteArray> files;
    for (const QString& name : game.files())
        files[name] = game.read(name);
    return files;
}

// The list's lines without their local date and time, which depends on the machine's time zone.
QStringList pointLines(const QListWidget* list) {
    static const QRegularExpression time("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d, ");
    QStringList lines;
    for (int row = 0; row < list->count(); ++row) {
        QString line = list->item(row)->text();
        if (!time.match(line).hasMatch())
            return {"no local time: " + line};
        lines << line.remove(time);
    }
    return lines;
}

// The lines of a file after its first `skip`, each after the mark, as the diff shows them.
QString diffLines(char mark, const QByteArray& bytes, int skip) {
    QStringList lines = QString::fromUtf8(bytes).split(QStringLiteral("\r\n"));
    lines.removeLast();
    QString text;
    for (const QString& line : lines.mid(skip))
        text += mark + line + '\n';
    return text;
}

} // namespace

class RestoreWindowTests : public QObject {
    Q_OBJECT

private slots:
    // The player's files, an apply that keeps a point of them, then the window from frmTweak0.
    void init() {
        m_game.emplace();
        m_game->write("autoexec.cfg", Script);
        m_game->write("config.cfg", Config);
        m_program.emplace(*m_game);
        const workspace::RestorePoints points(m_program->state.restorePointsRoot,
                                              workspace::gameScripts(m_game->folder()));
        workspace::PrepareWorkspace(m_game->folder(), {"r_decals \"200\""});
        m_before = snapshot(*m_game);
        workspace::ApplyWorkspace(m_game->folder(), workspace::FileSteps(), &points);
        m_applied = snapshot(*m_game);
        m_program->showActive("frmTweak0");
        m_program->click("frmTweak0", "cmdRestore0");
        Program::settle();
    }
    void cleanup() {
        m_program.reset();
        m_game.reset();
    }

    void theWindowFitsTheScreenAndShowsThePoint() {
        QCOMPARE(Program::visibleForms(), QStringList{"frmRestore0"});
        QWidget* window = m_program->form("frmRestore0");
        const QRect screen = window->screen()->availableGeometry();
        QVERIFY(window->width() <= screen.width() && window->height() <= screen.height());
        QVERIFY(window->minimumWidth() < window->maximumWidth());
        for (const char* name : {"cmdRestorePoint0", "cmdRestoreClose0"}) {
            const auto* button = m_program->control<QPushButton>("frmRestore0", name);
            QVERIFY(window->rect().contains(QRect(button->mapTo(window, QPoint()), button->size())));
        }
        auto* list = m_program->control<QListWidget>("frmRestore0", "lstPoints0");
        QCOMPARE(QApplication::focusWidget(), list);
        QCOMPARE(pointLines(list), QStringList{"made before apply: differs from today in " + ChangedFiles});
        QCOMPARE(m_program->control<QPlainTextEdit>("frmRestore0", "txtRestoreDiff0")->toPlainText(),
                 "cstrike/autoexec.cfg would change:\n" + diffLines('-', m_applied["autoexec.cfg"], 1) +
                     "\ncstrike/userconfig.cfg would be removed:\n-exec zentrimo.cfg\n\n"
                     "cstrike/zentrimo.cfg would be removed:\n-r_decals \"200\"\n\n"
                     "cstrike/autoexec.tmp would be made again:\n" +
                     diffLines('+', m_before["autoexec.tmp"], 0) +
                     "\ncstrike/zentrimo-userconfig.added would be removed:\n-exec zentrimo.cfg\n\n"
                     "cstrike/zentrimo-config.before would be removed:\n");
    }

    // A "No" changes nothing; a "Yes" puts every file back byte for byte and lists the new point first.
    void restoreAsksFirst() {
        m_program->services.answers = {false};
        m_program->click("frmRestore0", "cmdRestorePoint0");
        QCOMPARE(m_program->services.questions.size(), 1);
        QCOMPARE(m_program->services.details.first(),
                 m_program->control<QPlainTextEdit>("frmRestore0", "txtRestoreDiff0")->toPlainText());
        QCOMPARE(snapshot(*m_game), m_applied);
        QCOMPARE(m_program->services.messages, QStringList());

        m_program->services.answers = {true};
        QTest::keyClick(m_program->form("frmRestore0"), Qt::Key_Return);
        QCOMPARE(m_program->services.questions.size(), 2);
        QCOMPARE(snapshot(*m_game), m_before);
        auto* list = m_program->control<QListWidget>("frmRestore0", "lstPoints0");
        const QString id = list->item(1)->data(Qt::UserRole).toString();
        QCOMPARE(m_program->services.messages,
                 QStringList{"The game's scripts are back as they were at restore point " + id +
                             ". What they held before is kept as a new restore point."});
        QCOMPARE(pointLines(list), (QStringList{"made before restore: differs from today in " + ChangedFiles,
                                                "made before apply: every file is as it is today."}));
        // The newest point now takes the apply back again.
        const QString diff =
            m_program->control<QPlainTextEdit>("frmRestore0", "txtRestoreDiff0")->toPlainText();
        QVERIFY2(diff.startsWith("cstrike/autoexec.cfg would change:\n" +
                                 diffLines('+', m_applied["autoexec.cfg"], 1) +
                                 "\ncstrike/userconfig.cfg would be made again:\n"),
                 qPrintable(diff));
        QVERIFY2(diff.contains("\ncstrike/autoexec.tmp would be removed:\n-bind w +forward\n"),
                 qPrintable(diff));
    }

    void closeAndEscapeGoBack_data() {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Close") << false;
        QTest::newRow("Escape") << true;
    }
    void closeAndEscapeGoBack() {
        QFETCH(bool, escape);
        if (escape)
            QTest::keyClick(m_program->form("frmRestore0"), Qt::Key_Escape);
        else
            m_program->click("frmRestore0", "cmdRestoreClose0");
        Program::settle();
        QCOMPARE(Program::visibleForms(), QStringList{"frmTweak0"});
        QCOMPARE(snapshot(*m_game), m_applied);
    }

private:
    std::optional<GameFolder> m_game;
    std::optional<Program> m_program;
    std::map<QString, QByteArray> m_before;
    std::map<QString, QByteArray> m_applied;
};

QTEST_MAIN(RestoreWindowTests)
#include "RestoreWindowTests.moc"
