#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

#include <optional>

// The language the program speaks: the one --lang names, else the system's first that the program is
// translated to, else English (no translation at all). Qt's own words follow in the same language.
class Translations {
public:
    // `code` is one of languageCodes(); `system` is QLocale::system(), which reads LANG, LC_ALL and
    // LC_MESSAGES on Linux and the user's language on Windows.
    void choose(const std::optional<QString>& code, const QLocale& system);
    // Into the application object of the moment: the console's, then the windows'.
    void install();
    // "ru", "pt_BR"; empty for English.
    QString language() const;

private:
    QTranslator m_program;
    QTranslator m_qt;
};
