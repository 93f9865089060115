// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
// The phasor model with values that can be checked by hand, and the chain
// against an independent sum of complex exponentials.

#include "phasor_model.h"

#include <QtTest>

#include <cmath>
#include <complex>
#include <limits>
#include <string>

using namespace korvane;

namespace {

bool closeTo(double actual, double expected, double relative)
{
    return std::fabs(actual - expected) <= relative * std::max(1.0, std::fabs(expected));
}

} // namespace

class TestPhasorModel : public QObject
{
    Q_OBJECT

private slots:
    void intensityScale_data();
    void intensityScale();
    void phasorLength_data();
    void phasorLength();
    void sceneGeometry();
    void midwayBetweenTwoSlits_data();
    void midwayBetweenTwoSlits();
    void zeroFrequencyLinesUp_data();
    void zeroFrequencyLinesUp();
    void chainIsTheSumOfExponentials_data();
    void chainIsTheSumOfExponentials();
    void phasorCount_data();
    void phasorCount();
};

void TestPhasorModel::intensityScale_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("f");
    QTest::addColumn<double>("expected");

    // Worked by hand, e.g. "20" at f = 15: u = 10, (2.5 + 1 - 4.7^2 x 0.035) x 0.0038.
    QTest::newRow("20 at its default 15, outer") << "20" << 15.0 << 0.01036203;
    QTest::newRow("3 at its default 20") << "3" << 20.0 << 0.005;
    QTest::newRow("4 at its default 20") << "4" << 20.0 << 0.003;
    QTest::newRow("2 at 20") << "2" << 20.0 << 0.012;
    QTest::newRow("2 at 137, same") << "2" << 137.0 << 0.012;
    QTest::newRow("20 at 20, outer") << "20" << 20.0 << 0.0123439675;
    QTest::newRow("20 at 33, band") << "20" << 33.0 << 0.0100952472;
    QTest::newRow("20 at exactly 32, outer") << "20" << 32.0 << 0.0133862467;
    QTest::newRow("20 at exactly 40, outer") << "20" << 40.0 << 0.0111678675;
    QTest::newRow("20 at 32.5, band") << "20" << 32.5 << 0.01028052;
    QTest::newRow("20 at 39.9, band") << "20" << 39.9 << 0.00642398573;
    QTest::newRow("3 at 200") << "3" << 200.0 << 0.0068;
    QTest::newRow("4 at 200") << "4" << 200.0 << 0.00624;
    QTest::newRow("unknown text 5") << "5" << 20.0 << 1.0;
    QTest::newRow("compared exactly: 02") << "02" << 20.0 << 1.0;
    QTest::newRow("compared exactly: leading space") << " 4" << 20.0 << 1.0;
    QTest::newRow("empty text") << "" << 20.0 << 1.0;
}

void TestPhasorModel::intensityScale()
{
    QFETCH(QString, text);
    QFETCH(double, f);
    QFETCH(double, expected);
    const double scale = IntensityScale(text.toStdString(), f);
    QVERIFY2(closeTo(scale, expected, 1e-9), qPrintable(QString::number(scale, 'g', 17)));
}

void TestPhasorModel::phasorLength_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("2") << "2" << 200.0;
    QTest::newRow("3") << "3" << 200.0;
    QTest::newRow("4 is shorter") << "4" << 190.0;
    QTest::newRow("20") << "20" << 60.0;
    QTest::newRow("4.0 is not 4") << "4.0" << 200.0;
    QTest::newRow("unknown") << "7" << 200.0;
}

void TestPhasorModel::phasorLength()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(PhasorLength(text.toStdString()), expected);
}

void TestPhasorModel::sceneGeometry()
{
    QCOMPARE(SlitX(0), 9000.0);
    QCOMPARE(SlitX(1), 9100.0);
    QCOMPARE(SlitX(19), 10900.0);
    QCOMPARE(scene::kScreenY, 6500.0);
    QCOMPARE(scene::kChainBaseY, 3500.0);
    QCOMPARE(scene::kFirstColumn, 0);
    QCOMPARE(scene::kLastColumn, 11950);
    // Right under a slit only the stretched vertical term is left: 8000 - 130 x 6500.
    QCOMPARE(PathLength(0, 9000.0), 837000.0);
    QCOMPARE(PathLength(3, 9300.0), 837000.0);
    // Mirror images across the midpoint of two slits have equal paths.
    QCOMPARE(PathLength(0, 9050.0), PathLength(1, 9050.0));
    QCOMPARE(PathLength(0, 0.0), std::sqrt(9000.0 * 9000.0 + 837000.0 * 837000.0));
}

void TestPhasorModel::midwayBetweenTwoSlits_data()
{
    QTest::addColumn<double>("f");
    QTest::newRow("f=20") << 20.0;
    QTest::newRow("f=5") << 5.0;
    QTest::newRow("f=57.3") << 57.3;
    QTest::newRow("f=200") << 200.0;
}

void TestPhasorModel::midwayBetweenTwoSlits()
{
    QFETCH(double, f);
    // Both phasors point the same way: a straight chain of length 400.
    const auto chain = PhasorChain(9050.0, 2.0, f, PhasorLength("2"));
    QCOMPARE(chain.size(), std::size_t(3));
    QCOMPARE(chain[0], (ChainPoint{9050.0, 3500.0}));
    QCOMPARE(chain[2].x - chain[1].x, chain[1].x - chain[0].x);
    QCOMPARE(chain[2].y - chain[1].y, chain[1].y - chain[0].y);
    const double raw = RawIntensity(chain.front(), chain.back());
    QVERIFY(closeTo(raw, 160000.0, 1e-9));
    QVERIFY(closeTo(raw * IntensityScale("2", f), 1920.0, 1e-9));
}

void TestPhasorModel::zeroFrequencyLinesUp_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("P");
    QTest::addColumn<double>("N");
    for (const char *text : {"2", "3", "4", "20"})
        for (double P : {0.0, 9050.0, 11950.0})
            QTest::addRow("%s slits at P=%g", text, P) << text << P << std::stod(text);
}

void TestPhasorModel::zeroFrequencyLinesUp()
{
    QFETCH(QString, text);
    QFETCH(double, P);
    QFETCH(double, N);
    const double L = PhasorLength(text.toStdString());
    const auto chain = PhasorChain(P, N, 0.0, L);
    QCOMPARE(chain.size(), static_cast<std::size_t>(N) + 1);
    QCOMPARE(chain.back(), (ChainPoint{P + N * L, 3500.0}));
    QCOMPARE(RawIntensity(chain.front(), chain.back()), (N * L) * (N * L));
}

void TestPhasorModel::chainIsTheSumOfExponentials_data()
{
    QTest::addColumn<double>("P");
    QTest::addColumn<double>("N");
    QTest::addColumn<double>("f");
    QTest::addColumn<double>("L");
    QTest::newRow("2 slits, left edge, f=20") << 0.0 << 2.0 << 20.0 << 200.0;
    QTest::newRow("3 slits, P=4321, f=73") << 4321.0 << 3.0 << 73.0 << 200.0;
    QTest::newRow("4 slits, P=9150, f=200") << 9150.0 << 4.0 << 200.0 << 190.0;
    QTest::newRow("20 slits, P=6000, f=15") << 6000.0 << 20.0 << 15.0 << 60.0;
    QTest::newRow("20 slits, right edge, f=45") << 11950.0 << 20.0 << 45.0 << 60.0;
    QTest::newRow("7 slits of an unknown text") << 2500.0 << 7.0 << 31.0 << 200.0;
}

void TestPhasorModel::chainIsTheSumOfExponentials()
{
    QFETCH(double, P);
    QFETCH(double, N);
    QFETCH(double, f);
    QFETCH(double, L);
    // End = start + L x sum of exp(i f r_J), r_J from the geometry alone.
    std::complex<double> sum;
    for (int J = 0; J < static_cast<int>(N); ++J) {
        const double across = 9000.0 + 100.0 * J - P;
        const double distance = 837000.0;
        sum += std::polar(1.0, f * std::sqrt(across * across + distance * distance));
    }
    const auto chain = PhasorChain(P, N, f, L);
    QVERIFY(closeTo(chain.back().x, P + L * sum.real(), 1e-9));
    QVERIFY(closeTo(chain.back().y, 3500.0 + L * sum.imag(), 1e-9));
    QVERIFY(closeTo(RawIntensity(chain.front(), chain.back()), L * L * std::norm(sum), 1e-9));
    // Every link is one phasor long.
    for (std::size_t i = 1; i < chain.size(); ++i)
        QVERIFY(closeTo(std::hypot(chain[i].x - chain[i - 1].x, chain[i].y - chain[i - 1].y), L, 1e-12));
}

void TestPhasorModel::phasorCount_data()
{
    QTest::addColumn<double>("N");
    QTest::addColumn<int>("expected");
    QTest::newRow("2") << 2.0 << 2;
    QTest::newRow("20") << 20.0 << 20;
    QTest::newRow("1") << 1.0 << 1;
    QTest::newRow("2.5: J runs while J <= 1.5") << 2.5 << 2;
    QTest::newRow("0.99: none") << 0.99 << 0;
    QTest::newRow("0") << 0.0 << 0;
    QTest::newRow("negative") << -3.0 << 0;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 0;
    QTest::newRow("1000, the bound") << 1000.0 << 1000;
    QTest::newRow("1001 is cut") << 1001.0 << 1000;
    QTest::newRow("1e300 is cut") << 1e300 << 1000;
    QTest::newRow("infinity is cut") << std::numeric_limits<double>::infinity() << 1000;
}

void TestPhasorModel::phasorCount()
{
    QFETCH(double, N);
    QFETCH(int, expected);
    QCOMPARE(PhasorCount(N), expected);
    QCOMPARE(PhasorChain(100.0, N, 20.0, 200.0).size(), static_cast<std::size_t>(expected) + 1);
}

QTEST_APPLESS_MAIN(TestPhasorModel)
#include "test_phasor_model.moc"
