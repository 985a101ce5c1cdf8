#include "WizardTests.h"

#include "wizard/PageSpec.h"

#include <QClipboard>
#include <QMimeData>

// Every number field of the wizard; its first text and length limit are the golden runs' to pin.
void WizardTests::typing_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("extra"); // the one character it accepts besides the digits
    for (const wizard::Step& step : wizard::wizardSteps()) {
        const auto* page = std::get_if<wizard::PageSpec>(&step);
        const auto* fields = page ? std::get_if<std::vector<wizard::NumberField>>(&page->input) : nullptr;
        for (const wizard::NumberField& field : fields ? *fields : std::vector<wizard::NumberField>()) {
            const QString extra = field.name == "txtTweak7"                                ? "-"
                                  : field.name == "txtTGamma" || field.name == "txtLGamma" ? "."
                                                                                           : "";
            QTest::newRow(qPrintable(field.name)) << page->form << field.name << extra;
        }
    }
}

void WizardTests::typing() {
    QFETCH(QString, form);
    QFETCH(QString, name);
    QFETCH(QString, extra);
    GameFolder game;
    Program run(game);
    run.showActive(form);
    QLineEdit* field = run.field(form, name);
    QVERIFY(field);
    const QString initialText = field->text();
    const int maxLength = field->maxLength();
    int beeps = 0;

    // Letters, blank, punctuation, Enter, Escape and the extra character of the other sets.
    const QString otherExtras = QStringLiteral("-.").remove(extra);
    for (const QChar refused : QStringLiteral("aZ ,;\"+\r\x1b") + otherExtras) {
        QTest::keyClick(field, refused.toLatin1());
        QCOMPARE(run.services.beeps, ++beeps);
        QCOMPARE(field->text(), initialText);
    }
    // Ctrl with a digit carries an accepted character, yet it is no typing.
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_5, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(run.services.beeps, beeps += 3);
    QCOMPARE(field->text(), initialText);
    QCOMPARE(Program::visibleForms(), QStringList{form});

    QTest::keyClick(field, Qt::Key_End);
    QTest::keyClick(field, Qt::Key_Backspace);
    QCOMPARE(field->text(), initialText.chopped(1));
    // Ctrl+H is character 8, a backspace, however the platform spells it.
    const QString digits = QStringLiteral("123").left(maxLength);
    run.retype(form, name, digits);
    QTest::keyClick(field, Qt::Key_H, Qt::ControlModifier);
    QCOMPARE(field->text(), digits.chopped(1));
    QKeyEvent characterEight(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("\b"));
    QApplication::sendEvent(field, &characterEight);
    QCOMPARE(field->text(), digits.chopped(2));
    QCOMPARE(run.services.beeps, beeps);
    run.retype(form, name, QString());

    // Digits up to the limit; each one beyond it is refused with a beep.
    QTest::keyClicks(field, QStringLiteral("1234567"));
    QCOMPARE(field->text(), QStringLiteral("1234567").left(maxLength));
    QCOMPARE(run.services.beeps, beeps += 7 - maxLength);
    QTest::keyClick(field, Qt::Key_Home);
    QTest::keyClick(field, Qt::Key_Delete);
    QCOMPARE(field->text(), QStringLiteral("234567").left(maxLength - 1));

    if (!extra.isEmpty()) {
        // The extra character goes anywhere, as often as the field has room for it.
        const QString typed = (extra + extra + '5' + extra).left(maxLength);
        run.retype(form, name, typed);
        QCOMPARE(run.services.beeps, beeps);
    }
}

void WizardTests::pasteAndDrop_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("incoming");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("beeps");
    QTest::newRow("digits, Ctrl+V") << "frmTweak1"
                                    << "txtDecals"
                                    << "ctrl+v"
                                    << "12"
                                    << "12" << 0;
    QTest::newRow("semicolon, Ctrl+V") << "frmTweak1"
                                       << "txtDecals"
                                       << "ctrl+v"
                                       << "1;2"
                                       << "" << 1;
    QTest::newRow("too long, cut") << "frmTweak1"
                                   << "txtDecals"
                                   << "ctrl+v"
                                   << "98765"
                                   << "987" << 1;
    QTest::newRow("minus, Shift+Insert") << "frmTweak1"
                                         << "txtDecals"
                                         << "shift+insert"
                                         << "-5"
                                         << "" << 1;
    QTest::newRow("quote, menu") << "frmTweak1"
                                 << "txtDecals"
                                 << "menu"
                                 << "7\""
                                 << "" << 1;
    QTest::newRow("quote, drop") << "frmInternet3"
                                 << "txtRate"
                                 << "drop"
                                 << "5\";q"
                                 << "" << 1;
    QTest::newRow("digits, drop") << "frmInternet3"
                                  << "txtRate"
                                  << "drop"
                                  << "3500"
                                  << "3500" << 0;
    QTest::newRow("minuses, menu") << "frmTweak7"
                                   << "txtTweak7"
                                   << "menu"
                                   << "-5-"
                                   << "-5-" << 0;
    QTest::newRow("period in minus field") << "frmTweak7"
                                           << "txtTweak7"
                                           << "ctrl+v"
                                           << "1.5"
                                           << "" << 1;
    QTest::newRow("period, Shift+Insert") << "frmTweak9"
                                          << "txtLGamma"
                                          << "shift+insert"
                                          << "2.5"
                                          << "2.5" << 0;
    QTest::newRow("comma in period field") << "frmTweak9"
                                           << "txtLGamma"
                                           << "ctrl+v"
                                           << "2,5"
                                           << "" << 1;
}

void WizardTests::pasteAndDrop() {
    QFETCH(QString, form);
    QFETCH(QString, name);
    QFETCH(QString, way);
    QFETCH(QString, incoming);
    QFETCH(QString, expected);
    QFETCH(int, beeps);
    GameFolder game;
    Program run(game);
    run.showActive(form);
    QLineEdit* field = run.field(form, name);
    field->clear();
    QApplication::clipboard()->setText(incoming);
    if (way == "ctrl+v") {
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    } else if (way == "shift+insert") {
        QTest::keyClick(field, Qt::Key_Insert, Qt::ShiftModifier);
    } else if (way == "menu") {
        field->paste(); // what the context menu's Paste does
    } else {
        QMimeData dropped;
        dropped.setText(incoming);
        QDragEnterEvent enter(QPoint(4, 4), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(field, &enter);
        QDropEvent drop(QPointF(4, 4), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(field, &drop);
    }
    QCOMPARE(field->text(), expected);
    QCOMPARE(run.services.beeps, beeps);
}
