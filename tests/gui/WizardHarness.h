#pragma once

#include "DimList.h"
#include "FakeServices.h"
#include "WindowChain.h"
#include "Wizard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <string>

// A game folder of its own: <temp>/cstrike (unless told otherwise) and the bytes of its files.
class GameFolder {
public:
    explicit GameFolder(bool withCstrike = true) {
        if (withCstrike)
            QDir(m_dir.path()).mkdir(QStringLiteral("cstrike"));
    }
    std::string root() const { return QDir::toNativeSeparators(m_dir.path()).toStdString(); }
    QString path(const QString& file) const { return m_dir.filePath(QStringLiteral("cstrike/") + file); }
    bool has(const QString& file) const { return QFile::exists(path(file)); }
    QStringList files() const {
        return QDir(m_dir.filePath(QStringLiteral("cstrike"))).entryList(QDir::Files);
    }
    QByteArray read(const QString& file) const {
        QFile in(path(file));
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("<missing>");
    }
    void write(const QString& file, const QByteArray& bytes) const {
        QFile out(path(file));
        QVERIFY(out.open(QIODevice::WriteOnly));
        QCOMPARE(out.write(bytes), bytes.size());
    }

private:
    QTemporaryDir m_dir;
};

// The eleven banner lines, 176 bytes, spelled out here rather than taken from the code under test.
inline const QByteArray Banner = "echo \r\n"
                                 "echo \r\n"
                                 "echo \"------------------------------\"\r\n"
                                 "echo \"\\\\\\ Zentrimo Enabled\"\r\n"
                                 "echo \"\\\\\\\"\r\n"
                                 "echo \"\\\\\\ Made by Vaskor\"\r\n"
                                 "echo \"------------------------------\"\r\n"
                                 "echo\r\n"
                                 "echo\r\n"
                                 "\r\n"
                                 "\r\n";

// One run of the wizard over a game folder, with recording services.
class WizardRun {
public:
    explicit WizardRun(const GameFolder& game) : chain(services) {
        dims.GameRoot = game.root();
        addWizardForms(chain, services, dims);
    }

    QWidget* show(const QString& form) {
        chain.show(form);
        return chain.form(form);
    }
    // Shows the form and waits until it has the keyboard, as a player's window would.
    void showActive(const QString& form) {
        QWidget* shown = show(form);
        QApplication::setActiveWindow(shown);
        QVERIFY(QTest::qWaitForWindowActive(shown));
    }
    template <class Control = QWidget> Control* control(const QString& form, const QString& name) {
        return chain.form(form)->findChild<Control*>(name);
    }
    QLineEdit* field(const QString& form, const QString& name) { return control<QLineEdit>(form, name); }

    void click(const QString& form, const QString& button) {
        auto* target = control<QAbstractButton>(form, button);
        QVERIFY2(target, qPrintable(form + '.' + button));
        QVERIFY2(target->isVisible(), qPrintable(form + '.' + button));
        QTest::mouseClick(target, Qt::LeftButton);
    }
    // Empties the field with backspaces and types text, key by key.
    void retype(const QString& form, const QString& name, const QString& text) {
        QLineEdit* target = field(form, name);
        QVERIFY2(target, qPrintable(form + '.' + name));
        QTest::keyClick(target, Qt::Key_End);
        for (qsizetype left = target->text().size(); left > 0; --left)
            QTest::keyClick(target, Qt::Key_Backspace);
        QTest::keyClicks(target, text);
        QCOMPARE(target->text(), text);
    }

    static QStringList visibleForms() {
        QStringList names;
        for (const QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible())
                names << window->objectName();
        return names;
    }

    FakeServices services;
    DimList dims;
    WindowChain chain;
};
