#include "Harness.h"
#include "app/StartWindow.h"
#include "common/FocusRing.h"
#include "location/DirectoryPage.h"
#include "wizard/PageSpec.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOption>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

namespace {

// The font sizes of 9-point text at 96, 120, 144 and 192 dots per inch, as desktops set them.
const QList<int> FontPixels{12, 15, 18, 24};

// The form as the player meets it: the start window with its frame home and every control shown.
QWidget* opened(Program& program, const QString& name) {
    // The report and restore windows open from the first page, with what they show filled in.
    if (const QString button = name == QLatin1String("frmCheck0")     ? QStringLiteral("cmdCheck0")
                               : name == QLatin1String("frmRestore0") ? QStringLiteral("cmdRestore0")
                                                                      : QString();
        !button.isEmpty()) {
        program.showActive(QStringLiteral("frmTweak0"));
        program.click(QStringLiteral("frmTweak0"), button);
        Program::settle();
        return program.form(name);
    }
    if (name != QLatin1String("frmMain"))
        return program.show(name);
    program.startAndReveal();
    for (int tick = 0; tick < 228; ++tick)
        program.route.startWindow().slideStep();
    return &program.route.startWindow();
}

// Why the control's text does not fit it; empty when it does.
QString misfit(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control); label && label->pixmap().isNull()) {
        const bool fits = label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                            : label->sizeHint().width() <= label->width() &&
                                                  label->sizeHint().height() <= label->height();
        return fits ? QString() : QStringLiteral("text \"%1\"").arg(label->text());
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        const QSize needed = button->sizeHint();
        return needed.width() <= button->width() && needed.height() <= button->height()
                   ? QString()
                   : QStringLiteral("caption \"%1\" needs %2x%3")
                         .arg(button->text())
                         .arg(needed.width())
                         .arg(needed.height());
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(control))
        return !frame->title().isEmpty() && frame->minimumSizeHint().width() <= frame->width()
                   ? QString()
                   : QStringLiteral("frame caption \"%1\"").arg(frame->title());
    if (const auto* field = qobject_cast<const QLineEdit*>(control)) {
        if (field->minimumSizeHint().height() > field->height())
            return QStringLiteral("line height");
        QStyleOptionFrame option;
        option.initFrom(field);
        option.lineWidth = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field);
        // The field keeps two pixels each side of its text and one for the cursor.
        const int room =
            field->style()->subElementRect(QStyle::SE_LineEditContents, &option, field).width() - 5;
        const bool numberField = field->maxLength() < 100;
        return !numberField ||
                       field->fontMetrics().horizontalAdvance(QString(field->maxLength(), '8')) <= room
                   ? QString()
                   : QStringLiteral("%1 digits").arg(field->maxLength());
    }
    if (const auto* header = qobject_cast<const QHeaderView*>(control)) {
        for (int section = 0; section < header->count(); ++section) {
            const QString text = header->model()->headerData(section, header->orientation()).toString();
            // The style's margin each side of the text, and the sort arrow's room beside it.
            const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
            const int arrow = header->isSortIndicatorShown() ? header->height() : 0;
            if (header->orientation() == Qt::Horizontal &&
                header->fontMetrics().horizontalAdvance(text) + 2 * margin + arrow >
                    header->sectionSize(section))
                return QStringLiteral("column \"%1\"").arg(text);
        }
        return {};
    }
    if (const auto* tabs = qobject_cast<const QTabBar*>(control)) {
        for (int tab = 0; tab < tabs->count(); ++tab)
            if (tabs->tabRect(tab).width() < tabs->fontMetrics().horizontalAdvance(tabs->tabText(tab)) ||
                !tabs->rect().contains(tabs->tabRect(tab)))
                return QStringLiteral("tab \"%1\"").arg(tabs->tabText(tab));
        return {};
    }
    if (const auto* list = qobject_cast<const QComboBox*>(control))
        return list->minimumSizeHint().height() <= list->height() ? QString() : QStringLiteral("line height");
    return {};
}

} // namespace

// How the forms look on a desktop: whole texts at any font size, the keyboard's place and the chosen
// option plain to see, the same look everywhere.
class LookTests : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        m_font = QApplication::font();
        if (const std::optional<QString> language = testLanguage()) {
            m_language.emplace(*language);
            QVERIFY2(m_language->loaded(), qPrintable(*language));
        }
    }
    void cleanup() { QApplication::setFont(m_font); }

    void everyTextFitsAtEveryFontSize_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<int>("pixels");
        for (int pixels : FontPixels)
            for (const QString& form : allForms() + QStringList{"frmCheck0", "frmRestore0"})
                QTest::addRow("%s at %d px", qPrintable(form), pixels) << form << pixels;
    }
    void everyTextFitsAtEveryFontSize() {
        QFETCH(QString, form);
        QFETCH(int, pixels);
        // Qt for Windows brings no fonts of its own: offscreen under Wine every letter is the same box.
        if (QFontDatabase::families().isEmpty())
            QSKIP("No font to measure texts with");
        useFontPixels(pixels);
        GameFolder game;
        // Settings for the report's table: its columns fit their contents as well as their captions.
        game.write(QStringLiteral("config.cfg"), "name \"Player\"\nfps_max \"100\"\ncl_updaterate \"101\"\n");
        Program program(game);
        QWidget* shown = opened(program, form);
        // Each tab in turn: only the chosen one's controls are laid out.
        auto* tabs = shown->findChild<QTabWidget*>();
        for (int tab = 0; tab < (tabs ? tabs->count() : 1); ++tab) {
            if (tabs)
                tabs->setCurrentIndex(tab);
            int controls = 0;
            for (const QWidget* control : shown->findChildren<QWidget*>()) {
                if (!control->isVisibleTo(shown))
                    continue;
                ++controls;
                const QString where = control->objectName() + " " + control->metaObject()->className();
                QVERIFY2(shown->rect().contains(QRect(control->mapTo(shown, QPoint()), control->size())),
                         qPrintable(where + " leaves the form"));
                const QString why = misfit(control);
                QVERIFY2(why.isEmpty(), qPrintable(where + ": " + why + " does not fit"));
            }
            QVERIFY(controls >= 3);
        }
    }

    // Every note a page's choices give fits at every font size, and no control moves for it.
    void todayNotesFitEveryChoice_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<int>("pixels");
        for (int pixels : FontPixels)
            for (const wizard::Step& step : wizard::wizardSteps())
                if (const auto* page = std::get_if<wizard::PageSpec>(&step);
                    page && !std::holds_alternative<std::vector<wizard::NumberField>>(page->input))
                    QTest::addRow("%s at %d px", qPrintable(page->form), pixels) << page->form << pixels;
    }
    void todayNotesFitEveryChoice() {
        QFETCH(QString, form);
        QFETCH(int, pixels);
        if (QFontDatabase::families().isEmpty())
            QSKIP("No font to measure texts with");
        useFontPixels(pixels);
        GameFolder game;
        Program program(game);
        QWidget* shown = opened(program, form);
        const auto* note = shown->findChild<QLabel*>("lblToday");
        QList<QAbstractButton*> choices = shown->findChildren<QAbstractButton*>();
        const auto places = [&] {
            QList<QRect> rects;
            for (const QWidget* control : shown->findChildren<QWidget*>())
                if (control != note && control->isVisibleTo(shown))
                    rects << control->geometry();
            return rects;
        };
        const QList<QRect> first = places();
        QStringList notes;
        for (QAbstractButton* choice : choices) {
            if (!choice->isCheckable())
                continue;
            choice->click();
            notes << note->text();
            QCOMPARE(places(), first);
            if (note->isVisibleTo(shown)) {
                QVERIFY2(shown->rect().contains(note->geometry()), qPrintable(note->text()));
                QVERIFY2(misfit(note).isEmpty(), qPrintable(note->text()));
            }
        }
        QVERIFY(!notes.isEmpty());
    }

    void formsGrowWithTheFont_data() {
        QTest::addColumn<QString>("form");
        for (const QString& form : allForms())
            QTest::newRow(qPrintable(form)) << form;
    }
    void formsGrowWithTheFont() {
        QFETCH(QString, form);
        QSize sizes[2];
        for (int index : {0, 1}) {
            useFontPixels(index == 0 ? 12 : 18);
            Program program;
            sizes[index] = program.form(form)->size();
        }
        QVERIFY2(sizes[1].width() >= sizes[0].width() * 1.4 && sizes[1].height() >= sizes[0].height() * 1.4,
                 qPrintable(QStringLiteral("%1x%2 to %3x%4")
                                .arg(sizes[0].width())
                                .arg(sizes[0].height())
                                .arg(sizes[1].width())
                                .arg(sizes[1].height())));
    }

    // Every button leaves room round its caption, and buttons side by side keep apart by more than the
    // focus rings round both, at two font sizes.
    void buttonsHaveRoomAndKeepApart_data() { formsGrowWithTheFont_data(); }
    void buttonsHaveRoomAndKeepApart() {
        QFETCH(QString, form);
        for (const int pixels : {12, 18}) {
            useFontPixels(pixels);
            Program program;
            QWidget* shown = program.form(form);
            shown->show();
            QList<QPushButton*> buttons = shown->findChildren<QPushButton*>();
            const QString where = QStringLiteral("%1 at %2 px").arg(form).arg(pixels);
            for (const QPushButton* button : buttons) {
                const QFontMetrics metrics = button->fontMetrics();
                const int caption = metrics.horizontalAdvance(button->text().remove(QLatin1Char('&')));
                QVERIFY2(button->width() >= caption + metrics.height() &&
                             button->height() >= metrics.height() * 3 / 2,
                         qPrintable(where + " " + button->objectName()));
            }
            for (const QPushButton* a : buttons)
                for (const QPushButton* b : buttons) {
                    const QRect left(a->mapTo(shown, QPoint()), a->size());
                    const QRect right(b->mapTo(shown, QPoint()), b->size());
                    if (a == b || left.center().x() >= right.center().x() || left.bottom() < right.top() ||
                        right.bottom() < left.top())
                        continue;
                    QVERIFY2(right.left() - left.right() > 2 * FocusRing::Width + 2,
                             qPrintable(where + " " + a->objectName() + " " + b->objectName()));
                }
        }
    }

    // The control that takes the keyboard as a form opens shows a ring round it, plain against the form.
    void focusRingOnEveryFormAsItOpens_data() { formsGrowWithTheFont_data(); }
    void focusRingOnEveryFormAsItOpens() {
        QFETCH(QString, form);
        GameFolder game;
        Program program(game);
        QWidget* shown = opened(program, form);
        QApplication::setActiveWindow(shown);
        QVERIFY(QTest::qWaitForWindowActive(shown));
        const auto* ring = shown->findChild<FocusRing*>();
        QTRY_VERIFY(ring->isVisible());
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus && focus->window() == shown);
        QCOMPARE(ring->target(), focus);
        const QRect control(focus->mapTo(shown, QPoint()), focus->size());
        QVERIFY(ring->geometry().contains(
            control.adjusted(-FocusRing::Width, -FocusRing::Width, FocusRing::Width, FocusRing::Width) &
            shown->rect()));
        const QImage picture = shown->grab().toImage();
        // Along the ring's top or bottom edge, against the form just outside it.
        const QRect ring_ = ring->geometry();
        const bool top = ring_.top() >= 3;
        const int edgeY = top ? ring_.top() : ring_.bottom();
        const int outsideY = top ? edgeY - 2 : edgeY + 2;
        QVERIFY(outsideY >= 0 && outsideY < picture.height());
        for (int x = ring_.left() + 4; x < ring_.right() - 4; x += 7) {
            const double ratio = contrast(picture.pixelColor(x, edgeY), picture.pixelColor(x, outsideY));
            QVERIFY2(ratio >= 3, qPrintable(QStringLiteral("%1 at x %2").arg(ratio).arg(x)));
        }
    }

    // A chosen option and a ticked box are drawn alike on every form, their mark plain against the white
    // box and the box plain against the form (4.5:1, as for small text).
    void chosenOptionAndTickedBoxPlainAndAlike() {
        GameFolder game;
        Program program(game);
        for (const char* form : {"frmMain", "frmTweak14", "frmTweak2"})
            opened(program, form);
        const auto choice = [&](const char* form, const char* name) {
            return program.control<QAbstractButton>(form, name);
        };
        choice("frmMain", "optVersion_0")->click();
        QCOMPARE(indicator(choice("frmMain", "optVersion_0")),
                 indicator(choice("frmTweak14", "optTweak14_0")));
        QCOMPARE(indicator(choice("frmMain", "optVersion_1")),
                 indicator(choice("frmTweak14", "optTweak14_1")));
        auto* box = choice("frmTweak2", "check2");
        box->click();
        const QImage ticked = indicator(box);
        box->click();
        // Each mark beside the same control unmarked.
        const QList<std::tuple<QImage, QImage, QAbstractButton*>> looks{
            {indicator(choice("frmMain", "optVersion_0")), indicator(choice("frmMain", "optVersion_1")),
             choice("frmMain", "optVersion_1")},
            {indicator(choice("frmTweak14", "optTweak14_0")), indicator(choice("frmTweak14", "optTweak14_1")),
             choice("frmTweak14", "optTweak14_1")},
            {ticked, indicator(box), box},
        };
        for (const auto& [marked, unmarked, control] : looks) {
            // The mark: what the chosen one shows and the other does not.
            int markPixels = 0;
            for (int y = 0; y < marked.height(); ++y)
                for (int x = 0; x < marked.width(); ++x)
                    if (contrast(marked.pixelColor(x, y), unmarked.pixelColor(x, y)) >= 4.5)
                        ++markPixels;
            // A tenth of the box at least.
            QVERIFY2(markPixels * 10 >= marked.width() * marked.height(), qPrintable(control->objectName()));
            // The box or ring itself stands out from the form beside it.
            const QImage form = control->window()->grab().toImage();
            const QPoint beside =
                control->mapTo(control->window(), indicatorRect(control).topLeft()) - QPoint(3, 0);
            double plainest = 0;
            for (int x = 0; x < unmarked.width(); ++x)
                plainest = std::max(plainest, contrast(unmarked.pixelColor(x, unmarked.height() / 2),
                                                       form.pixelColor(beside)));
            QVERIFY2(plainest >= 4.5, qPrintable(control->objectName()));
            // An option not chosen is empty inside, as the form: a filled disc reads as chosen.
            if (control != box)
                QVERIFY2(contrast(unmarked.pixelColor(unmarked.rect().center()), form.pixelColor(beside)) <
                             1.5,
                         qPrintable(control->objectName()));
        }
    }

private:
    void useFontPixels(int pixels) {
        QFont font = m_font;
        font.setPixelSize(pixels);
        QApplication::setFont(font);
    }

    static QRect indicatorRect(const QAbstractButton* choice) {
        QStyleOptionButton option;
        option.initFrom(choice);
        const bool radio = choice->inherits("QRadioButton");
        return choice->style()->subElementRect(
            radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &option, choice);
    }
    static QImage indicator(QAbstractButton* choice) {
        return choice->grab(indicatorRect(choice)).toImage().convertToFormat(QImage::Format_RGB32);
    }

    QFont m_font;
    std::optional<InLanguage> m_language;
};

QTEST_MAIN(LookTests)
#include "LookTests.moc"
