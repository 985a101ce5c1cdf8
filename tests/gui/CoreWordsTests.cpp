// The core's messages in the program's language: English, byte for byte the core's, while no translation
// is loaded; with one, the windows and the console text speak it and the JSON stays English.
#include "Harness.h"
#include "app/ReportCommand.h"
#include "common/ProcessEnvironment.h"
#include "game/FolderReport.h"
#include "game/RunPreview.h"
#include "wizard/CheckLists.h"
#include "wizard/CoreWords.h"
#include "workspace/ApplyFixes.h"
#include "workspace/RestorePointText.h"

#include <QListWidget>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <filesystem>
#include <map>
#include <sstream>

namespace fs = std::filesystem;
using game::Message;
using game::Phrase;

namespace {

// A translation made in the test: a few of the core's sources, and one with plural forms.
class TestTranslation : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int n) const override {
        const auto found = Words.find({context, source});
        if (found == Words.end())
            return {};
        return n == 1 && !found->second.second.isEmpty() ? found->second.second : found->second.first;
    }
    bool isEmpty() const override { return false; }

private:
    using Key = std::pair<std::string, std::string>;
    const std::map<Key, std::pair<QString, QString>> Words{
        {{"game", "%1 line %2"}, {"%1 Zeile %2", {}}},
        {{"game", "set again by %1"}, {"erneut gesetzt von %1", {}}},
        {{"game", "Settings as the game will have them:"},
         {"Einstellungen, wie das Spiel sie haben wird:", {}}},
        {{"game", "Decals"}, {"Abziehbilder", {}}},
        {{"game", "Shadows"}, {"Schatten", {}}},
        {{"game",
          "Lines: %1. They take effect: %2. Changed by the game: %3. Without effect: %4. Not in today's game: %5."},
         {"Zeilen: %1. Wirksam: %2.", {}}},
        {{"workspace", "Restore points of %1, newest first:"}, {"Wiederherstellungspunkte von %1:", {}}},
        {{"workspace", "%1  %2  made before %3"}, {"%1  %2  vor %3", {}}},
        {{"workspace", "@@ line %1 @@"}, {"@@ Zeile %1 @@", {}}},
        {{"console", "Applied %n fixes."}, {"%n Korrekturen angewandt.", "Eine Korrektur angewandt."}},
        {{"game", "%1 (%2) takes effect."}, {"%1 (%2) wirkt.", {}}},
        {{"game",
          "%n commands after exec userconfig.cfg, where the game writes none: a server may have added them"},
         {"%n Befehle nach exec userconfig.cfg", "ein Befehl nach exec userconfig.cfg"}},
    };
};

// Stand-ins for every placeholder: one holds a placeholder itself, which must reach the text as it is.
std::vector<game::Argument> standIns() {
    return {std::string("A%2"), std::string("B"), game::markedText("Decals"),
            std::string("D"),   std::string("E"), std::string("F")};
}

} // namespace

class CoreWordsTests : public QObject {
    Q_OBJECT

private slots:
    void everyIdWithoutATranslationIsTheCoresEnglish() {
        for (const Phrase phrase : game::allPhrases())
            for (const std::optional<std::size_t> count :
                 {std::optional<std::size_t>{}, std::optional<std::size_t>{1},
                  std::optional<std::size_t>{4}}) {
                const Message message{phrase, standIns(), count};
                QCOMPARE(QString::fromStdString(wizard::utf8WordsOf(message)),
                         QString::fromStdString(game::english(message)));
            }
    }

    void aTranslationFillsItsPlaceholdersOnce() {
        TestTranslation translation;
        QCoreApplication::installTranslator(&translation);
        const Message again{Phrase::WhySetAgain,
                            {Message{Phrase::PlaceLine, {std::string("cstrike/%2.cfg"), "3"}}}};
        QCOMPARE(wizard::wordsOf(again), QStringLiteral("erneut gesetzt von cstrike/%2.cfg Zeile 3"));
        QCOMPARE(wizard::wordsOf(Message{Phrase::TakesEffect, {game::markedText("Decals"), "r_decals"}}),
                 QStringLiteral("Abziehbilder (r_decals) wirkt."));
        QCOMPARE(wizard::wordsOf(Message{Phrase::WarnAfterUserconfig, {}, 1}),
                 QStringLiteral("ein Befehl nach exec userconfig.cfg"));
        QCOMPARE(wizard::wordsOf(Message{Phrase::WarnAfterUserconfig, {}, 5}),
                 QStringLiteral("5 Befehle nach exec userconfig.cfg"));
        // What the translation lacks stays English.
        QCOMPARE(wizard::wordsOf(Message{Phrase::PlaceGame}), QStringLiteral("the game"));
        QCoreApplication::removeTranslator(&translation);
        QCOMPARE(wizard::wordsOf(again), QStringLiteral("set again by cstrike/%2.cfg line 3"));
    }

    // The quit question's details and its review of the lines, as SectionStartPage shows them.
    void theQuitPreviewSpeaksTheLanguage() {
        const std::string_view run = "r_shadows \"1\"\r\n";
        QCOMPARE(
            QString::fromStdString(game::previewOfRun(run, {}, wizard::programWording())),
            QStringLiteral("Lines: 1. They take effect: 1. Changed by the game: 0. Without effect: 0. Not in "
                           "today's game: 0.\nr_shadows \"1\": Shadows (r_shadows) takes effect.\n"));
        TestTranslation translation;
        QCoreApplication::installTranslator(&translation);
        const std::string preview = game::previewOfRun(run, {}, wizard::programWording());
        const std::vector<game::ReviewedLine> review = game::reviewOfRun(run, wizard::programWording());
        QCoreApplication::removeTranslator(&translation);
        QCOMPARE(QString::fromStdString(preview),
                 QStringLiteral("Zeilen: 1. Wirksam: 1.\nr_shadows \"1\": Schatten (r_shadows) wirkt.\n"));
        QCOMPARE(review.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(review.front().today), QStringLiteral("Schatten (r_shadows) wirkt."));
    }

    // The restore points as --restore-points lists them, and a fix's diff: translated; the JSON is not.
    void restorePointsAndDiffsSpeakTheLanguage() {
        workspace::Manifest manifest{"2026-12-09T19:50:00Z", workspace::MadeBy::Fix, "/games/hl", {}};
        const std::vector<workspace::PointSummary> points{{"20261209-195000", manifest, false}};
        const std::vector<game::Fix> fixes{{"f",
                                            game::FixKind::Ignored,
                                            {"cstrike/a.cfg", 4},
                                            {Phrase::UnknownLine},
                                            {{"cstrike/a.cfg", 4, "gl_texsort 1", ""}}}};
        const std::string json = workspace::pointsJson("/games/hl", points);
        TestTranslation translation;
        QCoreApplication::installTranslator(&translation);
        const std::string text = workspace::pointsText("/games/hl", points, wizard::programWording());
        const std::string diff = workspace::diffText(fixes, wizard::programWording());
        const std::string translatedJson = workspace::pointsJson("/games/hl", points);
        QCoreApplication::removeTranslator(&translation);
        QCOMPARE(
            QString::fromStdString(text),
            QStringLiteral(
                "Wiederherstellungspunkte von /games/hl:\n20261209-195000  2026-12-09T19:50:00Z  vor fix\n"));
        QCOMPARE(QString::fromStdString(diff),
                 QStringLiteral("--- cstrike/a.cfg\n+++ cstrike/a.cfg\n@@ Zeile 4 @@\n-gl_texsort 1\n"));
        QCOMPARE(translatedJson, json);
        QCOMPARE(QString::fromStdString(workspace::pointsText("/games/hl", points)),
                 QStringLiteral(
                     "Restore points of /games/hl, newest first:\n20261209-195000  2026-12-09T19:50:00Z  "
                     "made before fix\n"));
    }

    // The console's counts: English says one in its own words while no translation is loaded.
    void consoleCountsSayOneAndMore() {
        const auto applied = [](int n) {
            return wizard::counted(QCoreApplication::translate("console", "Applied %n fixes.", nullptr, n),
                                   "Applied %n fixes.", "Applied %n fix.", n);
        };
        QCOMPARE(applied(1), QStringLiteral("Applied 1 fix."));
        QCOMPARE(applied(3), QStringLiteral("Applied 3 fixes."));
        TestTranslation translation;
        QCoreApplication::installTranslator(&translation);
        const QString one = applied(1);
        const QString three = applied(3);
        QCoreApplication::removeTranslator(&translation);
        QCOMPARE(one, QStringLiteral("Eine Korrektur angewandt."));
        QCOMPARE(three, QStringLiteral("3 Korrekturen angewandt."));
    }

    // The Check game window's problems: an own line set again later, in the loaded language.
    void theWindowShowsTheTranslation() {
        game::FolderCheck check;
        check.report.ineffective.push_back(
            {{"cstrike/autoexec.cfg", 2},
             "r_decals \"300\"",
             {Phrase::WhySetAgain, {game::placeWords({"cstrike/config.cfg", 9})}}});
        QListWidget list;
        wizard::fillProblems(&list, check);
        QCOMPARE(list.item(0)->text(),
                 QStringLiteral("cstrike/autoexec.cfg line 2: r_decals \"300\": set again by "
                                "cstrike/config.cfg line 9"));
        TestTranslation translation;
        QCoreApplication::installTranslator(&translation);
        wizard::fillProblems(&list, check);
        QCoreApplication::removeTranslator(&translation);
        QCOMPARE(list.item(0)->text(),
                 QStringLiteral("cstrike/autoexec.cfg Zeile 2: r_decals \"300\": erneut gesetzt "
                                "von cstrike/config.cfg Zeile 9"));
    }

    // zentrimo --report on the golden Steam install: the text in the loaded language, the JSON in English.
    void theConsoleTextFollowsTheLanguageAndTheJsonStaysEnglish() {
#ifdef Q_OS_WIN
        QSKIP("The golden report says the rate's store cannot be read; on Windows the registry is read.");
#endif
        QTemporaryDir home;
        QTemporaryDir data;
        qputenv("HOME", home.path().toLocal8Bit());
        qputenv("WINEPREFIX", home.filePath(QStringLiteral("wineprefix")).toLocal8Bit());
        qunsetenv("STEAM_DIR");
        const fs::path golden = fs::path(ZENTRIMO_TEST_DATA) / "report" / "steam-install";
        fs::copy(golden, fs::path(data.path().toStdString()) / "steam-install", fs::copy_options::recursive);
        const std::string root = data.filePath(QStringLiteral("steam-install/game")).toStdString();
        const auto report = [&](bool json) {
            std::ostringstream out;
            std::ostringstream error;
            const int code = reportOnConsole(root, environmentOfThisProcess(), json, out, error);
            return std::pair{code,
                             QByteArray::fromStdString(out.str()).replace(data.path().toUtf8(), "DATA")};
        };
        const QByteArray englishText = readFile(QString::fromStdString((golden / "report.txt").string()));
        const QByteArray englishJson = readFile(QString::fromStdString((golden / "report.json").string()));
        QCOMPARE(report(false), std::pair(0, englishText));
        TestTranslation translation;
        QCoreApplication::installTranslator(&translation);
        const auto [textCode, text] = report(false);
        const auto [jsonCode, json] = report(true);
        QCoreApplication::removeTranslator(&translation);
        QCOMPARE(textCode, 0);
        QCOMPARE(jsonCode, 0);
        QString expected = QString::fromUtf8(englishText);
        expected.replace(QStringLiteral("Settings as the game will have them:"),
                         QStringLiteral("Einstellungen, wie das Spiel sie haben wird:"));
        expected.replace(QStringLiteral("set again by "), QStringLiteral("erneut gesetzt von "));
        expected.replace(QStringLiteral(") takes effect."), QStringLiteral(") wirkt."));
        expected.replace(QRegularExpression(QStringLiteral("(\\.cfg|\\.rc) line (\\d+)")),
                         QStringLiteral("\\1 Zeile \\2"));
        QVERIFY(expected != QString::fromUtf8(englishText));
        QCOMPARE(QString::fromUtf8(text), expected);
        QCOMPARE(json, englishJson);
    }
};

QTEST_MAIN(CoreWordsTests)
#include "CoreWordsTests.moc"
