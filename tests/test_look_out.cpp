// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
// The look-out at one column against values worked by hand from the scene's
// geometry, the orders against the grating equation, the far field against
// the textbook's formula, and the runs kept to compare.

#include "far_field.h"
#include "kept_profiles.h"
#include "look_out.h"

#include <QtTest>

#include <climits>
#include <cmath>
#include <numbers>

using namespace korvane;

namespace {

constexpr double kD = 837000.0; // the screen's distance: 130 x 6500 - 8000
constexpr double kSpacing = 100.0;
// A minimum of two slits lies halfway between two orders; which one is named
// there is not a thing to pin.
constexpr int kHalfway = INT_MIN;

double degrees(double radians)
{
    return radians * 180.0 / std::numbers::pi;
}

} // namespace

class TestLookOut : public QObject
{
    Q_OBJECT

private slots:
    void handChecked_data();
    void handChecked();
    void ordersFollowTheGratingEquation_data();
    void ordersFollowTheGratingEquation();
    void nearestOrderIsTheNearerColumn();
    void pathDifferenceWithoutCancellation();
    void brightestBarIsTheRunsOwn();
    void brightestBarAtEveryFrequencyOfTheBars_data();
    void brightestBarAtEveryFrequencyOfTheBars();
    void storesThatNoHandlerWrites_data();
    void storesThatNoHandlerWrites();
    void farFieldAsWorkedByHand_data();
    void farFieldAsWorkedByHand();
    void keptProfiles_data();
    void keptProfiles();
};

// Worked by hand in the paraxial (Fresnel) approximation, where slit J at x
// has the phase f (x - P)^2 / 2D at column P, with P0 the slits' middle:
//   mean step       f d (P0 - P) / D              (the first order at P0 - 2 pi D / f d)
//   steps' spread   f d^2 (N - 2) / 2D            (the same at every column)
//   intensity       |sum over J of exp(i f (x_J - P)^2 / 2D)|^2, over its largest
//                   at the screen's whole columns
// The approximation leaves out parts in (P0 - P)^2 / D^2 and f x^4 / 8D^3,
// below 0.003 degrees and 0.03 percentage points here: the steps are checked
// to 0.01 degrees, the intensities to 0.05 points.
//
// For 2 to 4 slits the centre and the first order are the brightest columns
// and a minimum nearly closes the chain. The 20-slit grating is 1900 twips
// wide, and its chain curls by f x 950^2 / 2D, 8 radians at f = 15: the
// screen is in its near field, the centre is not the brightest column and the
// chain at "360/N degrees" stays far from closed.
void TestLookOut::handChecked_data()
{
    QTest::addColumn<QString>("slits");
    QTest::addColumn<double>("frequency");
    QTest::addColumn<double>("column");
    QTest::addColumn<double>("stepDegrees");
    QTest::addColumn<double>("spreadDegrees");
    QTest::addColumn<double>("intensityPercent");
    QTest::addColumn<int>("nearestOrder");

    // clang-format off
    QTest::newRow("2 slits, central maximum")       << "2" << 20.0 << 9050.0  <<    0.0  <<   0.0   << 100.0  << 0;
    QTest::newRow("2 slits, first minimum")         << "2" << 20.0 << 7735.0  <<  180.03 <<   0.0   <<   0.0  << kHalfway;
    QTest::newRow("2 slits, first maximum, m = 1")  << "2" << 20.0 << 6420.0  <<  360.07 <<   0.0   << 100.0  << 1;
    QTest::newRow("2 slits, m = -1, right")         << "2" << 20.0 << 11680.0 << -360.07 <<   0.0   << 100.0  << -1;
    QTest::newRow("3 slits, central maximum")       << "3" << 20.0 << 9100.0  <<    0.0  <<   6.845 << 100.0  << 0;
    QTest::newRow("3 slits, first minimum")         << "3" << 20.0 << 8223.0  <<  120.07 <<   6.845 <<   0.16 << 0;
    QTest::newRow("3 slits, first maximum, m = 1")  << "3" << 20.0 << 6470.0  <<  360.07 <<   6.845 << 100.0  << 1;
    QTest::newRow("4 slits, central maximum")       << "4" << 20.0 << 9150.0  <<    0.0  <<  13.69  << 100.0  << 0;
    QTest::newRow("4 slits, first minimum")         << "4" << 20.0 << 8493.0  <<   89.95 <<  13.69  <<   0.72 << 0;
    QTest::newRow("4 slits, first maximum, m = 1")  << "4" << 20.0 << 6520.0  <<  360.07 <<  13.69  << 100.0  << 1;
    QTest::newRow("20 slits f 15, centre")          << "20" << 15.0 << 9950.0 <<    0.0  <<  92.41  <<  93.21 << 0;
    QTest::newRow("20 slits f 15, step 18 degrees") << "20" << 15.0 << 9775.0 <<   17.97 <<  92.41  <<  42.79 << 0;
    QTest::newRow("20 slits f 15, m = 1")           << "20" << 15.0 << 6444.0 <<  360.00 <<  92.41  <<  93.21 << 1;
    QTest::newRow("20 slits f 20, centre")          << "20" << 20.0 << 9950.0 <<    0.0  << 123.22  <<  39.15 << 0;
    QTest::newRow("20 slits f 20, step 18 degrees") << "20" << 20.0 << 9819.0 <<   17.93 << 123.22  <<  89.98 << 0;
    QTest::newRow("20 slits f 20, m = 1")           << "20" << 20.0 << 7320.0 <<  360.07 << 123.22  <<  39.15 << 1;
    // clang-format on
}

void TestLookOut::handChecked()
{
    QFETCH(QString, slits);
    QFETCH(double, frequency);
    QFETCH(double, column);
    QFETCH(double, stepDegrees);
    QFETCH(double, spreadDegrees);
    QFETCH(double, intensityPercent);
    QFETCH(int, nearestOrder);

    const RunLookOut run(slits.toStdString(), slits.toDouble(), frequency);
    const LookOut look = run.at(column);
    QCOMPARE(look.column, column);
    QCOMPARE(look.pairs, slits.toInt() - 1);
    QVERIFY2(std::abs(degrees(look.meanStep) - stepDegrees) <= 0.01, qPrintable(QString::number(degrees(look.meanStep))));
    QVERIFY2(std::abs(degrees(look.stepSpread) - spreadDegrees) <= 0.01,
             qPrintable(QString::number(degrees(look.stepSpread))));
    QVERIFY(std::abs(look.waves - stepDegrees / 360.0) <= 0.01 / 360.0);
    QVERIFY2(std::abs(look.intensity * 100.0 - intensityPercent) <= 0.05,
             qPrintable(QString::number(look.intensity * 100.0)));
    // The chain the panel draws is the run's own for that column.
    QCOMPARE(look.chain, PhasorChain(column, slits.toDouble(), frequency, PhasorLength(slits.toStdString())));
    QVERIFY(look.nearest);
    if (nearestOrder != kHalfway)
        QCOMPARE(look.nearest->m, nearestOrder);
}

// d sin(theta) = m lambda from the slits' middle: the order's column lies at
// P0 - D tan(theta). The mean of the pairs' path differences differs from it
// in the third order of the slits' width over D, by less than 0.01 twips.
void TestLookOut::ordersFollowTheGratingEquation_data()
{
    QTest::addColumn<QString>("slits");
    QTest::addColumn<double>("frequency");
    QTest::addColumn<int>("highest");
    QTest::addColumn<int>("lowest");

    QTest::newRow("2 slits, f 20") << "2" << 20.0 << 3 << -1;
    QTest::newRow("4 slits, f 200") << "4" << 200.0 << 34 << -10;
    QTest::newRow("20 slits, f 5") << "20" << 5.0 << 0 << 0;
    QTest::newRow("20 slits, f 45") << "20" << 45.0 << 8 << -1;
}

void TestLookOut::ordersFollowTheGratingEquation()
{
    QFETCH(QString, slits);
    QFETCH(double, frequency);
    QFETCH(int, highest);
    QFETCH(int, lowest);

    const RunLookOut run(slits.toStdString(), slits.toDouble(), frequency);
    const double middle = 9000.0 + kSpacing * (slits.toInt() - 1) / 2.0;
    const double wavelength = 2.0 * std::numbers::pi / frequency;
    const std::vector<Order> &orders = run.orders();
    QVERIFY(!orders.empty());
    QCOMPARE(orders.front().m, highest);
    QCOMPARE(orders.back().m, lowest);
    for (std::size_t i = 0; i < orders.size(); ++i) {
        const Order &order = orders[i];
        QCOMPARE(order.m, highest - static_cast<int>(i));
        const double expected = middle - kD * std::tan(std::asin(order.m * wavelength / kSpacing));
        QVERIFY2(std::abs(order.column - expected) < 0.01, qPrintable(QString::number(order.m)));
        QVERIFY(order.column >= scene::kFirstColumn && order.column <= scene::kLastColumn);
        // On its column the look-out is on the order.
        const LookOut look = run.at(order.column);
        QVERIFY(std::abs(look.waves - order.m) < 1e-6);
        QCOMPARE(look.nearest->m, order.m);
    }
    // The next orders out lie off the screen.
    const double beyondLeft = middle - kD * std::tan(std::asin((highest + 1) * wavelength / kSpacing));
    const double beyondRight = middle - kD * std::tan(std::asin((lowest - 1) * wavelength / kSpacing));
    QVERIFY(beyondLeft < scene::kFirstColumn);
    QVERIFY(beyondRight > scene::kLastColumn);
}

void TestLookOut::nearestOrderIsTheNearerColumn()
{
    // 2 slits at f = 20: m = 1 at 6420.47, m = 2 at 3790.9.
    const RunLookOut run("2", 2.0, 20.0);
    const LookOut nearerOne = run.at(5200.0);
    QCOMPARE(nearerOne.nearest->m, 1);
    QVERIFY(std::abs(nearerOne.nearest->column - 6420.47) < 0.01);
    const LookOut nearerTwo = run.at(5000.0);
    QCOMPARE(nearerTwo.nearest->m, 2);
    // Between the last order on the screen and the next one off it, the
    // nearer is named, though it is not marked: m = 3 at 1161, m = 4 at -1468.
    QCOMPARE(run.at(0.0).nearest->m, 3);
    const RunLookOut four("4", 4.0, 200.0);
    const LookOut edge = four.at(11950.0);
    QVERIFY(edge.nearest->column > scene::kLastColumn);
    QCOMPARE(edge.nearest->m, four.orders().back().m - 1);
}

void TestLookOut::pathDifferenceWithoutCancellation()
{
    // Against the difference of the two distances in long double, which has
    // the digits that cancel in double to spare.
    for (const double P : {0.0, 5000.0, 9050.0, 9050.5, 11950.0}) {
        for (const int J : {0, 1, 18}) {
            const auto far = [P](int slit) {
                const long double dx = 9000.0L + 100.0L * slit - P;
                return std::sqrt(dx * dx + 837000.0L * 837000.0L);
            };
            const auto expected = static_cast<double>(far(J + 1) - far(J));
            QVERIFY2(std::abs(pathDifference(J, P) - expected) < 1e-12, qPrintable(QString::number(P)));
        }
    }
    QCOMPARE(pathDifference(0, 9050.0), 0.0);
}

void TestLookOut::brightestBarIsTheRunsOwn()
{
    // Two slits, midway: both phasors in line, 400 twips, the brightest there is.
    const RunLookOut two("2", 2.0, 20.0);
    QVERIFY(std::abs(two.largestRawIntensity() - 160000.0) < 1e-6);
    QVERIFY(std::abs(two.tallestBar() - 1920.0) < 1e-6);
    QVERIFY(std::abs(two.at(9050.0).intensity - 1.0) < 1e-12);
    // Its largest is the largest of the bars the run draws.
    const RunLookOut grating("20", 20.0, 15.0);
    double largest = 0.0;
    for (int P = scene::kFirstColumn; P <= scene::kLastColumn; ++P) {
        const std::vector<ChainPoint> chain = PhasorChain(P, 20.0, 15.0, 60.0);
        largest = std::max(largest, RawIntensity(chain.front(), chain.back()));
    }
    QCOMPARE(grating.largestRawIntensity(), largest);
    QVERIFY(std::abs(grating.at(3466.0).intensity - 1.0) < 1e-12);
}

// Found without going through every column, and yet the largest of them all,
// at every frequency the scroll bars give.
void TestLookOut::brightestBarAtEveryFrequencyOfTheBars_data()
{
    QTest::addColumn<QString>("slits");
    QTest::addColumn<int>("lowest");
    QTest::addColumn<int>("highest");
    QTest::newRow("2 slits") << "2" << 20 << 200;
    QTest::newRow("3 slits") << "3" << 20 << 200;
    QTest::newRow("4 slits") << "4" << 20 << 200;
    QTest::newRow("20 slits") << "20" << 5 << 45;
}

void TestLookOut::brightestBarAtEveryFrequencyOfTheBars()
{
    QFETCH(QString, slits);
    QFETCH(int, lowest);
    QFETCH(int, highest);
    const std::string text = slits.toStdString();
    const double N = slits.toDouble();
    for (int f = lowest; f <= highest; ++f) {
        double largest = 0.0;
        for (int P = scene::kFirstColumn; P <= scene::kLastColumn; ++P) {
            const std::vector<ChainPoint> chain = PhasorChain(P, N, f, PhasorLength(text));
            largest = std::max(largest, RawIntensity(chain.front(), chain.back()));
        }
        const RunLookOut run(text, N, f);
        QVERIFY2(run.largestRawIntensity() == largest, qPrintable(QStringLiteral("f = %1").arg(f)));
    }
}

void TestLookOut::storesThatNoHandlerWrites_data()
{
    QTest::addColumn<QString>("slits");
    QTest::addColumn<double>("count");
    QTest::addColumn<double>("frequency");
    QTest::addColumn<int>("points");

    QTest::newRow("no slits") << "" << 0.0 << 20.0 << 1;
    QTest::newRow("one slit") << "1" << 1.0 << 20.0 << 2;
    QTest::newRow("frequency 0") << "4" << 4.0 << 0.0 << 5;
    QTest::newRow("frequency not a number") << "4" << 4.0 << std::nan("") << 5;
    QTest::newRow("frequency 1e300: orders beyond counting") << "3" << 3.0 << 1e300 << 4;
}

void TestLookOut::storesThatNoHandlerWrites()
{
    QFETCH(QString, slits);
    QFETCH(double, count);
    QFETCH(double, frequency);
    QFETCH(int, points);

    // Nothing to step between, no wavelength or none to speak of: a chain,
    // but no order, and no step where there is no pair.
    const RunLookOut run(slits.toStdString(), count, frequency);
    const LookOut look = run.at(5000.0);
    QCOMPARE(static_cast<int>(look.chain.size()), points);
    QCOMPARE(look.pairs, frequency > 1e6 ? 2 : 0);
    QVERIFY(!look.nearest);
    QVERIFY(run.orders().empty());
    QVERIFY(look.intensity >= 0.0 && look.intensity <= 1.0);
}

// Worked by hand: theta from the slits' middle x0 = 9000 + 50 (N - 1), the
// column where the step phi = f d sin(theta) takes a value is
// x0 - D tan(asin(phi / f d)), and there I / (N L)^2 is
// (sin(N phi / 2) / (N sin(phi / 2)))^2: 1 at phi = 0 and at every order
// (phi = 2 pi m), 0 at the first zero (phi = 2 pi / N), 1/2 for two slits at
// phi = pi / 2, (1 / (4 sin(pi / 8)))^2 = 0.42678 for four at phi = pi / 4.
// Columns to 0.001 twips; "exact" rows must give (N L)^2 to the last bit.
void TestLookOut::farFieldAsWorkedByHand_data()
{
    QTest::addColumn<int>("slits");
    QTest::addColumn<double>("f");
    QTest::addColumn<double>("column");
    QTest::addColumn<double>("fraction");
    QTest::addColumn<double>("tolerance");

    QTest::newRow("2 slits, centre: exact") << 2 << 20.0 << 9050.0 << 1.0 << 0.0;
    QTest::newRow("2 slits, phi = pi/2") << 2 << 20.0 << 8392.622 << 0.5 << 1e-5;
    QTest::newRow("2 slits, first zero") << 2 << 20.0 << 7735.242 << 0.0 << 1e-9;
    QTest::newRow("2 slits, order 1") << 2 << 20.0 << 6420.474 << 1.0 << 1e-9;
    QTest::newRow("4 slits, centre: exact") << 4 << 20.0 << 9150.0 << 1.0 << 0.0;
    QTest::newRow("4 slits, phi = pi/4") << 4 << 20.0 << 8821.311 << 0.4267767 << 1e-5;
    QTest::newRow("4 slits, first zero") << 4 << 20.0 << 8492.622 << 0.0 << 1e-9;
    QTest::newRow("4 slits, order 1") << 4 << 20.0 << 6520.474 << 1.0 << 1e-9;
    QTest::newRow("20 slits, centre: exact") << 20 << 15.0 << 9950.0 << 1.0 << 0.0;
    QTest::newRow("20 slits, first zero") << 20 << 15.0 << 9774.699 << 0.0 << 1e-8;
    QTest::newRow("20 slits, order 1") << 20 << 15.0 << 6443.952 << 1.0 << 1e-8;
    QTest::newRow("20 slits, order -1, off the screen") << 20 << 15.0 << 13456.048 << 1.0 << 1e-8;
    QTest::newRow("20 slits, frequency 0: all in line") << 20 << 0.0 << 500.0 << 1.0 << 0.0;
}

void TestLookOut::farFieldAsWorkedByHand()
{
    QFETCH(int, slits);
    QFETCH(double, f);
    QFETCH(double, column);
    QFETCH(double, fraction);
    QFETCH(double, tolerance);
    const double L = slits == 20 ? 60.0 : slits == 4 ? 190.0 : 200.0;
    const double whole = slits * L;
    const double I = FarFieldIntensity(slits, L, f, column);
    QVERIFY2(std::abs(I / (whole * whole) - fraction) <= tolerance, qPrintable(QString::number(I / (whole * whole), 'g', 12)));
    // The look-out says the same, as a fraction.
    const RunLookOut run(QString::number(slits).toStdString(), slits, f);
    QCOMPARE(run.at(column).farField, I / (whole * whole));
}

void TestLookOut::keptProfiles_data()
{
    // Runs kept in turn, "-" for Clear; then the slit counts kept, oldest
    // first, and their colours.
    QTest::addColumn<QStringList>("kept");
    QTest::addColumn<QStringList>("slits");
    QTest::addColumn<QList<int>>("colours");
    QTest::newRow("one") << QStringList{"4"} << QStringList{"4"} << QList<int>{0};
    QTest::newRow("three, each its colour") << QStringList{"2", "4", "20"} << QStringList{"2", "4", "20"}
                                            << QList<int>{0, 1, 2};
    QTest::newRow("a fourth drops the oldest and takes its colour")
        << QStringList{"2", "4", "20", "3"} << QStringList{"4", "20", "3"} << QList<int>{1, 2, 0};
    QTest::newRow("cleared, the colours start again")
        << QStringList{"2", "4", "-", "3"} << QStringList{"3"} << QList<int>{0};
}

void TestLookOut::keptProfiles()
{
    QFETCH(QStringList, kept);
    QFETCH(QStringList, slits);
    QFETCH(QList<int>, colours);
    KeptProfiles profiles;
    for (const QString &run : kept) {
        if (run == QLatin1String("-"))
            profiles.clear();
        else
            profiles.keep(RunLookOut(run.toStdString(), run.toDouble(), 20.0));
    }
    QCOMPARE(static_cast<qsizetype>(profiles.profiles().size()), slits.size());
    for (qsizetype i = 0; i < slits.size(); ++i) {
        const KeptProfile &profile = profiles.profiles()[static_cast<std::size_t>(i)];
        QCOMPARE(QString::fromStdString(profile.run.slitCountText()), slits[i]);
        QCOMPARE(profile.colour, colours[i]);
        // The run's own numbers, as its look-out gives them.
        for (const int P : {0, 9150})
            QCOMPARE(profile.intensityAt(P), profile.run.at(P).intensity);
    }
}

QTEST_APPLESS_MAIN(TestLookOut)
#include "test_look_out.moc"
