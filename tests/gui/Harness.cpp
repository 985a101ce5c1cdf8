#include "Harness.h"

#include "app/MusicLoop.h"
#include "app/StartWindow.h"
#include "location/DirectoryPage.h"
#include "location/FolderPicker.h"
#include "wizard/GameReportWindow.h"
#include "wizard/PageSpec.h"
#include "wizard/RestoreWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QTest>

#include <algorithm>
#include <cmath>

bool FakeServices::askYesNo(const QString& question, const QString& details_) {
    questions << question;
    details << details_;
    if (answers.empty())
        qFatal("No scripted answer to: %s", qPrintable(question));
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<QList<bool>> FakeServices::askApplyLines(const QString& question, const QString& details_,
                                                       const QList<ReviewLine>& lines) {
    reviewed = lines;
    if (!askYesNo(question, details_))
        return std::nullopt;
    QList<bool> kept(lines.size(), true);
    if (!keptLines.empty()) {
        kept = keptLines.front();
        keptLines.pop_front();
    }
    return kept;
}

QByteArray readFile(const QString& path) {
    QFile in(path);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile out(path);
    QVERIFY2(out.open(QIODevice::WriteOnly), qPrintable(path));
    QCOMPARE(out.write(bytes), bytes.size());
}

QByteArray dataFile(const QString& name) {
    return readFile(QStringLiteral(ZENTRIMO_TEST_DATA "/") + name);
}

void useUserRegistry(const QString& prefix, const QByteArray& userReg) {
#ifdef Q_OS_WIN
    Q_UNUSED(prefix);
    QSettings(QStringLiteral("HKEY_CURRENT_USER\\Software\\Valve"), QSettings::NativeFormat)
        .remove(QString());
    QSettings registry(QStringLiteral("HKEY_CURRENT_USER"), QSettings::NativeFormat);
    // Sections are [key path] with a time after them; string values are "name"="text"; backslashes are
    // doubled.
    const QRegularExpression section(QStringLiteral(R"(^\[(.*)\] \d+$)"));
    const QRegularExpression value(QStringLiteral(R"re(^"(.*)"="(.*)"$)re"));
    QString key;
    for (const QByteArray& line : userReg.split('\n')) {
        const QString text = QString::fromUtf8(line).replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
        if (const QRegularExpressionMatch match = section.match(text); match.hasMatch())
            key = match.captured(1);
        else if (const QRegularExpressionMatch match = value.match(text);
                 match.hasMatch() && key.startsWith(QLatin1String("Software\\Valve\\"), Qt::CaseInsensitive))
            registry.setValue(QString(key).replace(QLatin1Char('\\'), QLatin1Char('/')) + QLatin1Char('/') +
                                  match.captured(1),
                              match.captured(2));
    }
#else
    writeFile(QDir(prefix).filePath(QStringLiteral("user.reg")), userReg);
#endif
}

QString registeredPath(const QString& folder) {
#ifdef Q_OS_WIN
    return QDir::toNativeSeparators(folder);
#else
    return QStringLiteral("Z:") + QString(folder).replace(QLatin1Char('/'), QLatin1Char('\\'));
#endif
}

QByteArray banner() {
    return dataFile(QStringLiteral("workspace/banner.cfg"));
}

namespace {

double luminance(QColor colour) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

} // namespace

double contrast(QColor a, QColor b) {
    const double lighter = std::max(luminance(a), luminance(b));
    const double darker = std::min(luminance(a), luminance(b));
    return (lighter + 0.05) / (darker + 0.05);
}

GameFolder::GameFolder(bool withCstrike) {
    if (withCstrike)
        QDir(m_dir.path()).mkdir(QStringLiteral("cstrike"));
}

std::string GameFolder::root() const {
    return QDir::toNativeSeparators(m_dir.path()).toStdString();
}

files::GameFolder GameFolder::folder() const {
    return files::GameFolder(root(), environmentOfThisProcess().winePrefixInUse());
}

QString GameFolder::path(const QString& file) const {
    return m_dir.filePath(QStringLiteral("cstrike/") + file);
}

bool GameFolder::has(const QString& file) const {
    return QFile::exists(path(file));
}

QStringList GameFolder::files() const {
    return QDir(m_dir.filePath(QStringLiteral("cstrike"))).entryList(QDir::Files);
}

namespace {

// The program a test runs; one at a time.
Program* running = nullptr;

} // namespace

QStringList allForms() {
    QStringList forms{"frmMain", "frmDir", "frmSpecify"};
    for (const wizard::Step& step : wizard::wizardSteps())
        forms << std::visit([](const auto& described) { return described.form; }, step);
    return forms;
}

QStringList translatedLanguages() {
    QStringList languages;
    for (const QString& file : QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("zentrimo_*.qm")}))
        languages << file.section('_', 1).section('.', 0, 0);
    return languages;
}

InLanguage::InLanguage(const QString& language) {
    m_loaded = m_translator.load(QStringLiteral(":/i18n/zentrimo_%1.qm").arg(language));
    if (m_loaded)
        QCoreApplication::installTranslator(&m_translator);
}

InLanguage::~InLanguage() {
    QCoreApplication::removeTranslator(&m_translator);
}

std::optional<QString> testLanguage() {
    const QString language = qEnvironmentVariable("ZENTRIMO_TEST_LANGUAGE");
    return language.isEmpty() ? std::nullopt : std::optional(language);
}

Program::Program(const QStringList& missingMusic) {
    for (const char* file : MusicFiles)
        if (!missingMusic.contains(QLatin1String(file)))
            writeFile(musicFolder.filePath(QLatin1String(file)), {});
    state.restorePointsRoot = dataFolder.filePath(QStringLiteral("restore-points")).toStdWString();
    running = this;
}

Program::~Program() {
    if (running == this)
        running = nullptr;
}

QWidget* Program::form(const QString& name) {
    if (name == QLatin1String("frmMain"))
        return &route.startWindow();
    if (name == QLatin1String("frmDir"))
        return &route.directoryPage();
    if (name == QLatin1String("frmSpecify"))
        return &route.folderPicker();
    if (name == QLatin1String("frmCheck0"))
        return &route.gameReportWindow();
    if (name == QLatin1String("frmRestore0"))
        return &route.restoreWindow();
    QWidget* wizardForm = route.wizardForm(name);
    if (!wizardForm)
        qFatal("No form is named %s", qPrintable(name));
    return wizardForm;
}

QWidget* Program::show(const QString& name) {
    QWidget* shown = form(name);
    WindowSwap::show(shown);
    return shown;
}

void Program::showActive(const QString& name) {
    QWidget* shown = show(name);
    QApplication::setActiveWindow(shown);
    QVERIFY(QTest::qWaitForWindowActive(shown));
}

void Program::startAndReveal() {
    route.start();
    for (int tick = 0; tick < 4; ++tick)
        route.startWindow().revealStep();
    // And what the window does once it has been painted.
    QVERIFY(QTest::qWaitForWindowExposed(&route.startWindow()));
    QCoreApplication::processEvents();
}

void Program::click(const QString& form, const QString& button) {
    auto* target = control<QAbstractButton>(form, button);
    QVERIFY2(target, qPrintable(form + '.' + button));
    QVERIFY2(target->isVisible(), qPrintable(form + '.' + button));
    QTest::mouseClick(target, Qt::LeftButton);
}

void Program::retype(const QString& form, const QString& name, const QString& text) {
    QLineEdit* target = field(form, name);
    QVERIFY2(target, qPrintable(form + '.' + name));
    QTest::keyClick(target, Qt::Key_End);
    for (qsizetype left = target->text().size(); left > 0; --left)
        QTest::keyClick(target, Qt::Key_Backspace);
    QTest::keyClicks(target, text);
    QCOMPARE(target->text(), text);
}

void Program::settle() {
    if (running && !QTest::qWaitFor([] { return !running->route.flipping(); }))
        qFatal("The last window stayed on screen");
}

QWidget* Program::visibleForm() {
    settle();
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            return window;
    return nullptr;
}

QStringList Program::visibleForms() {
    settle();
    QStringList names;
    for (const QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            names << window->objectName();
    return names;
}
