// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
// The incident-wave strip as pixels on the retained surface, and the
// relative-frequency read-out in three locales.

#include "ink.h"
#include "worked_values.h"

#include "drawing_surface.h"
#include "wave_strip.h"

#include <QApplication>
#include <QLineEdit>
#include <QSet>
#include <QtTest>

#include <cmath>

using namespace korvane;
using korvane::test::inkIn;
using korvane::test::pixelOf;

namespace {

// The band the strip clears, in logical pixels: x 1..6000, y 1..2991 twips.
const QRect kBand(0, 0, 401, 200);

// Where the strip's ink must be: the axis row and one pixel per dot, each dot
// at its twips position snapped to the nearest pixel.
QSet<QPoint> expectedInk(double f)
{
    QSet<QPoint> ink;
    for (int x = 33; x <= 367; ++x)
        ink.insert(QPoint(x, 113));
    const double k = f / 5000.0;
    for (int x = 0; x <= 5000; ++x) {
        const auto y = static_cast<float>(1700.0 - 200.0 * std::sin(x * k));
        ink.insert(pixelOf(500.0 + x, static_cast<double>(y)));
    }
    return ink;
}

} // namespace

class TestWaveStrip : public QObject
{
    Q_OBJECT

private slots:
    void dotsWhereTheSinePutsThem_data();
    void dotsWhereTheSinePutsThem();
    void redrawClearsOnlyTheBand();
    void readOut_data();
    void readOut();
};

void TestWaveStrip::dotsWhereTheSinePutsThem_data()
{
    QTest::addColumn<double>("f");
    QTest::newRow("f=20, start-up default") << 20.0;
    QTest::newRow("f=15, 20-slit default") << 15.0;
    QTest::newRow("f=5, under one period") << 5.0;
    QTest::newRow("f=157") << 157.0;
    QTest::newRow("f=200, shortest period") << 200.0;
}

void TestWaveStrip::dotsWhereTheSinePutsThem()
{
    QFETCH(double, f);
    DrawingSurface surface;
    DrawIncidentWaveStrip(surface, f);

    const QSet<QPoint> ink = inkIn(surface, kBand);
    const QSet<QPoint> expected = expectedInk(f);
    QCOMPARE(ink.size(), expected.size());
    QVERIFY(ink == expected);
    for (const QPoint &p : ink)
        QCOMPARE(surface.pixelAt(p.x(), p.y()), surface.foregroundColour());
    QCOMPARE(surface.linesDrawn(), 301u);
    QCOMPARE(surface.circlesDrawn(), 5001u);

    // The curve spans exactly its amplitude: 200 twips about the axis.
    int top = kBand.bottom();
    int bottom = 0;
    for (const QPoint &p : ink) {
        top = std::min(top, p.y());
        bottom = std::max(bottom, p.y());
    }
    QVERIFY(top >= 100 && bottom <= 127);
}

void TestWaveStrip::redrawClearsOnlyTheBand()
{
    DrawingSurface surface;
    DrawIncidentWaveStrip(surface, 20);
    surface.line(5700, 2900, 5900, 2900);   // inside the band
    surface.line(6100, 1000, 6100, 2000);   // right of it
    surface.line(1000, 3100, 3000, 3100);   // below it

    DrawIncidentWaveStrip(surface, 157);

    QVERIFY(inkIn(surface, kBand) == expectedInk(157));
    QCOMPARE(surface.pixelAt(407, 100), surface.foregroundColour());
    QCOMPARE(surface.pixelAt(100, 207), surface.foregroundColour());
}

void TestWaveStrip::readOut_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("expected");

    for (const test::User &user : test::kUsers)
        for (const test::WorkedReadOut &w : test::kWorkedReadOuts)
            for (const char *pattern : {"#.##", "0.00"})
                QTest::addRow("%s f=%d %s", user.name, w.frequency, pattern)
                    << QString::fromLatin1(user.locale) << QString::number(w.frequency) << QString::fromLatin1(pattern)
                    << test::workedReadOut(w.frequency, user.separator, pattern);
    QTest::newRow("not a number reads as 0") << "en_US" << "Kmitočet" << "0.00" << "0.00";
}

void TestWaveStrip::readOut()
{
    QFETCH(QString, locale);
    QFETCH(QString, frequency);
    QFETCH(QString, format);
    QFETCH(QString, expected);

    QLocale::setDefault(QLocale(locale));
    QLineEdit store(frequency);
    QLineEdit readOut(QStringLiteral("typed by a user"));
    ShowRelativeFrequency(store, readOut, format.toStdString());
    QCOMPARE(readOut.text(), expected);
}

QTEST_MAIN(TestWaveStrip)
#include "test_wave_strip.moc"
