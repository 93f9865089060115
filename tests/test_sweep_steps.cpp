// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
// Where a paused sweep goes on a step, worked by hand: chains every 200
// columns up to 11800, the last column 11950, and a column's bar in the pixel
// column its twips snap to (P x zoom / 15, rounded).

#include "sweep_steps.h"

#include <QtTest>

using namespace korvane;

class TestSweepSteps : public QObject
{
    Q_OBJECT

private slots:
    void steps_data();
    void steps();
};

void TestSweepSteps::steps_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<int>("reached");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<int>("expected");

    QTest::newRow("next chain before the first column") << "chain on" << -1 << 1.0 << 0;
    QTest::newRow("next chain from a chain") << "chain on" << 200 << 1.0 << 400;
    QTest::newRow("next chain from between") << "chain on" << 399 << 1.0 << 400;
    QTest::newRow("past the last chain: the last column") << "chain on" << 11800 << 1.0 << 11950;
    QTest::newRow("at the last column it stays") << "chain on" << 11950 << 1.0 << 11950;
    QTest::newRow("chain before, from a chain") << "chain back" << 400 << 1.0 << 200;
    QTest::newRow("chain before, from just after one") << "chain back" << 401 << 1.0 << 400;
    QTest::newRow("chain before the last column") << "chain back" << 11950 << 1.0 << 11800;
    QTest::newRow("at the first column it stays") << "chain back" << 0 << 1.0 << 0;
    QTest::newRow("before the first column it stays") << "chain back" << -1 << 1.0 << -1;

    // At 100 % pixel k holds the columns from 15k - 7 to 15k + 7.
    QTest::newRow("the first pixel column whole") << "pixel on" << -1 << 1.0 << 7;
    QTest::newRow("a pixel on from the first column") << "pixel on" << 0 << 1.0 << 22;
    QTest::newRow("a pixel on from mid-pixel") << "pixel on" << 9050 << 1.0 << 9067;
    QTest::newRow("a pixel back") << "pixel back" << 9067 << 1.0 << 9052;
    QTest::newRow("a pixel back from a pixel's last column") << "pixel back" << 9052 << 1.0 << 9037;
    QTest::newRow("a pixel back into the first") << "pixel back" << 22 << 1.0 << 7;
    QTest::newRow("a pixel back from the first: the first column") << "pixel back" << 7 << 1.0 << 0;
    QTest::newRow("a pixel on at the end") << "pixel on" << 11940 << 1.0 << 11950;
    // At 200 % a pixel is 7.5 columns: pixel 28 ends at 213, 29 at 221.
    QTest::newRow("200 %: a pixel on") << "pixel on" << 200 << 2.0 << 213;
    QTest::newRow("200 %: two pixels on") << "pixel on" << 213 << 2.0 << 221;
    QTest::newRow("200 %: a pixel back") << "pixel back" << 221 << 2.0 << 213;
    // At 125 % a pixel is 12 columns: pixel 1 holds 6 to 17.
    QTest::newRow("125 %: the first pixel column whole") << "pixel on" << -1 << 1.25 << 5;
    QTest::newRow("125 %: a pixel on") << "pixel on" << 5 << 1.25 << 17;
}

void TestSweepSteps::steps()
{
    QFETCH(QString, step);
    QFETCH(int, reached);
    QFETCH(double, zoom);
    QFETCH(int, expected);
    int to = 0;
    if (step == QLatin1String("chain on"))
        to = nextChainColumn(reached);
    else if (step == QLatin1String("chain back"))
        to = previousChainColumn(reached);
    else if (step == QLatin1String("pixel on"))
        to = nextPixelColumn(reached, zoom);
    else
        to = previousPixelColumn(reached, zoom);
    QCOMPARE(to, expected);
}

QTEST_APPLESS_MAIN(TestSweepSteps)
#include "test_sweep_steps.moc"
