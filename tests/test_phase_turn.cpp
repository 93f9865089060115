// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
// The browser build's sine and cosine of large phases against the C
// library's, here where both can be had side by side.

#include "phase_turn.h"
#include "phasor_model.h"

#include <QtTest>

#include <cmath>
#include <limits>

using namespace korvane;

namespace {

// Two units in the last place of a value near 1.
constexpr double kTolerance = 2.3e-16;

// MinGW's sin and cos reduce with the x87's 66-bit pi, some 1e-13 off at the
// model's phases: no reference there for anything but small phases.
bool libraryIsReferenceFor([[maybe_unused]] double phi)
{
#ifdef _WIN32
    return !(std::fabs(phi) > 1000.0);
#else
    return true;
#endif
}

double largestDifference(double phi)
{
    const SineCosine turned = SineCosineOfPhase(phi);
    return std::max(std::fabs(turned.sine - std::sin(phi)), std::fabs(turned.cosine - std::cos(phi)));
}

} // namespace

class TestPhaseTurn : public QObject
{
    Q_OBJECT

private slots:
    void singlePhases_data();
    void singlePhases();
    void theModelsPhases_data();
    void theModelsPhases();
    void notANumberStaysSo();
};

void TestPhaseTurn::singlePhases_data()
{
    QTest::addColumn<double>("phi");

    QTest::newRow("zero") << 0.0;
    QTest::newRow("just under an eighth of a turn") << 0.785;
    QTest::newRow("a quarter turn") << M_PI_2;
    QTest::newRow("each quadrant: 1") << 1.0 * M_PI_2 + 0.3;
    QTest::newRow("each quadrant: 2") << 2.0 * M_PI_2 + 0.3;
    QTest::newRow("each quadrant: 3") << 3.0 * M_PI_2 + 0.3;
    QTest::newRow("negative, each quadrant") << -3.0 * M_PI_2 - 0.3;
    QTest::newRow("near a whole number of quarter turns") << 1.0e8 * M_PI_2;
    QTest::newRow("the model's largest") << 1.7e8;
    QTest::newRow("the last turned") << 0x1p28;
    QTest::newRow("beyond, left to the library") << 0x1p28 + 1.0;
    QTest::newRow("far beyond") << 1.0e300;
}

void TestPhaseTurn::singlePhases()
{
    QFETCH(double, phi);
    if (!libraryIsReferenceFor(phi) && std::fabs(phi) <= 0x1p28)
        QSKIP("the C library's sine is not exact enough here to compare with");
    QVERIFY2(largestDifference(phi) <= kTolerance, qPrintable(QString::number(largestDifference(phi))));
}

void TestPhaseTurn::theModelsPhases_data()
{
    QTest::addColumn<double>("f");

    QTest::newRow("f = 15") << 15.0;
    QTest::newRow("f = 20") << 20.0;
    QTest::newRow("f = 137.25") << 137.25;
    QTest::newRow("f = 200") << 200.0;
}

void TestPhaseTurn::theModelsPhases()
{
    // Every slit's phase at every screen column, in twips.
    QFETCH(double, f);
    if (!libraryIsReferenceFor(f * PathLength(0, 0.0)))
        QSKIP("the C library's sine is not exact enough here to compare with");
    double worst = 0.0;
    for (int J = 0; J < 20; ++J) {
        for (double P = 0.0; P <= 16000.0; P += 1.0)
            worst = std::max(worst, largestDifference(f * PathLength(J, P)));
    }
    QVERIFY2(worst <= kTolerance, qPrintable(QString::number(worst)));
}

void TestPhaseTurn::notANumberStaysSo()
{
    const SineCosine turned = SineCosineOfPhase(std::numeric_limits<double>::quiet_NaN());
    QVERIFY(std::isnan(turned.sine));
    QVERIFY(std::isnan(turned.cosine));
}

QTEST_APPLESS_MAIN(TestPhaseTurn)
#include "test_phase_turn.moc"
