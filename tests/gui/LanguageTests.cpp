#include "Harness.h"
#include "app/Translations.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

struct Entry {
    QString context;
    QString source;
    QString type; // "unfinished", "obsolete", "vanished", or empty when finished
    QStringList forms{};
};

QList<Entry> entriesOf(const QString& tsFile) {
    QFile file(tsFile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Entry> entries;
    QString context;
    QXmlStreamReader xml(&file);
    bool numerus = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("name"))
            context = xml.readElementText();
        else if (name == QLatin1String("message")) {
            numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
            entries.append({context, {}, {}});
        } else if (name == QLatin1String("source"))
            entries.last().source = xml.readElementText();
        else if (name == QLatin1String("translation")) {
            entries.last().type = xml.attributes().value(QLatin1String("type")).toString();
            if (const QString text = numerus ? QString() : xml.readElementText(); !text.isEmpty())
                entries.last().forms << text;
        } else if (name == QLatin1String("numerusform")) {
            if (const QString text = xml.readElementText(); !text.isEmpty())
                entries.last().forms << text;
        }
    }
    return entries;
}

// "%1", "%2" ... and "%n", each as often as the text holds it.
QStringList placeholdersOf(const QString& text) {
    QStringList found;
    for (const auto& match : QRegularExpression(QStringLiteral("%(\\d|n)")).globalMatch(text))
        found << match.captured();
    found.sort();
    return found;
}

// The mnemonic letters of a text: "&" before a letter, "&&" being an ampersand.
QString mnemonicsOf(const QString& text) {
    QString letters;
    for (qsizetype at = text.indexOf('&'); at >= 0 && at + 1 < text.size(); at = text.indexOf('&', at + 2))
        if (text[at + 1] != '&')
            letters += text[at + 1].toLower();
    return letters;
}

// What is wrong with the entries; `finished` asks a translation of every one.
QStringList problemsOf(const QList<Entry>& entries) {
    QStringList problems;
    for (const Entry& entry : entries) {
        const QString where = entry.context + " \"" + entry.source + "\": ";
        if (entry.type == QLatin1String("obsolete") || entry.type == QLatin1String("vanished")) {
            problems << where + entry.type;
            continue;
        }
        if (entry.type == QLatin1String("unfinished") || entry.forms.isEmpty()) {
            problems << where + "unfinished";
            continue;
        }
        for (const QString& form : entry.forms) {
            if (placeholdersOf(form) != placeholdersOf(entry.source))
                problems << where + "placeholders " + placeholdersOf(form).join(' ') + " in \"" + form + "\"";
            if (mnemonicsOf(entry.source).size() != mnemonicsOf(form).size())
                problems << where + "mnemonic lost in \"" + form + "\"";
        }
    }
    return problems;
}

QStringList tsFiles() {
    const QDir folder(QStringLiteral(ZENTRIMO_TRANSLATIONS));
    QStringList files;
    for (const QString& name : folder.entryList({QStringLiteral("zentrimo_*.ts")}))
        files << folder.filePath(name);
    return files;
}

// Words every text in brackets: a text shown without them never went through a translation.
class BracketingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        return QStringLiteral("[%1]").arg(QString::fromUtf8(source));
    }
};

// What a control shows as text, if anything: pictures and the folder page's arrows are not words.
QString shownText(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->pixmap().isNull() && !label->text().contains(QLatin1String(">>>>")) &&
                       !label->text().contains(QLatin1String("<<<<"))
                   ? label->text()
                   : QString();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (const auto* frame = qobject_cast<const QGroupBox*>(control))
        return frame->title();
    return {};
}

} // namespace

// The translations as translators hand them in: whole, with every placeholder and mnemonic.
class LanguageTests : public QObject {
    Q_OBJECT

private slots:
    void everyLanguageHasItsFileAndItsProgramTranslation() {
        QStringList languages;
        for (const QString& file : tsFiles())
            languages << QFileInfo(file).completeBaseName().section('_', 1);
        QCOMPARE(languages, (QStringList{"es", "pl", "pt_BR", "ru", "tr", "uk"}));
        QStringList built = translatedLanguages();
        built.sort();
        QCOMPARE(built, languages);
    }

    void theCheckFindsEveryFault() {
        const QList<Entry> entries =
            entriesOf(QStringLiteral(ZENTRIMO_TEST_DATA "/translations/faulty_xx.ts"));
        QCOMPARE(entries.size(), 8);
        QCOMPARE(problemsOf(entries),
                 (QStringList{
                     "wizard \"&Quit\": mnemonic lost in \"Beenden\"", "wizard \"&Skip setting\": unfinished",
                     "wizard \"Rate:\": obsolete", "wizard \"Offset\": vanished",
                     "ConsoleOptions \"There is no language %1; give one of %2.\": placeholders %1 in "
                     "\"Keine Sprache %1.\"",
                     "ConsoleOptions \"Give one game folder, not %n.\": placeholders  in \"Ein Ordner, "
                     "nicht viele.\"",
                     "ConsoleOptions \"Cannot read %1: %2\": placeholders %1 %1 %2 in \"%2 && %1 %1\""}));
    }

    void everyEntryIsTranslatedAndKeepsPlaceholdersAndMnemonics_data() {
        QTest::addColumn<QString>("file");
        for (const QString& file : tsFiles())
            QTest::newRow(qPrintable(QFileInfo(file).fileName())) << file;
    }
    void everyEntryIsTranslatedAndKeepsPlaceholdersAndMnemonics() {
        QFETCH(QString, file);
        const QList<Entry> entries = entriesOf(file);
        QVERIFY(entries.size() > 200);
        QCOMPARE(problemsOf(entries), QStringList());
    }

    // Every caption, label and option of every form comes through the translation; the number prefix
    // "-" and today's notes (the core's words) are no window's own.
    void everyTextAFormShowsIsTranslated_data() {
        QTest::addColumn<QString>("form");
        for (const QString& form : allForms())
            QTest::newRow(qPrintable(form)) << form;
    }
    void everyTextAFormShowsIsTranslated() {
        QFETCH(QString, form);
        BracketingTranslator bracketing;
        QCoreApplication::installTranslator(&bracketing);
        const auto uninstall = qScopeGuard([&] { QCoreApplication::removeTranslator(&bracketing); });
        GameFolder game;
        Program program(game);
        if (form == QLatin1String("frmMain"))
            program.startAndReveal(); // the frame's caption comes once the window is painted
        const QWidget* shown = program.form(form);
        int texts = 0;
        for (const QWidget* control : shown->findChildren<QWidget*>()) {
            const QString text = shownText(control);
            if (text.isEmpty() || text == QLatin1String("-") ||
                control->objectName() == QLatin1String("lblToday"))
                continue;
            ++texts;
            QVERIFY2(text.startsWith('[') && text.endsWith(']'),
                     qPrintable(control->objectName() + ": " + text));
        }
        QVERIFY(texts >= 2);
    }

    // The language --lang names, else the system's when the program has it (in some country's form), else
    // English.
    void theLanguageChosen_data() {
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QString>("system");
        QTest::addColumn<QString>("chosen"); // the translation's language; none: English
        QTest::newRow("the system's") << QString() << "pt_BR"
                                      << "pt_BR";
        QTest::newRow("the system's, by its language") << QString() << "uk_UA"
                                                       << "uk_UA";
        QTest::newRow("one it does not have") << QString() << "de_DE"
                                              << "";
        QTest::newRow("Portuguese of Portugal: Brazil's") << QString() << "pt_PT"
                                                          << "pt_BR";
        QTest::newRow("Spanish of Mexico: Spain's") << QString() << "es_MX"
                                                    << "es_ES";
        QTest::newRow("C") << QString() << "C"
                           << "";
        QTest::newRow("--lang over the system's") << "tr"
                                                  << "ru_RU"
                                                  << "tr_TR";
        QTest::newRow("--lang en over the system's") << "en"
                                                     << "ru_RU"
                                                     << "";
    }
    void theLanguageChosen() {
        QFETCH(QString, asked);
        QFETCH(QString, system);
        QFETCH(QString, chosen);
        Translations translations;
        translations.choose(asked.isEmpty() ? std::nullopt : std::optional(asked), QLocale(system));
        QCOMPARE(translations.language(), chosen);
    }

    // A page's refusal and the box a start page shows are the translation's words too.
    void messagesAreTranslated() {
        BracketingTranslator bracketing;
        QCoreApplication::installTranslator(&bracketing);
        const auto uninstall = qScopeGuard([&] { QCoreApplication::removeTranslator(&bracketing); });
        GameFolder game;
        Program program(game);
        program.show(QStringLiteral("frmTweak7"));
        program.retype(QStringLiteral("frmTweak7"), QStringLiteral("txtTweak7"), QStringLiteral("30"));
        program.click(QStringLiteral("frmTweak7"), QStringLiteral("cmdTweak7"));
        program.show(QStringLiteral("frmTweak0"));
        program.click(QStringLiteral("frmTweak0"), QStringLiteral("cmdUninstall"));
        QCOMPARE(
            program.services.messages,
            (QStringList{
                "[Poly-Offset Must be between -25 and 25]",
                "[You have to install the tweak before you try to uninstall it --> No tweak installed]"}));
    }

    // In every language no two controls of a window answer to the same Alt key.
    void mnemonicsAreUniqueWithinEachWindow_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("form");
        for (const QString& language : QStringList{"en"} + translatedLanguages())
            for (const QString& form : allForms())
                QTest::addRow("%s %s", qPrintable(language), qPrintable(form)) << language << form;
    }
    void mnemonicsAreUniqueWithinEachWindow() {
        QFETCH(QString, language);
        QFETCH(QString, form);
        const InLanguage translation(language);
        QVERIFY(translation.loaded() || language == QLatin1String("en"));
        GameFolder game;
        Program program(game);
        QSet<QChar> taken;
        for (const QAbstractButton* control : program.form(form)->findChildren<QAbstractButton*>())
            for (const QChar letter : mnemonicsOf(control->text())) {
                QVERIFY2(!taken.contains(letter), qPrintable(control->objectName() + ": " + control->text()));
                taken.insert(letter);
            }
    }
};

QTEST_MAIN(LanguageTests)
#include "LanguageTests.moc"
