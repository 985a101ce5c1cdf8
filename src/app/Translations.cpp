#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace {

// Where Qt's own translations (qtbase_ru.qm ...) lie: the system's Qt's folder on Linux, the
// translations folder beside the program in the Windows zip.
QString qtTranslationsFolder() {
#ifdef Q_OS_WIN
    return QCoreApplication::applicationDirPath() + QStringLiteral("/translations");
#else
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#endif
}

} // namespace

void Translations::choose(const std::optional<QString>& code, const QLocale& system) {
    const QLocale wanted = code ? QLocale(*code) : system;
    const auto loadProgram = [this](const QLocale& locale) {
        return m_program.load(locale, QStringLiteral("zentrimo"), QStringLiteral("_"),
                              QStringLiteral(":/i18n"));
    };
    // Another country's form of the system's language reads better than English (pt_PT takes pt_BR).
    if (!loadProgram(wanted) && (code || !loadProgram(QLocale(wanted.language()))))
        return;
    // Only beside ours: a program in English with another language's buttons reads as broken.
    (void)m_qt.load(QLocale(m_program.language()), QStringLiteral("qtbase"), QStringLiteral("_"),
                    qtTranslationsFolder());
}

void Translations::install() {
    // The last installed is asked first: ours before Qt's.
    for (QTranslator* translator : {&m_qt, &m_program})
        if (!translator->isEmpty())
            QCoreApplication::installTranslator(translator);
}

QString Translations::language() const {
    return m_program.language();
}
