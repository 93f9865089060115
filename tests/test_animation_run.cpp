// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
// The Start run: the finished picture, its identity with drawing every
// element as listed, damaged stores, and input and closing during a run.

#include "fake_clock.h"
#include "ink.h"
#include "paint_spy.h"
#include "run_picture.h"
#include "try_wait.h"
#include "window_fixture.h"
#include "worked_values.h"

#include "animation_run.h"
#include "design.h"
#include "locale_text.h"
#include "phasor_model.h"
#include "run_conductor.h"
#include "wave_strip.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <memory>

using namespace korvane;
using namespace std::chrono_literals;
using korvane::test::control;
using korvane::test::FakeClock;
using korvane::test::pixelOf;
using korvane::test::RunBench;
using korvane::test::workedReadOut;

namespace {

const QColor kWhite(0xFF, 0xFF, 0xFF);

// The run as listed, element by element: every stub in every column, no
// shortcut of any kind.
void drawEveryElement(DrawingSurface &s, const QString &slitCount, const QString &frequency)
{
    const QColor grey = DrawingSurface::kBackColour;
    s.setLineWidth(10);
    for (int y = 1000; y <= 9000; y += 10)
        s.line(0, float(y), 12000, float(y), grey);
    s.setLineWidth(1);
    const double f = numberOrZero(frequency);
    DrawIncidentWaveAxisAndCurve(s, f);
    const std::string text = slitCount.toStdString();
    const double N = numberOrZero(slitCount);
    const double L = PhasorLength(text);
    s.setLineWidth(3);
    s.line(1000, 8000, 11500, 8000);
    s.setLineWidth(1);
    s.line(0, 6500, 11950, 6500);
    s.line(0, 3500, 11950, 3500);
    s.setFillColour(grey);
    s.setFillStyle(DrawingSurface::FillStyle::Solid);
    for (double x = 9000; x <= 9000 + 100 * (N - 1); x += 100)
        s.circle(float(x), 8000, 50, grey);
    for (int P = 0; P <= 11950; ++P) {
        ChainPoint c{double(P), 3500};
        for (int J = 0; J <= N - 1; ++J) {
            s.setLineWidth(2);
            s.line(float(SlitX(J)), 8000, float(SlitX(J)), 8500, kWhite);
            s.setLineWidth(1);
            if (P % 100 == 0)
                s.line(float(SlitX(J)), 8000, float(P), 6500, kWhite);
            const ChainPoint next = PhasorStep(c, J, P, f, L);
            if (P % 200 == 0)
                s.line(float(c.x), float(c.y), float(next.x), float(next.y));
            c = next;
        }
        const double scaled = RawIntensity({double(P), 3500}, c) * IntensityScale(text, f);
        s.line(float(P), 6500, float(P), float(6500 - scaled));
    }
}

// A click posted as the window system would queue it, to arrive during a run.
void postClick(QWidget *target)
{
    const QPointF at(target->rect().center());
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
        QCoreApplication::postEvent(target, new QMouseEvent(type, at, target->mapToGlobal(at), Qt::LeftButton,
                                                            type == QEvent::MouseButtonPress ? Qt::LeftButton
                                                                                             : Qt::NoButton,
                                                            Qt::NoModifier));
}

} // namespace

class TestAnimationRun : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void finishedPictureOfTwoSlits();
    void sameAsDrawingEveryElement_data();
    void sameAsDrawingEveryElement();
    void lastChainIsKeptWhole_data();
    void lastChainIsKeptWhole();
    void secondStartDrawsTheSamePicture();
    void damagedStoresNeitherHangNorCrash_data();
    void damagedStoresNeitherHangNorCrash();
    void framesAreShownDuringTheRun();
    void inputDuringARunIsHandledAfterIt();
    void aClickFromTheWindowSystemLandsWhereItWasMade();
    void secondStartDuringARunRunsAfterIt();
    void closeDuringARunWaitsForTheSweep_data();
    void closeDuringARunWaitsForTheSweep();

private:
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<FakeClock> clock_;
};

void TestAnimationRun::initTestCase()
{
    test::useEnglishNumbers();
}

void TestAnimationRun::init()
{
    window_ = test::openWindow();
    // Every reading of the clock costs 100 us of make-believe work, so a run
    // spans about a simulated second and shows frames, in no real time.
    clock_ = std::make_unique<FakeClock>(100us);
    window_->conductor().setRunClock(*clock_);
    window_->conductor().setFrameInterval(16ms);
}

void TestAnimationRun::cleanup()
{
    window_.reset();
    clock_.reset();
}

void TestAnimationRun::finishedPictureOfTwoSlits()
{
    control<QRadioButton>(*window_, "op2")->click();
    QCOMPARE(test::text(*window_, "nKmitočet"), QStringLiteral("20"));
    control<QLineEdit>(*window_, "nSpomaleni")->setText(QStringLiteral("0"));
    QTest::mouseClick(control<QPushButton>(*window_, "cmdStart"), Qt::LeftButton);
    QVERIFY(test::waitForRunEnd(*window_));
    DrawingSurface &s = window_->surface();

    // Midway between the slits the bar is 1920 twips tall: from row 433 (6500)
    // up to row 305 (4580), the tallest of the bars that share the column.
    const QList<QPoint> bar = test::pixelsIn(s, QRect(QPoint(603, 262), QPoint(603, 433)), s.foregroundColour());
    QVERIFY(!bar.isEmpty());
    QCOMPARE(bar.first().y(), 305);

    // Grey discs of radius 50 twips (3 px) cut the slits at 9000 and 9100
    // into the 3-pixel diaphragm line at row 533.
    QCOMPARE(s.pixelAt(590, 533), s.foregroundColour());
    QCOMPARE(s.pixelAt(598, 533), DrawingSurface::kBackColour);
    QCOMPARE(s.pixelAt(609, 533), DrawingSurface::kBackColour);
    QCOMPARE(s.pixelAt(620, 533), s.foregroundColour());
    // White stubs below both slits.
    QCOMPARE(s.pixelAt(600, 550), kWhite);
    QCOMPARE(s.pixelAt(607, 550), kWhite);

    // The last rays go to column 11900 (pixel 793): three rows below the
    // screen line they pass x = 787, where no ray to 11800 comes near; a ray
    // to 11950 would pass x = 791.
    QCOMPARE(s.pixelAt(787, 436), kWhite);
    QCOMPARE(s.pixelAt(791, 436), DrawingSurface::kBackColour);

    // The last chain starts at column 11800; its joint and end are ink.
    const auto last = PhasorChain(11800, 2, 20, 200);
    for (const ChainPoint &c : last) {
        const QPoint p = pixelOf(c.x, c.y);
        QCOMPARE(s.pixelAt(p.x(), p.y()), s.foregroundColour());
    }

    QCOMPARE(test::text(*window_, "nRelKmitočet"), workedReadOut(20));
    QCOMPARE(s.lineWidth(), 1);
    QCOMPARE(s.fillStyle(), DrawingSurface::FillStyle::Solid);
    QCOMPARE(s.fillColour(), DrawingSurface::kBackColour);
}

void TestAnimationRun::sameAsDrawingEveryElement_data()
{
    QTest::addColumn<QString>("slits");
    QTest::addColumn<QString>("f");
    QTest::newRow("2 at 20") << "2" << "20";
    QTest::newRow("3 at 20") << "3" << "20";
    QTest::newRow("4 at 200") << "4" << "200";
    QTest::newRow("20 at 15") << "20" << "15";
    QTest::newRow("20 at 33, in the band") << "20" << "33";
    QTest::newRow("20 at 200: bars point down across the stubs") << "20" << "200";
    QTest::newRow("30 slits, unscaled: bars far beyond the picture") << "30" << "20";
    QTest::newRow("2.5 slits: two of them") << "2.5" << "20";
}

void TestAnimationRun::sameAsDrawingEveryElement()
{
    QFETCH(QString, slits);
    QFETCH(QString, f);
    RunBench reference(slits, f);
    drawEveryElement(reference.surface, slits, f);
    QCOMPARE(test::freshRunPicture(slits, f), reference.surface.image());
}

void TestAnimationRun::lastChainIsKeptWhole_data()
{
    QTest::addColumn<int>("slits");
    QTest::addColumn<int>("f");
    QTest::addColumn<double>("L");
    // The settings whose last chain reaches furthest right.
    QTest::newRow("4 at 21: to 832 px") << 4 << 21 << 190.0;
    QTest::newRow("3 at 97: to 824 px") << 3 << 97 << 200.0;
}

void TestAnimationRun::lastChainIsKeptWhole()
{
    QFETCH(int, slits);
    QFETCH(int, f);
    QFETCH(double, L);
    RunBench run(QString::number(slits), QString::number(f));
    run.run();
    // Beyond the design width and the cleared band, for an enlarged window.
    const auto chain = PhasorChain(11800, slits, f, L);
    double furthest = 0;
    for (const ChainPoint &c : chain) {
        furthest = std::max(furthest, c.x);
        const QPoint p = pixelOf(c.x, c.y);
        QCOMPARE(run.surface.pixelAt(p.x(), p.y()), run.surface.foregroundColour());
    }
    QVERIFY(furthest > 12300);
}

void TestAnimationRun::secondStartDrawsTheSamePicture()
{
    control<QLineEdit>(*window_, "nSpomaleni")->setText(QStringLiteral("0"));
    QVERIFY(test::runToEnd(*window_));
    const QImage first = window_->surface().image().copy();
    // Something drawn in between is wiped by the next run.
    window_->surface().line(0, 1500, 12000, 8000);
    QVERIFY(test::runToEnd(*window_));
    QCOMPARE(window_->surface().image(), first);
}

void TestAnimationRun::damagedStoresNeitherHangNorCrash_data()
{
    QTest::addColumn<QString>("slits");
    QTest::addColumn<QString>("f");
    QTest::addColumn<QString>("slowDown");
    QTest::addColumn<double>("pausedMs");
    QTest::addColumn<QString>("readOut");

    const QString at20 = workedReadOut(20);
    QTest::newRow("slit count not a number: no slits") << "two" << "20" << "0" << 0.0 << at20;
    QTest::newRow("negative slit count") << "-4" << "20" << "0" << 0.0 << at20;
    QTest::newRow("slit count 99999 is bounded") << "99999" << "20" << "0" << 0.0 << at20;
    QTest::newRow("frequency not a number reads 0") << "4" << "x" << "0" << 0.0 << ".";
    QTest::newRow("frequency 1e300: phases beyond reason") << "3" << QString(300, '9') << "0" << 0.0 << QString();
    QTest::newRow("negative slow-down: no pause") << "4" << "20" << "-30001" << 0.0 << at20;
    QTest::newRow("slow-down not a number: no pause") << "4" << "20" << "slow" << 0.0 << at20;
    QTest::newRow("fractional slow-down 2.5 pauses in proportion") << "4" << "20" << "2.5" << 11951 * 2.5 / 3000
                                                                     << at20;
    QTest::newRow("slow-down beyond the bar is held at 30001") << "4" << "20" << "999999999"
                                                                 << 11951 * 30001.0 / 3000 << at20;
}

void TestAnimationRun::damagedStoresNeitherHangNorCrash()
{
    QFETCH(QString, slits);
    QFETCH(QString, f);
    QFETCH(QString, slowDown);
    QFETCH(double, pausedMs);
    QFETCH(QString, readOut);
    // A clock that only waits moves: all of the pause is waited.
    FakeClock waitsOnly;
    window_->conductor().setRunClock(waitsOnly);
    // As the stores hold them when Start is pressed.
    control<QLineEdit>(*window_, "nNdirek")->setText(slits);
    control<QLineEdit>(*window_, "nKmitočet")->setText(f);
    control<QLineEdit>(*window_, "nSpomaleni")->setText(slowDown);
    QVERIFY(test::runToEnd(*window_));
    const double paused = std::chrono::duration<double, std::milli>(waitsOnly.slept()).count();
    QVERIFY2(std::fabs(paused - pausedMs) <= 0.02 * pausedMs + 0.1, qPrintable(QString::number(paused)));
    if (!readOut.isNull())
        QCOMPARE(test::text(*window_, "nRelKmitočet"), readOut);
}

void TestAnimationRun::framesAreShownDuringTheRun()
{
    test::PaintSpy painted(window_->surface());
    QVERIFY(test::runToEnd(*window_));
    // About a simulated second of run at 16 ms a frame, each frame painted
    // while the run was still going.
    const int frames = window_->conductor().lastRun().framesShown;
    QVERIFY2(frames >= 50, qPrintable(QString::number(frames)));
    QVERIFY2(painted.count >= frames / 2, qPrintable(QString::number(painted.count)));
}

void TestAnimationRun::inputDuringARunIsHandledAfterIt()
{
    auto *frequency = control<QScrollBar>(*window_, "HScrollKmitočet");
    frequency->setFocus();
    // Queued before the run starts, so they arrive at its first frame: a
    // click on the 2-slit option, then a key on the frequency bar.
    postClick(control<QRadioButton>(*window_, "op2"));
    QCoreApplication::postEvent(frequency, new QKeyEvent(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier));
    QCoreApplication::postEvent(frequency, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier));
    QTest::mouseClick(control<QPushButton>(*window_, "cmdStart"), Qt::LeftButton);
    QVERIFY(test::waitForRunEnd(*window_));
    QVERIFY(window_->conductor().lastRun().framesShown > 0);
    // The run drew with the parameters it started with, untouched by the input.
    QCOMPARE(test::text(*window_, "nNdirek"), QStringLiteral("4"));
    QCOMPARE(test::text(*window_, "nKmitočet"), QStringLiteral("20"));
    QCOMPARE(test::text(*window_, "nRelKmitočet"), workedReadOut(20));

    // Then the input is handled, in order, with nothing else needed to release it.
    QCoreApplication::processEvents();
    QCOMPARE(test::text(*window_, "nNdirek"), QStringLiteral("2"));
    // Selecting 2 slits set 20, then the key moved the bar on to 21; the
    // other order would have left 20.
    QCOMPARE(frequency->value(), 1);
    QCOMPARE(test::text(*window_, "nKmitočet"), QStringLiteral("21"));
    QCOMPARE(test::text(*window_, "nRelKmitočet"), workedReadOut(21));
}

void TestAnimationRun::aClickFromTheWindowSystemLandsWhereItWasMade()
{
    // Through the window, as the window system delivers it: the pointer then
    // moves on before the run ends, which moves the device's own point.
    control<QLineEdit>(*window_, "nSpomaleni")->setText(QStringLiteral("30001"));
    QTest::mouseClick(control<QPushButton>(*window_, "cmdStart"), Qt::LeftButton);
    QWindow *window = window_->windowHandle();
    auto *option = control<QRadioButton>(*window_, "op2");
    QTest::mouseClick(window, Qt::LeftButton, {}, option->mapTo(window_.get(), QPoint(6, 6)));
    QTest::mouseMove(window, QPoint(300, 100));
    QCOMPARE(test::text(*window_, "nNdirek"), QStringLiteral("4"));
    window_->conductor().pauseOrResume();
    QTest::keyClick(window_->controls().cmdStart, Qt::Key_End);
    QVERIFY(test::waitForRunEnd(*window_));
    QCoreApplication::processEvents();
    QCOMPARE(test::text(*window_, "nNdirek"), QStringLiteral("2"));
}

void TestAnimationRun::secondStartDuringARunRunsAfterIt()
{
    QSignalSpy finished(window_.get(), &MainWindow::runFinished);
    auto *start = control<QPushButton>(*window_, "cmdStart");
    postClick(start);
    // And a click made by code from a timer, as a script might.
    QTimer::singleShot(0, start, &QPushButton::click);
    QTest::mouseClick(start, Qt::LeftButton);
    QVERIFY(test::waitForRunEnd(*window_));
    QCOMPARE(finished.count(), 1);
    QVERIFY(!window_->conductor().running());
    KORVANE_TRY_COMPARE_WITH_TIMEOUT(finished.count(), 3, 60000);
}

void TestAnimationRun::closeDuringARunWaitsForTheSweep_data()
{
    // What the user does while the run lasts, in order: "exit" and "start"
    // click those buttons, "close" asks the window frame to close, and
    // "tab", "backtab" and "enter" are keys on the control that has the focus.
    QTest::addColumn<QStringList>("held");
    QTest::addColumn<int>("runs");
    QTest::newRow("Exit button") << QStringList{"exit"} << 1;
    QTest::newRow("close through the window frame") << QStringList{"close"} << 1;
    QTest::newRow("Exit, then Start: no run after the window has gone") << QStringList{"exit", "start"} << 1;
    QTest::newRow("Start, then Exit: the second run, then the end") << QStringList{"start", "exit"} << 2;
    QTest::newRow("frame close, then Start") << QStringList{"close", "start"} << 1;
    QTest::newRow("Start, then frame close: the second run, then the end") << QStringList{"start", "close"} << 2;
    QTest::newRow("Tab to Exit, Enter, Shift+Tab back to Start, Enter")
        << QStringList{"tab", "enter", "backtab", "enter"} << 1;
}

void TestAnimationRun::closeDuringARunWaitsForTheSweep()
{
    QFETCH(QStringList, held);
    QFETCH(int, runs);
    auto *start = control<QPushButton>(*window_, "cmdStart");
    auto *exit = control<QPushButton>(*window_, "cmdKonec");
    // 157 shows as "25." only once a run has written the read-out at its end.
    control<QLineEdit>(*window_, "nKmitočet")->setText(QStringLiteral("157"));
    QSignalSpy finished(window_.get(), &MainWindow::runFinished);
    QStringList readOutAtEachEnd;
    connect(window_.get(), &MainWindow::runFinished, this,
            [&] { readOutAtEachEnd << test::text(*window_, "nRelKmitočet"); });
    QVERIFY(test::programEndsAfter(*window_, [&] {
        QTest::mouseClick(start, Qt::LeftButton);
        // The keys go where the focus will be by then, starting on Start.
        QWidget *focus = start;
        for (const QString &action : held) {
            if (action == QLatin1String("exit")) {
                postClick(exit);
            } else if (action == QLatin1String("start")) {
                postClick(start);
            } else if (action == QLatin1String("close")) {
                // Behind the clicks already queued, as the window system keeps them.
                QTimer::singleShot(0, window_.get(), &QWidget::close);
            } else {
                const bool enter = action == QLatin1String("enter");
                const int key = enter ? Qt::Key_Return : action == QLatin1String("tab") ? Qt::Key_Tab : Qt::Key_Backtab;
                for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
                    QCoreApplication::postEvent(focus, new QKeyEvent(type, key, Qt::NoModifier));
                if (!enter)
                    focus = focus == start ? static_cast<QWidget *>(exit) : start;
            }
        }
    }));
    // Every run swept to its end and wrote its read-out before the window closed.
    QCOMPARE(finished.count(), runs);
    QCOMPARE(readOutAtEachEnd, QStringList(runs, workedReadOut(157)));
    QVERIFY(!window_->isVisible());
}

QTEST_MAIN(TestAnimationRun)
#include "test_animation_run.moc"
