// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
// The pause accounting of the Start run's pacer, on a simulated clock: the
// run's length, how often it sleeps and how steadily it shows frames.

#include "fake_clock.h"
#include "pacer.h"

#include <QtTest>

#include <algorithm>
#include <chrono>
#include <limits>
#include <vector>

using namespace korvane;
using namespace std::chrono_literals;
using korvane::test::FakeClock;

namespace {

constexpr int kColumns = 11951;
constexpr auto kFrameInterval = std::chrono::nanoseconds(16'666'667);

struct Simulated {
    std::chrono::nanoseconds total{0};
    std::chrono::nanoseconds longestFrameGap{0};
    int frames = 0;
    int sleeps = 0;
};

// A sweep whose columns take `work` each and whose frames take `frameCost`.
Simulated simulate(double slowDown, std::chrono::nanoseconds work, std::chrono::nanoseconds frameCost,
                   std::chrono::nanoseconds oversleep)
{
    FakeClock clock(0ns, oversleep);
    std::vector<PaceClock::Time> frames{clock.peek()};
    Pacer pacer(clock, slowDown, kFrameInterval, [&] {
        frames.push_back(clock.peek());
        clock.spend(frameCost);
    });
    for (int column = 0; column < kColumns; ++column) {
        clock.spend(work);
        pacer.columnDone();
    }
    pacer.finish();
    frames.push_back(clock.peek());

    Simulated result;
    result.total = clock.elapsed();
    for (std::size_t i = 1; i < frames.size(); ++i)
        result.longestFrameGap = std::max(result.longestFrameGap, std::chrono::nanoseconds(frames[i] - frames[i - 1]));
    result.frames = pacer.framesShown();
    result.sleeps = clock.sleeps();
    return result;
}

double ms(std::chrono::nanoseconds d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

} // namespace

class TestPacer : public QObject
{
    Q_OBJECT

private slots:
    void runLastsItsWorkPlusItsPause_data();
    void runLastsItsWorkPlusItsPause();
    void pausePerColumn_data();
    void pausePerColumn();
    void machineClockNeverWakesEarly_data();
    void machineClockNeverWakesEarly();
};

void TestPacer::runLastsItsWorkPlusItsPause_data()
{
    QTest::addColumn<double>("slowDown");
    QTest::addColumn<double>("pausedAs"); // the factor whose pause is expected
    QTest::addColumn<int>("workUs");      // per column
    QTest::addColumn<int>("frameUs");     // per frame
    QTest::addColumn<int>("oversleepUs"); // per sleep

    QTest::newRow("S=0: no pause at all") << 0.0 << 0.0 << 4 << 300 << 60;
    QTest::newRow("start-up factor 1: 4 ms a run") << 1.0 << 1.0 << 4 << 300 << 60;
    QTest::newRow("S=301: 1.2 s") << 301.0 << 301.0 << 4 << 300 << 60;
    QTest::newRow("largest factor 30001: two minutes") << 30001.0 << 30001.0 << 4 << 300 << 60;
    QTest::newRow("20 slits, slow frames") << 301.0 << 301.0 << 15 << 1500 << 60;
    QTest::newRow("sleeps overshoot by 2 ms") << 301.0 << 301.0 << 4 << 300 << 2000;
    QTest::newRow("fractional 2.5 pauses in proportion") << 2.5 << 2.5 << 4 << 300 << 60;
    QTest::newRow("negative: no pause") << -7.0 << 0.0 << 4 << 300 << 60;
    QTest::newRow("not a number: no pause") << std::numeric_limits<double>::quiet_NaN() << 0.0 << 4 << 300 << 60;
    QTest::newRow("beyond the bar's range: held at 30001") << 1e12 << 30001.0 << 4 << 300 << 60;
}

void TestPacer::runLastsItsWorkPlusItsPause()
{
    QFETCH(double, slowDown);
    QFETCH(double, pausedAs);
    QFETCH(int, workUs);
    QFETCH(int, frameUs);
    QFETCH(int, oversleepUs);
    const std::chrono::microseconds work(workUs), frame(frameUs), oversleep(oversleepUs);

    const Simulated unpaced = simulate(0.0, work, frame, oversleep);
    const Simulated paced = simulate(slowDown, work, frame, oversleep);

    // As long as the run without pause plus 11951 x S / 3 microseconds, within 2%.
    const double expected = ms(unpaced.total) + kColumns * pausedAs / 3.0 / 1000.0;
    QVERIFY2(std::fabs(ms(paced.total) - expected) <= 0.02 * expected,
             qPrintable(QStringLiteral("lasted %1 ms, expected %2 ms").arg(ms(paced.total)).arg(expected)));
    if (pausedAs == 0.0)
        QCOMPARE(paced.sleeps, 0);
    // Slept, not spun, and in chunks: at most one wake-up a frame.
    QVERIFY2(paced.sleeps <= paced.frames + 1, qPrintable(QStringLiteral("%1 sleeps, %2 frames")
                                                               .arg(paced.sleeps)
                                                               .arg(paced.frames)));
    // A frame at least every 20 ms, and not more often than the display shows them.
    QVERIFY2(paced.longestFrameGap <= 20ms, qPrintable(QString::number(ms(paced.longestFrameGap))));
    QVERIFY(paced.frames <= ms(paced.total) / ms(kFrameInterval) + 1);
}

void TestPacer::pausePerColumn_data()
{
    QTest::addColumn<double>("slowDown");
    QTest::addColumn<double>("nanoseconds");
    QTest::newRow("1") << 1.0 << 1000.0 / 3.0;
    QTest::newRow("30001: 10 ms") << 30001.0 << 30001000.0 / 3.0;
    QTest::newRow("0") << 0.0 << 0.0;
    QTest::newRow("-1") << -1.0 << 0.0;
    QTest::newRow("infinity is held") << std::numeric_limits<double>::infinity() << 30001000.0 / 3.0;
}

void TestPacer::pausePerColumn()
{
    QFETCH(double, slowDown);
    QFETCH(double, nanoseconds);
    FakeClock clock;
    const Pacer pacer(clock, slowDown, kFrameInterval, {});
    QCOMPARE(pacer.pausePerColumn(), nanoseconds);
}

// The machine's own clock: on Windows it sleeps on a waitable timer, whose
// due time is relative, in 100 ns units, and counted on another clock than
// the deadline. A wake-up before the deadline would shorten every pause; a
// deadline already past must not wait at all. Only the lower bound is checked:
// how much later a loaded machine wakes is no fault.
void TestPacer::machineClockNeverWakesEarly_data()
{
    QTest::addColumn<int>("microseconds");
    QTest::newRow("already past") << -5000;
    QTest::newRow("now") << 0;
    QTest::newRow("less than a timer tick") << 1500;
    QTest::newRow("about a frame") << 16667;
    QTest::newRow("more than two timer ticks") << 40000;
}

void TestPacer::machineClockNeverWakesEarly()
{
    QFETCH(int, microseconds);
    SteadyPaceClock clock;
    for (int i = 0; i < 3; ++i) {
        const PaceClock::Time deadline = clock.now() + std::chrono::microseconds(microseconds);
        clock.sleepUntil(deadline);
        QVERIFY(clock.now() >= deadline);
    }
}

QTEST_APPLESS_MAIN(TestPacer)
#include "test_pacer.moc"
