// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
// The pause accounting of the Start run's pacer, on a simulated clock: the
// run's length, with and without a standstill, how often it waits and how
// steadily it shows frames.

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

// A sweep whose columns take `work` each and whose frames take `frameCost`,
// given way to an event loop that paints a frame and waits as the pacer
// says. At column `stopAt` it stands still for `standstill`, as a user's
// pause does.
Simulated simulate(double slowDown, std::chrono::nanoseconds work, std::chrono::nanoseconds frameCost,
                   std::chrono::nanoseconds oversleep, int stopAt = -1,
                   std::chrono::nanoseconds standstill = std::chrono::nanoseconds(0))
{
    FakeClock clock(0ns, oversleep);
    std::vector<PaceClock::Time> frames{clock.peek()};
    Pacer pacer(slowDown, kFrameInterval, clock.now());
    const auto giveWay = [&](PaceClock::Time until) {
        frames.push_back(clock.peek());
        clock.spend(frameCost);
        clock.waitFor(until);
        pacer.resume(clock.now());
    };
    for (int column = 0; column < kColumns; ++column) {
        if (column == stopAt) {
            pacer.stop(clock.now());
            clock.spend(standstill);
            pacer.restart(clock.now());
            pacer.resume(clock.now());
        }
        clock.spend(work);
        if (pacer.columnDone(clock.now()))
            giveWay(pacer.wakeAt());
    }
    // The last columns are shown as the sweep gives way to wait for their pause.
    frames.push_back(clock.peek());
    clock.waitFor(clock.now() + pacer.stillOwed());

    Simulated result;
    result.total = clock.elapsed();
    for (std::size_t i = 1; i < frames.size(); ++i)
        if (frames[i] - frames[i - 1] < standstill || standstill.count() == 0)
            result.longestFrameGap =
                std::max(result.longestFrameGap, std::chrono::nanoseconds(frames[i] - frames[i - 1]));
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
    void pausedRunLastsItsTimePlusTheStandstill_data();
    void pausedRunLastsItsTimePlusTheStandstill();
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
    const Pacer pacer(slowDown, kFrameInterval, PaceClock::Time());
    QCOMPARE(pacer.pausePerColumn(), nanoseconds);
}

void TestPacer::pausedRunLastsItsTimePlusTheStandstill_data()
{
    QTest::addColumn<double>("slowDown");
    QTest::addColumn<int>("stopAt");
    QTest::addColumn<int>("standstillMs");

    QTest::newRow("S=301, a second's stop half way") << 301.0 << 6000 << 1000;
    QTest::newRow("S=301, stopped at the first column") << 301.0 << 0 << 5000;
    QTest::newRow("S=30001, a minute's stop near the end") << 30001.0 << 11900 << 60000;
    QTest::newRow("S=0, stopped: no pause to keep") << 0.0 << 5000 << 2000;
}

void TestPacer::pausedRunLastsItsTimePlusTheStandstill()
{
    QFETCH(double, slowDown);
    QFETCH(int, stopAt);
    QFETCH(int, standstillMs);
    const auto standstill = std::chrono::milliseconds(standstillMs);
    const Simulated untouched = simulate(slowDown, 4us, 300us, 60us);
    const Simulated stopped = simulate(slowDown, 4us, 300us, 60us, stopAt, standstill);
    // The pauses still to come are all kept: as long as the untouched run
    // and the standstill together, within one frame.
    const double expected = ms(untouched.total) + standstillMs;
    QVERIFY2(std::fabs(ms(stopped.total) - expected) <= ms(kFrameInterval),
             qPrintable(QStringLiteral("lasted %1 ms, expected %2 ms").arg(ms(stopped.total)).arg(expected)));
    QVERIFY2(stopped.longestFrameGap <= 20ms, qPrintable(QString::number(ms(stopped.longestFrameGap))));
}

QTEST_APPLESS_MAIN(TestPacer)
#include "test_pacer.moc"
