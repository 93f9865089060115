// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
// The look-out as the window shows it: at the pointer over a finished
// profile, for the run on screen, never in the picture, put away by a key or a
// click; and the orders' marks, asked for in the menu.

#include "exports.h"
#include "fake_clock.h"
#include "ink.h"
#include "far_field_layer.h"
#include "look_out_navigation.h"
#include "kept_profiles_layer.h"
#include "look_out_panel.h"
#include "look_out_view.h"
#include "order_marks.h"
#include "profile_layers.h"
#include "run_conductor.h"
#include "window_fixture.h"
#include "window_menu.h"
#include "worked_values.h"
#include "zoom.h"

#include <QAccessible>
#include <QClipboard>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <chrono>

using namespace korvane;
using namespace std::chrono_literals;
using test::control;

namespace {

// Just above the screen line, in the profile, at 100 %.
constexpr double kProfileY = 420.0;

struct Window {
    std::unique_ptr<MainWindow> window = test::openWindow();
    test::FakeClock clock{100us};

    Window()
    {
        window->conductor().setRunClock(clock);
        window->conductor().setFrameInterval(16ms);
    }

    void run(const char *option)
    {
        control<QRadioButton>(*window, option)->click();
        QVERIFY(test::runToEnd(*window));
        QCoreApplication::processEvents();
    }

    // The pointer moved over the surface to a column and a height in logical
    // pixels of the design, as the window system reports it.
    void pointAt(double column, double y = kProfileY)
    {
        DrawingSurface &surface = window->surface();
        const QPointF local(column / kTwipsPerPixel, y);
        QMouseEvent move(QEvent::MouseMove, local, surface.mapToGlobal(local), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&surface, &move);
    }

    const LookOutPanel &panel() const { return window->lookOut().panel(); }
    QString said() const
    {
        return QAccessible::queryAccessibleInterface(const_cast<LookOutPanel *>(&panel()))
            ->text(QAccessible::Description);
    }
    QImage picture() const { return window->picture().convertToFormat(QImage::Format_RGB32); }
    QAction *menuItem(const QString &text) const
    {
        const QList<QAction *> actions = window->findChild<QMenu *>(QStringLiteral("windowMenu"))->actions();
        for (QAction *action : actions)
            if (action->text() == text)
                return action;
        qFatal("no %s in the menu", qPrintable(text));
    }
    QAction *showMaxima() const
    {
        const QList<QAction *> actions = window->findChild<QMenu *>(QStringLiteral("windowMenu"))->actions();
        for (QAction *action : actions)
            if (action->text() == QLatin1String("Show maxima"))
                return action;
        qFatal("no Show maxima in the menu");
    }
};

} // namespace

class TestLookOutPanel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void nothingToLookAtBeforeARun();
    void saysWhatTheModelGives_data();
    void saysWhatTheModelGives();
    void describesTheRunOnScreen();
    void keptRunsInTheirColours();
    void putAway_data();
    void putAway();
    void neverInThePicture();
    void keptInsideTheWindow_data();
    void keptInsideTheWindow();
    void growsWithTheZoom();
    void maximaOnRequest();
    void marksFollowTheZoom_data();
    void marksFollowTheZoom();
    void marksAtTheOrders_data();
    void marksAtTheOrders();
    void farFieldCurveOnRequest_data();
    void farFieldCurveOnRequest();
    void farFieldCurveAtAnyScale_data();
    void farFieldCurveAtAnyScale();
};

void TestLookOutPanel::initTestCase()
{
    test::useEnglishNumbers();
}

void TestLookOutPanel::nothingToLookAtBeforeARun()
{
    Window w;
    w.pointAt(9150.0);
    QVERIFY(!w.panel().isVisible());
    QVERIFY(!w.window->conductor().runOnScreen());
}

void TestLookOutPanel::saysWhatTheModelGives_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<int>("gratingPosition");
    QTest::addColumn<double>("column");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("4 slits, central maximum")
        << "op4Dírky" << 0 << 9150.0
        << QStringList{"Slits: 4   Wavelengths per slit spacing: 3.18 (frequency 20)", "Column x = 9150 twips", "Angle from the slits: θ = 0.000°",
                       "Mean phase step: 0.0° = 0.000 λ",
                       "Steps differ by up to ±13.7° (finite distance)", "Intensity: 100.0 % of the run's largest",
                       "Far field: 100.0 % of its largest", "Nearest order m = 0 at x = 9150, 0 twips away"};
    QTest::newRow("2 slits, first minimum")
        << "op2" << 0 << 7735.0
        << QStringList{"Slits: 2   Wavelengths per slit spacing: 3.18 (frequency 20)", "Column x = 7735 twips", "Angle from the slits: θ = 0.090°",
                       "Phase step: 180.0° = 0.500 λ",
                       "Intensity: 0.0 % of the run's largest", "Far field: 0.0 % of its largest",
                       "Nearest order m = +1 at x = 6420, 1315 twips away"};
    QTest::newRow("20 slits, first order")
        << "op20" << 10 << 6444.0
        << QStringList{"Slits: 20   Wavelengths per slit spacing: 2.39 (frequency 15)", "Column x = 6444 twips", "Angle from the slits: θ = 0.240°",
                       "Mean phase step: 360.0° = 1.000 λ",
                       "Steps differ by up to ±92.4° (finite distance)", "Intensity: 93.2 % of the run's largest",
                       "Far field: 100.0 % of its largest", "Nearest order m = +1 at x = 6444, 0 twips away"};
}

void TestLookOutPanel::saysWhatTheModelGives()
{
    QFETCH(QString, option);
    QFETCH(int, gratingPosition);
    QFETCH(double, column);
    QFETCH(QStringList, lines);

    Window w;
    w.run(option.toUtf8().constData());
    QCOMPARE(w.window->controls().HScrollKmitocet20->value(), gratingPosition);
    // The far field's line only beside its curve, where the class can see it.
    QStringList withoutCurve = lines;
    withoutCurve.removeIf([](const QString &line) { return line.startsWith(QLatin1String("Far field")); });
    QCOMPARE(withoutCurve.size(), lines.size() - 1);
    w.pointAt(column);
    QVERIFY(w.panel().isVisible());
    QCOMPARE(w.panel().lines(), withoutCurve);
    w.menuItem(QStringLiteral("Show far-field curve"))->trigger();
    w.pointAt(column);
    QCOMPARE(w.panel().lines(), lines);
    // A screen reader hears the same numbers.
    QCOMPARE(w.said(), lines.join(QLatin1Char('\n')));
}

void TestLookOutPanel::describesTheRunOnScreen()
{
    Window w;
    w.run("op4Dírky");
    // Another slit count and frequency redraw only the strip: the profile,
    // and what the look-out says of it, are still the run's.
    control<QRadioButton>(*w.window, "op2")->click();
    w.window->controls().HScrollKmitočet->setValue(30);
    w.pointAt(9150.0);
    QCOMPARE(w.panel().lines().constFirst(), QStringLiteral("Slits: 4   Wavelengths per slit spacing: 3.18 (frequency 20)"));
    // The next run's look-out is the next run's.
    QVERIFY(test::runToEnd(*w.window));
    QCoreApplication::processEvents();
    w.pointAt(9050.0);
    QCOMPARE(w.panel().lines().constFirst(), QStringLiteral("Slits: 2   Wavelengths per slit spacing: 7.96 (frequency 50)"));
}

void TestLookOutPanel::keptRunsInTheirColours()
{
    Window w;
    QVERIFY(!w.menuItem(QStringLiteral("Clear kept profiles"))->isVisible());
    w.menuItem(QStringLiteral("Keep profiles to compare"))->trigger();
    w.run("op4Dírky");
    w.run("op2");
    QVERIFY(w.menuItem(QStringLiteral("Clear kept profiles"))->isVisible());
    w.pointAt(9150.0);
    // The 4-slit run's central maximum, said last and in the kept run's colour.
    const QString kept = QStringLiteral("4 slits, 3.18 (frequency 20): 100.0 % of its largest");
    QCOMPARE(w.panel().lines().constLast(), kept);
    QVERIFY(w.said().endsWith(kept));
    QVERIFY(test::holds(const_cast<LookOutPanel &>(w.panel()).grab().toImage(), keptColour(0)));

    w.menuItem(QStringLiteral("Clear kept profiles"))->trigger();
    QVERIFY(w.menuItem(QStringLiteral("Keep profiles to compare"))->isChecked());
    w.pointAt(9150.0);
    QVERIFY(!w.panel().lines().constLast().startsWith(QLatin1String("4 slits")));
}

void TestLookOutPanel::putAway_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("a key") << "key";
    QTest::newRow("a click") << "click";
    QTest::newRow("leaving the surface") << "leave";
    QTest::newRow("pointer over the chains") << "chains";
    QTest::newRow("pointer past the last column") << "right";
    QTest::newRow("pointer under the marks' band") << "below";
}

void TestLookOutPanel::putAway()
{
    QFETCH(QString, how);
    Window w;
    w.run("op4Dírky");
    w.pointAt(6000.0);
    QVERIFY(w.panel().isVisible());
    DrawingSurface &surface = w.window->surface();
    if (how == QLatin1String("key")) {
        QTest::keyClick(w.window->controls().cmdStart, Qt::Key_Shift);
    } else if (how == QLatin1String("click")) {
        QTest::mouseClick(&surface, Qt::LeftButton, {}, QPoint(400, 420));
    } else if (how == QLatin1String("leave")) {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&surface, &leave);
    } else if (how == QLatin1String("chains")) {
        w.pointAt(6000.0, scene::kChainBaseY / kTwipsPerPixel);
    } else if (how == QLatin1String("right")) {
        w.pointAt(scene::kLastColumn + 15.0);
    } else {
        w.pointAt(6000.0, 500.0);
    }
    QVERIFY(!w.panel().isVisible());
    // Moved again over the profile, it is back.
    w.pointAt(6000.0);
    QVERIFY(w.panel().isVisible());
}

void TestLookOutPanel::neverInThePicture()
{
    Window w;
    w.run("op3Dirky");
    const QImage drawn = w.window->surface().image();
    const QImage before = w.picture();
    for (double column = 0.0; column <= scene::kLastColumn; column += 997.0)
        w.pointAt(column);
    QVERIFY(w.panel().isVisible());
    // Nothing was drawn into the picture, and a copy of it leaves the panel out.
    QVERIFY(w.window->surface().image() == drawn);
    QApplication::clipboard()->clear();
    w.window->exports().copyPicture();
    QVERIFY(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32) == before);
    QVERIFY(!w.panel().isVisible());
}

void TestLookOutPanel::keptInsideTheWindow_data()
{
    QTest::addColumn<double>("column");
    QTest::addColumn<double>("y");
    QTest::newRow("left edge, low") << 0.0 << 440.0;
    QTest::newRow("right edge of the window") << 11300.0 << 440.0;
    QTest::newRow("past the window's right edge") << 11950.0 << 300.0;
    QTest::newRow("middle, high in the profile") << 6000.0 << 300.0;
}

void TestLookOutPanel::keptInsideTheWindow()
{
    QFETCH(double, column);
    QFETCH(double, y);
    Window w;
    w.run("op20");
    w.pointAt(column, y);
    QVERIFY(w.panel().isVisible());
    QVERIFY(w.window->rect().contains(w.panel().geometry()));
    // Beside the pointer, not under it.
    const QPoint pointer = w.window->surface().mapTo(w.window.get(), QPointF(column / kTwipsPerPixel, y).toPoint());
    QVERIFY(!w.panel().geometry().contains(pointer));
}

void TestLookOutPanel::growsWithTheZoom()
{
    QWidget parent;
    parent.resize(3000, 2000);
    const RunLookOut run("4", 4.0, 20.0);
    const LookOut look = run.at(8000.0);
    LookOutPanel panel(&parent);
    panel.showAt(run, look, QPoint(100, 100), true);
    const QSize at100 = panel.size();
    panel.place(2.0, parent.rect());
    panel.showAt(run, look, QPoint(100, 100), true);
    // Text grows by whole pixels of font size, so not exactly twice.
    QVERIFY2(std::abs(panel.width() - 2.0 * at100.width()) <= 0.1 * at100.width(), qPrintable(QString::number(panel.width())));
    QVERIFY(std::abs(panel.height() - 2.0 * at100.height()) <= 0.1 * at100.height());
}

void TestLookOutPanel::maximaOnRequest()
{
    Window w;
    const OrderMarks &marks = w.window->profileLayers().orderMarks();
    QVERIFY(!w.showMaxima()->isChecked());
    w.run("op2");
    const QImage design = w.picture();
    QVERIFY(!marks.isVisible());

    w.showMaxima()->trigger();
    QVERIFY(marks.isVisible());
    QCOMPARE(marks.orders(), w.window->conductor().runOnScreen()->orders());
    // The marks change the picture under the screen line and nowhere else.
    const QImage marked = w.picture();
    QVERIFY(marked != design);
    const QRect band = marks.geometry();
    for (int y = 0; y < design.height(); ++y)
        for (int x = 0; x < design.width(); ++x)
            if (!band.contains(x, y) && marked.pixel(x, y) != design.pixel(x, y))
                QFAIL(qPrintable(QStringLiteral("changed at %1,%2").arg(x).arg(y)));
    // Looked at from a mark, the look-out names its order.
    w.pointAt(marks.orders().front().column);
    QVERIFY(w.panel().lines().constLast().endsWith(QLatin1String(" 0 twips away")));

    // Another frequency, another run: its own orders.
    w.window->controls().HScrollKmitočet->setValue(20);
    QVERIFY(test::runToEnd(*w.window));
    QCoreApplication::processEvents();
    QVERIFY(marks.isVisible());
    QCOMPARE(marks.orders(), w.window->conductor().runOnScreen()->orders());
    QCOMPARE(marks.orders().front().m, 6); // f = 40: 1315 twips apart, 9050 from the left edge

    // Off again: the picture is the design's, pixel for pixel.
    w.showMaxima()->trigger();
    QVERIFY(!marks.isVisible());
    w.window->controls().HScrollKmitočet->setValue(0);
    QVERIFY(test::runToEnd(*w.window));
    QCoreApplication::processEvents();
    QVERIFY(w.picture() == design);
}

void TestLookOutPanel::marksFollowTheZoom_data()
{
    QTest::addColumn<double>("zoom");
    QTest::addColumn<QPoint>("offset");
    QTest::addColumn<QRect>("under");

    // From the screen line's row (6500 twips, 433 1/3 pixels at 100 %) across the picture.
    QTest::newRow("100 %") << 1.0 << QPoint() << QRect(0, 433, 840, 0);
    QTest::newRow("150 %") << 1.5 << QPoint() << QRect(0, 650, 1260, 0);
    QTest::newRow("200 %, full screen's corner") << 2.0 << QPoint(40, 12) << QRect(40, 878, 1680, 0);
}

void TestLookOutPanel::marksFollowTheZoom()
{
    QFETCH(double, zoom);
    QFETCH(QPoint, offset);
    QFETCH(QRect, under);
    QWidget window;
    OrderMarks marks(&window);
    marks.place(1.0, QRect(QPoint(), MainWindow::kClientSize));
    const int depthAt100 = marks.height();
    marks.place(zoom, QRect(offset, zoomed(MainWindow::kClientSize, zoom)));
    QCOMPARE(marks.pos(), under.topLeft());
    QCOMPARE(marks.width(), under.width());
    QVERIFY(std::abs(marks.height() - zoom * depthAt100) <= 2.0);
}

void TestLookOutPanel::marksAtTheOrders_data()
{
    QTest::addColumn<QString>("slits");
    QTest::addColumn<double>("frequency");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<bool>("allLabelled");

    QTest::newRow("2 slits, f 20: five orders, all labelled") << "2" << 20.0 << 1.0 << true;
    QTest::newRow("2 slits, f 20, at 200 %") << "2" << 20.0 << 2.0 << true;
    QTest::newRow("4 slits, f 200: 45 orders, labels where they fit") << "4" << 200.0 << 1.0 << false;
}

void TestLookOutPanel::marksAtTheOrders()
{
    QFETCH(QString, slits);
    QFETCH(double, frequency);
    QFETCH(double, zoom);
    QFETCH(bool, allLabelled);

    const RunLookOut run(slits.toStdString(), slits.toDouble(), frequency);
    QImage image(qRound(840 * zoom), 40 * qRound(zoom), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(qRound(13 * zoom));
    const int drawn = drawOrderMarks(painter, run.orders(), zoom, font, Qt::black, Qt::lightGray);
    painter.end();
    const auto orders = static_cast<int>(run.orders().size());
    if (allLabelled)
        QCOMPARE(drawn, orders);
    else
        QVERIFY2(drawn < orders && drawn >= orders / 3, qPrintable(QString::number(drawn)));
    // Each tick stands at its order's column, to within the pixel.
    for (const Order &order : run.orders()) {
        const int x = static_cast<int>(order.column / kTwipsPerPixel * zoom);
        QVERIFY2(qGray(image.pixel(x, 1)) < 128 || qGray(image.pixel(x + 1, 1)) < 128 || qGray(image.pixel(x - 1, 1)) < 128,
                 qPrintable(QString::number(order.m)));
    }
    // Nothing between the ticks.
    QCOMPARE(qGray(image.pixel(static_cast<int>((run.orders()[0].column + run.orders()[1].column) / 2.0 / kTwipsPerPixel * zoom), 1)), 255);
}

// Where the far-field curve passes, as worked by hand in test_look_out: a
// column, and the far field there as a fraction of its largest, which the
// curve draws at that fraction of the run's tallest bar above the screen line.
void TestLookOutPanel::farFieldCurveOnRequest_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QList<QPointF>>("points"); // column, fraction
    QTest::newRow("2 slits") << "op2"
                             << QList<QPointF>{{9050.0, 1.0}, {8392.622, 0.5}, {7735.242, 0.0}, {6420.474, 1.0}};
    QTest::newRow("4 slits") << "op4Dírky"
                             << QList<QPointF>{{9150.0, 1.0}, {8821.311, 0.4267767}, {8492.622, 0.0}, {6520.474, 1.0}};
    QTest::newRow("20 slits, a curve unlike the profile")
        << "op20" << QList<QPointF>{{9950.0, 1.0}, {9774.699, 0.0}, {6443.952, 1.0}};
}

void TestLookOutPanel::farFieldCurveOnRequest()
{
    QFETCH(QString, option);
    QFETCH(QList<QPointF>, points);
    Window w;
    QAction *item = w.menuItem(QStringLiteral("Show far-field curve"));
    QVERIFY(!item->isChecked());
    w.run(option.toUtf8().constData());
    const QImage design = w.picture();
    const QWidget &curve = w.window->profileLayers().farFieldCurve();
    QVERIFY(!curve.isVisible());

    item->trigger();
    QVERIFY(curve.isVisible());
    const QImage drawn = w.picture();
    const double tallest = w.window->conductor().runOnScreen()->tallestBar();
    for (const QPointF &point : points) {
        const int x = static_cast<int>(std::lround(point.x() / kTwipsPerPixel));
        const double y = (scene::kScreenY - point.y() * tallest) / kTwipsPerPixel;
        QList<int> rows;
        for (int row = 0; row < drawn.height(); ++row)
            if (drawn.pixel(x, row) != design.pixel(x, row))
                rows << row;
        QVERIFY2(std::any_of(rows.cbegin(), rows.cend(), [y](int row) { return std::abs(row - y) <= 2.0; }),
                 qPrintable(QStringLiteral("column %1: the curve is not at row %2").arg(point.x()).arg(y)));
    }
    // Nothing of it below the screen line, where the rays are.
    for (int row = 436; row < design.height(); ++row)
        for (int x = 0; x < design.width(); ++x)
            if (drawn.pixel(x, row) != design.pixel(x, row))
                QFAIL(qPrintable(QStringLiteral("changed at %1,%2").arg(x).arg(row)));

    // Over the next run as it builds, and off again: the design's picture.
    w.window->controls().nSpomaleni->setText(QStringLiteral("30001"));
    w.window->controls().cmdStart->click();
    QVERIFY(curve.isVisible());
    w.window->conductor().pauseOrResume();
    QTest::keyClick(w.window->controls().cmdStart, Qt::Key_End);
    QVERIFY(test::waitForRunEnd(*w.window));
    item->trigger();
    QVERIFY(!curve.isVisible());
    QVERIFY(w.picture() == design);
}

void TestLookOutPanel::farFieldCurveAtAnyScale_data()
{
    QTest::addColumn<double>("zoom");
    QTest::addColumn<double>("ratio");
    QTest::newRow("100 %") << 1.0 << 1.0;
    QTest::newRow("full screen on a projector") << 1080.0 / 571.0 << 1.0;
    // Where the dashes' walk once stood still at a dash's end, for good.
    QTest::newRow("a phone upright, ratio 3") << 0.50923482849604218 << 3.0;
    QTest::newRow("a phone on its side, ratio 2") << 0.68301225919439581 << 2.0;
}

void TestLookOutPanel::farFieldCurveAtAnyScale()
{
    QFETCH(double, zoom);
    QFETCH(double, ratio);
    const RunLookOut run("20", 20.0, 15.0);
    const double width = std::ceil(DrawingSurface::kLogicalSize.width() * zoom);
    const QPolygonF curve = farFieldCurve(run, zoom, width);
    QImage drawn((QSizeF(width, DrawingSurface::kLogicalSize.height() * zoom) * ratio).toSize(),
                 QImage::Format_ARGB32_Premultiplied);
    drawn.setDevicePixelRatio(ratio);
    drawn.fill(Qt::transparent);
    const QImage blank = drawn;
    QPainter painter(&drawn);
    drawFarFieldCurve(painter, curve, zoom, smallFont(zoom), run, width);
    painter.end();
    QVERIFY(drawn != blank);
}

QTEST_MAIN(TestLookOutPanel)
#include "test_look_out_panel.moc"

