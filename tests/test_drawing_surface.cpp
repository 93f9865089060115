// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
// The drawing surface's own guarantees: one-pixel rows and columns written
// directly come out exactly as the painter draws them, drawing order holds
// across both ways of drawing, absurd coordinates are cut, not trusted, and
// the picture's memory kept from zoom to zoom never changes a copy taken of it.

#include "ink.h"

#include "drawing_surface.h"

#include <QApplication>
#include <QPainter>
#include <QtTest>

#include <cmath>
#include <limits>

using namespace korvane;

namespace {

const QColor kInk(Qt::black);
const QColor kWhite(Qt::white);

// What the painter makes of a one-pixel line between snapped pixel points.
QImage paintedByPainter(QPoint from, QPoint to)
{
    QImage expected(DrawingSurface::kLogicalSize, QImage::Format_RGB32);
    expected.fill(DrawingSurface::kBackColour);
    QPainter painter(&expected);
    painter.setPen(QPen(kInk, 1, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(from, to);
    return expected;
}

} // namespace

class TestDrawingSurface : public QObject
{
    Q_OBJECT

private slots:
    void rowsAndColumnsAsThePainterDrawsThem_data();
    void rowsAndColumnsAsThePainterDrawsThem();
    void laterDrawingCoversEarlier();
    void takingBackLeavesWhatCameBefore_data();
    void takingBackLeavesWhatCameBefore();
    void farCoordinatesAreCut_data();
    void farCoordinatesAreCut();
    void notANumberDrawsNothing();
    void keptMemoryLeavesCopiesAlone_data();
    void keptMemoryLeavesCopiesAlone();
};

void TestDrawingSurface::rowsAndColumnsAsThePainterDrawsThem_data()
{
    QTest::addColumn<QPointF>("from"); // twips
    QTest::addColumn<QPointF>("to");
    QTest::addColumn<QPoint>("pixelFrom");
    QTest::addColumn<QPoint>("pixelTo");

    QTest::newRow("intensity bar") << QPointF(9050, 6500) << QPointF(9050, 4580) << QPoint(603, 433)
                                   << QPoint(603, 305);
    QTest::newRow("drawn downwards") << QPointF(300, 100) << QPointF(300, 3000) << QPoint(20, 7) << QPoint(20, 200);
    QTest::newRow("screen line") << QPointF(0, 6500) << QPointF(11950, 6500) << QPoint(0, 433) << QPoint(797, 433);
    QTest::newRow("drawn leftwards") << QPointF(5000, 20) << QPointF(1000, 20) << QPoint(333, 1) << QPoint(67, 1);
    QTest::newRow("a single pixel") << QPointF(1500, 1500) << QPointF(1500, 1500) << QPoint(100, 100)
                                    << QPoint(100, 100);
    QTest::newRow("nearly upright, snapped upright") << QPointF(1500, 0) << QPointF(1507, 3000) << QPoint(100, 0)
                                                     << QPoint(100, 200);
    QTest::newRow("reaches above the picture") << QPointF(600, 3000) << QPointF(600, -9000) << QPoint(40, 200)
                                               << QPoint(40, -600);
    QTest::newRow("reaches below the picture") << QPointF(600, 9000) << QPointF(600, 20000) << QPoint(40, 600)
                                               << QPoint(40, 1333);
    QTest::newRow("wholly left of the picture") << QPointF(-300, 0) << QPointF(-300, 3000) << QPoint(-20, 0)
                                                << QPoint(-20, 200);
    QTest::newRow("last column of the picture") << QPointF(12285, 0) << QPointF(12285, 150) << QPoint(819, 0)
                                                << QPoint(819, 10);
}

void TestDrawingSurface::rowsAndColumnsAsThePainterDrawsThem()
{
    QFETCH(QPointF, from);
    QFETCH(QPointF, to);
    QFETCH(QPoint, pixelFrom);
    QFETCH(QPoint, pixelTo);
    DrawingSurface surface;
    if (surface.scale() != 1.0)
        QSKIP("compares with the painter at one device pixel per logical pixel");
    surface.line(float(from.x()), float(from.y()), float(to.x()), float(to.y()), kInk);
    QCOMPARE(surface.image(), paintedByPainter(pixelFrom, pixelTo));
}

void TestDrawingSurface::laterDrawingCoversEarlier()
{
    // A painter line, a column written directly across it, then the painter
    // again: each covers what came before, whichever way it was drawn.
    DrawingSurface surface;
    surface.line(0.0f, 0.0f, 3000.0f, 3000.0f, kWhite);
    surface.line(1500.0f, 0.0f, 1500.0f, 3000.0f, kInk);
    QCOMPARE(surface.pixelAt(100, 100), kInk);
    surface.line(0.0f, 0.0f, 3000.0f, 3000.0f, kWhite);
    QCOMPARE(surface.pixelAt(100, 100), kWhite);
    QCOMPARE(surface.pixelAt(100, 150), kInk);
    surface.setLineWidth(3);
    surface.line(1500.0f, 0.0f, 1500.0f, 3000.0f, kInk);
    QCOMPARE(surface.pixelAt(100, 100), kInk);
}

void TestDrawingSurface::takingBackLeavesWhatCameBefore_data()
{
    QTest::addColumn<bool>("forgottenBetween");
    QTest::addColumn<double>("zoomAfter");
    QTest::newRow("at once") << false << 1.0;
    QTest::newRow("after what was painted over is forgotten") << true << 1.0;
    QTest::newRow("then zoomed: the same calls at the new scale") << true << 2.0;
}

void TestDrawingSurface::takingBackLeavesWhatCameBefore()
{
    QFETCH(bool, forgottenBetween);
    QFETCH(double, zoomAfter);
    // A drawing, painted over in grey as a run clears its band; a mark; then more.
    const auto paintOver = [](DrawingSurface &s) {
        const std::uint64_t since = s.drawingMark();
        s.setLineWidth(10);
        for (int y = 1000; y <= 3000; y += 10)
            s.line(0.0f, float(y), 6000.0f, float(y), DrawingSurface::kBackColour);
        s.paintedOver(since, QRectF(0, 1000, 6000, 2000));
        s.setLineWidth(1);
        s.line(0.0f, 2000.0f, 6000.0f, 2000.0f, kInk);
    };
    DrawingSurface surface;
    surface.line(300.0f, 1500.0f, 3000.0f, 2500.0f, kInk);
    paintOver(surface);
    const std::uint64_t mark = surface.drawingMark();
    if (forgottenBetween) {
        QCoreApplication::processEvents();
        QCOMPARE(surface.drawingMark(), mark);
    }
    surface.line(0.0f, 0.0f, 6000.0f, 4000.0f, kWhite);
    surface.circle(3000.0f, 2000.0f, 500.0f, kInk);
    surface.takeBack(mark);
    QCOMPARE(surface.drawingMark(), mark);
    surface.setZoom(zoomAfter);

    DrawingSurface before;
    before.setZoom(zoomAfter);
    before.line(300.0f, 1500.0f, 3000.0f, 2500.0f, kInk);
    paintOver(before);
    QCOMPARE(surface.image(), before.image());
}

void TestDrawingSurface::farCoordinatesAreCut_data()
{
    QTest::addColumn<double>("top"); // twips; the bar runs from (9050, 6500) to (9050, top)
    QTest::addColumn<int>("inkPixels");
    QTest::newRow("bar of 1e12 twips upwards") << 6500.0 - 1e12 << 434;
    QTest::newRow("bar of 1e30 twips upwards") << -1e30 << 434;
    QTest::newRow("bar of 1e12 twips downwards") << 1e12 << 620 - 433;
    QTest::newRow("largest float downwards") << double(std::numeric_limits<float>::max()) << 620 - 433;
}

void TestDrawingSurface::farCoordinatesAreCut()
{
    QFETCH(double, top);
    QFETCH(int, inkPixels);
    DrawingSurface surface;
    surface.line(9050.0f, 6500.0f, 9050.0f, static_cast<float>(top), kInk);
    const QRect column(603, 0, 1, DrawingSurface::kLogicalSize.height());
    QCOMPARE(test::pixelsIn(surface, column, kInk).size(), inkPixels);

    // A slanting line keeps its direction when it is cut: 45 degrees stays 45.
    DrawingSurface slanting;
    slanting.line(0.0f, 0.0f, 1e12f, 1e12f, kInk);
    for (int i = 0; i < 620; i += 31)
        QCOMPARE(slanting.pixelAt(i, i), kInk);
}

void TestDrawingSurface::notANumberDrawsNothing()
{
    DrawingSurface surface;
    const QImage before = surface.image().copy();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    QVERIFY(surface.line(9050.0f, 6500.0f, 9050.0f, nan, kInk).isEmpty());
    QVERIFY(surface.line(nan, 0.0f, 100.0f, 100.0f, kInk).isEmpty());
    QVERIFY(surface.circle(nan, 100.0f, 50.0f).isEmpty());
    QVERIFY(surface.circle(100.0f, 100.0f, std::numeric_limits<float>::infinity()).isEmpty());
    QCOMPARE(surface.image(), before);
}

void TestDrawingSurface::keptMemoryLeavesCopiesAlone_data()
{
    // The zoom of the copy, memory made ready for a zoom (0 for none), then
    // the zoom drawn on at.
    QTest::addColumn<double>("copiedAt");
    QTest::addColumn<double>("reserved");
    QTest::addColumn<double>("drawnAt");
    QTest::newRow("the same size again") << 2.0 << 0.0 << 2.0;
    QTest::newRow("smaller, in the same memory") << 2.0 << 0.0 << 1.0;
    QTest::newRow("larger than the memory") << 1.0 << 0.0 << 3.0;
    QTest::newRow("made ready, then larger") << 1.0 << 3.0 << 3.0;
    QTest::newRow("made ready while drawn on") << 2.0 << 4.0 << 2.0;
}

void TestDrawingSurface::keptMemoryLeavesCopiesAlone()
{
    QFETCH(double, copiedAt);
    QFETCH(double, reserved);
    QFETCH(double, drawnAt);
    DrawingSurface surface;
    surface.setZoom(copiedAt);
    surface.line(0.0f, 0.0f, 3000.0f, 3000.0f, kInk);
    const QImage copy = surface.image();
    const QImage before = copy.copy();
    if (reserved > 0.0)
        surface.reserve(reserved);
    // What stood there is still there, whatever memory it lies in now.
    QVERIFY(surface.image() == before);
    surface.setZoom(1.5);
    surface.setZoom(drawnAt);
    surface.line(3000.0f, 0.0f, 0.0f, 3000.0f, kWhite);
    QCOMPARE(surface.pixelAt(150, 50), kWhite);
    QVERIFY(copy == before);
}

QTEST_MAIN(TestDrawingSurface)
#include "test_drawing_surface.moc"
