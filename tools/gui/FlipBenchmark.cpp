// How long each of the wizard's 35 steps takes from the key that leaves a form to the next form painted
// on screen, measured inside the program, beside the same flip between two bare Qt windows. Run it on a
// real display (tools/benchmark.sh starts one); offscreen it measures the program's own work alone.

#include "Harness.h"
#include "location/DirectoryPage.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

// Notes when a window other than `leaving` has been painted and its picture handed to the screen.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(const QWidget* leaving) : m_leaving(leaving) { qApp->installEventFilter(this); }
    bool painted() const { return m_painted; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() && watched != m_leaving &&
            static_cast<QWidget*>(watched)->isWindow())
            // Queued: it runs once the painting and the flush to the screen are done.
            QMetaObject::invokeMethod(
                this, [this] { m_painted = true; }, Qt::QueuedConnection);
        return false;
    }

private:
    const QWidget* m_leaving;
    bool m_painted = false;
};

// Milliseconds from pressing Enter to the next window painted.
double timeFlip(QWidget* from, QWidget* keyTarget) {
    PaintWatch watch(from);
    QElapsedTimer clock;
    clock.start();
    QTest::keyClick(keyTarget, Qt::Key_Return);
    if (!QTest::qWaitFor([&] { return watch.painted(); }, 5000))
        qFatal("No window was painted after %s", qPrintable(from->objectName()));
    return clock.nsecsElapsed() / 1e6;
}

struct Figures {
    double median;
    double max;
};

Figures figures(std::vector<double> times) {
    std::ranges::sort(times);
    const std::size_t middle = times.size() / 2;
    const double median = times.size() % 2 ? times[middle] : (times[middle - 1] + times[middle]) / 2;
    return {median, times.back()};
}

} // namespace

class FlipBenchmark : public QObject {
    Q_OBJECT

private slots:
    void flips() {
        GameFolder game;
        game.write(QStringLiteral("config.cfg"), "name \"Player\"\r\n");
        Program program(game);
        program.services.answers = {false};
        program.route.directoryPage().setDirectory(game.rootPath());
        program.showActive(QStringLiteral("frmDir"));

        std::vector<double> wizard;
        std::printf("step  form          ms      (from the key on the form before it)\n");
        for (int step = 1; step <= 35; ++step) {
            QWidget* from = Program::visibleForm();
            QApplication::setActiveWindow(from);
            QVERIFY(QTest::qWaitForWindowActive(from));
            // A number field refuses Enter: the player gives it to the form.
            QWidget* focus = from->focusWidget();
            QWidget* keyTarget =
                qobject_cast<QLineEdit*>(focus) && from->objectName() != "frmDir" ? from : focus;
            wizard.push_back(timeFlip(from, keyTarget));
            QWidget* to = Program::visibleForm();
            QVERIFY(to != from);
            std::printf("%4d  %-12s %6.1f\n", step, qPrintable(to->objectName()), wizard.back());
        }

        std::vector<double> bare;
        std::unique_ptr<QWidget> last = bareWindow(QSize(400, 300));
        last->show();
        QVERIFY(QTest::qWaitForWindowExposed(last.get()));
        for (int step = 1; step <= 35; ++step) {
            std::unique_ptr<QWidget> next = bareWindow(program.form(QStringLiteral("frmTweak1"))->size());
            QWidget* shown = next.get();
            QWidget* hidden = last.get();
            connect(last->findChild<QPushButton*>(), &QPushButton::clicked, shown, [shown, hidden] {
                shown->show();
                hidden->hide();
            });
            QApplication::setActiveWindow(hidden);
            bare.push_back(timeFlip(hidden, hidden->findChild<QPushButton*>()));
            last = std::move(next);
        }

        const Figures ours = figures(wizard);
        const Figures plain = figures(bare);
        std::printf("\nwizard, 35 steps:     median %6.1f ms, max %6.1f ms\n", ours.median, ours.max);
        std::printf("bare Qt window flips: median %6.1f ms, max %6.1f ms\n", plain.median, plain.max);
        std::printf("ratio of the medians: %.2f\n", ours.median / plain.median);
    }

private:
    static std::unique_ptr<QWidget> bareWindow(QSize size) {
        auto window = std::make_unique<QWidget>();
        window->resize(size);
        auto* button = new QPushButton(QStringLiteral("&Next"), window.get());
        button->setDefault(true);
        button->setFocus();
        return window;
    }
};

QTEST_MAIN(FlipBenchmark)
#include "FlipBenchmark.moc"
