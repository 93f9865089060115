// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
// The window under a finger: the look-out where the finger is put down, the
// menu by a long press, a touch the system cancels, the menu's items for a
// finger; and on a screen smaller than the design, the window fitted to it,
// enlarged by the zoom steps and panned by a finger.
//
// The window system is Qt's offscreen one with screens of its own: a tablet
// that holds the design and a phone on its side and upright.

#include "fake_clock.h"
#include "offscreen_screens.h"
#include "try_wait.h"
#include "window_fixture.h"
#include "worked_values.h"

#include "drawing_surface.h"
#include "look_out_navigation.h"
#include "look_out_panel.h"
#include "main_window.h"
#include "run_conductor.h"
#include "twips.h"
#include "window_view.h"
#include "zoom.h"

#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTapAndHoldGesture>
#include <QtTest>

#include <chrono>
#include <memory>

using namespace korvane;
using namespace std::chrono_literals;
using test::control;

namespace {

constexpr QPoint kTablet(0, 0);       // 1024 x 768
constexpr QPoint kPhoneSide(1024, 0); // 844 x 390
constexpr QPoint kPhoneUp(1868, 0);   // 390 x 844

constexpr char kScreens[] = R"({ "screens": [
  {"name": "tablet", "x": 0, "y": 0, "width": 1024, "height": 768, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
  {"name": "phone on its side", "x": 1024, "y": 0, "width": 844, "height": 390, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
  {"name": "phone upright", "x": 1868, "y": 0, "width": 390, "height": 844, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}
] })";

struct Window {
    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>();
    test::FakeClock clock{100us};
    QPointingDevice *finger;

    // A run's time is make-believe, unless it should last as long as it says.
    Window(QPoint screen, QPointingDevice *device, bool madeUpTime = true)
        : finger(device)
    {
        if (madeUpTime)
            window->conductor().setRunClock(clock);
        window->conductor().setFrameInterval(16ms);
        window->move(screen);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qFatal("the window was never exposed");
        window->view().fitSmallScreen();
    }

    // A point of `widget` in the window's coordinates, where a finger touches.
    QPoint at(const QWidget *widget, QPoint local) const { return widget->mapTo(window.get(), local); }
    QPoint onProfile(int column) const
    {
        return at(&window->surface(), QPointF(column / static_cast<double>(kTwipsPerPixel), 420.0).toPoint());
    }
    void down(QPoint point) { QTest::touchEvent(window->windowHandle(), finger).press(0, point); }
    void move(QPoint point) { QTest::touchEvent(window->windowHandle(), finger).move(0, point); }
    void up(QPoint point) { QTest::touchEvent(window->windowHandle(), finger).release(0, point); }
    // As Qt ends a touch the system cancels (QtTest has no way to cancel
    // one): the window hears TouchCancel, then a release of Qt's own, not one
    // made from a touch point, where the finger was.
    void cancel(QPoint point)
    {
        QTouchEvent cancelled(QEvent::TouchCancel, finger);
        QCoreApplication::sendEvent(window->windowHandle(), &cancelled);
        QMouseEvent release(QEvent::MouseButtonRelease, point, window->mapToGlobal(point), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier, finger);
        QCoreApplication::sendEvent(window->windowHandle(), &release);
    }
    QMenu *menu() const { return window->findChild<QMenu *>(QStringLiteral("windowMenu")); }
    bool wholeOnScreen() const { return window->screen()->availableGeometry().contains(window->frameGeometry()); }
};

} // namespace

class TestTouch : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void aFingerOnTheProfileLooksThere();
    void aLongPressOpensTheMenu_data();
    void aLongPressOpensTheMenu();
    void aCancelledTouchClicksNothing_data();
    void aCancelledTouchClicksNothing();
    void menuItemsForAFinger();
    void smallScreensFitTheWindow_data();
    void smallScreensFitTheWindow();
    void aFingerPansAWindowLargerThanItsScreen();

private:
    QPointingDevice *finger_ = nullptr;
};

void TestTouch::initTestCase()
{
    test::useEnglishNumbers();
    QCOMPARE(QGuiApplication::screens().size(), 3);
    finger_ = QTest::createTouchDevice();
    // A long press in a test's time.
    QTapAndHoldGesture::setTimeout(100);
}

void TestTouch::cleanupTestCase()
{
    // Ours to delete, as QtTest says of the devices it makes.
    delete finger_;
    finger_ = nullptr;
}

void TestTouch::init()
{
    QCOMPARE(QApplication::activePopupWidget(), nullptr);
}

void TestTouch::cleanup()
{
    if (QWidget *popup = QApplication::activePopupWidget())
        popup->close();
}

void TestTouch::aFingerOnTheProfileLooksThere()
{
    Window w(kTablet, finger_);
    QVERIFY(test::runToEnd(*w.window));
    const LookOutPanel &panel = w.window->lookOut().panel();
    // Put down: the look-out at once, no hover needed; it follows the finger
    // and stays when the finger is lifted.
    w.down(w.onProfile(9150));
    QVERIFY(panel.isVisible());
    QVERIFY(panel.lines().join(QLatin1Char('\n')).contains(QStringLiteral("Column x = 9150 twips")));
    w.move(w.onProfile(8490));
    QVERIFY(panel.lines().join(QLatin1Char('\n')).contains(QStringLiteral("Column x = 8490 twips")));
    w.up(w.onProfile(8490));
    QCoreApplication::processEvents();
    QVERIFY(panel.isVisible());
    // A tap elsewhere puts it away.
    const QPoint slider = w.at(w.window->controls().HScrollSpomaleni, QPoint(60, 8));
    w.down(slider);
    w.up(slider);
    QVERIFY(!panel.isVisible());
}

void TestTouch::aLongPressOpensTheMenu_data()
{
    QTest::addColumn<bool>("duringARun");
    QTest::newRow("after a run") << false;
    // The run goes on, and a finger on the drawing reaches the menu and its Pause.
    QTest::newRow("during a run") << true;
}

void TestTouch::aLongPressOpensTheMenu()
{
    QFETCH(bool, duringARun);
    Window w(kTablet, finger_, !duringARun);
    if (duringARun) {
        w.window->controls().HScrollSpomaleni->setValue(10000);
        w.window->controls().cmdStart->click();
        QVERIFY(w.window->conductor().running());
    } else {
        QVERIFY(test::runToEnd(*w.window));
    }
    // Over a finished profile the finger looks, for as long as it likes.
    const QPoint looking = w.onProfile(4000);
    w.down(looking);
    QTest::qWait(300);
    QCOMPARE(w.menu()->isVisible(), duringARun);
    w.up(looking);
    w.menu()->close();
    // Above it, among the chains, it opens the menu.
    const QPoint held = w.at(&w.window->surface(), QPoint(300, 250));
    w.down(held);
    KORVANE_TRY_VERIFY(w.menu()->isVisible());
    QVERIFY(!w.window->lookOut().panel().isVisible());
    QCOMPARE(w.menu()->actions().constFirst()->isVisible(), duringARun);
    w.up(held);
    QVERIFY(w.menu()->isVisible());
    w.menu()->close();
    QCOMPARE(w.window->conductor().running(), duringARun);
    if (duringARun)
        w.window->conductor().pauseOrResume();
    // Moved on before the time is up, it is no long press.
    w.down(held);
    w.move(held + QPoint(30, 0));
    QTest::qWait(300);
    QVERIFY(!w.menu()->isVisible());
    w.up(held + QPoint(30, 0));
}

void TestTouch::aCancelledTouchClicksNothing_data()
{
    QTest::addColumn<QString>("control");
    QTest::newRow("Start") << "cmdStart";
    QTest::newRow("the 2-slit option") << "op2";
    QTest::newRow("the slow-down bar's arrow") << "HScrollSpomaleni";
}

void TestTouch::aCancelledTouchClicksNothing()
{
    QFETCH(QString, control);
    Window w(kTablet, finger_);
    QWidget *target = w.window->findChild<QWidget *>(control);
    QVERIFY(target);
    QSignalSpy started(&w.window->conductor(), &RunConductor::started);
    const QString slits = test::text(*w.window, "nNdirek");
    const QString slowDown = test::text(*w.window, "nSpomaleni");
    // An arrow at its right end, a button or option in its middle.
    const QPoint local = control.startsWith(QLatin1String("HScroll")) ? QPoint(target->width() - 4, target->height() / 2)
                                                                     : target->rect().center();
    w.down(w.at(target, local));
    const QString steppedTo = test::text(*w.window, "nSpomaleni");
    w.cancel(w.at(target, local));
    QTest::qWait(600);
    QCoreApplication::processEvents();
    QCOMPARE(started.count(), 0);
    QCOMPARE(test::text(*w.window, "nNdirek"), slits);
    // The press stepped the bar once, as a click does; nothing repeats after.
    QCOMPARE(test::text(*w.window, "nSpomaleni"), steppedTo);
    QVERIFY(control != QLatin1String("HScrollSpomaleni") || steppedTo != slowDown);
    if (auto *button = qobject_cast<QAbstractButton *>(target))
        QVERIFY(!button->isDown());
    // The next tap is a plain click again.
    const QPoint start = w.at(w.window->controls().cmdStart, QPoint(10, 10));
    w.down(start);
    w.up(start);
    KORVANE_TRY_COMPARE(started.count(), 1);
    QVERIFY(test::waitForRunEnd(*w.window));
}

void TestTouch::menuItemsForAFinger()
{
    Window w(kTablet, finger_);
    w.window->popupMenu(w.window->mapToGlobal(QPoint(100, 100)));
    QVERIFY(w.menu()->isVisible());
    const QList<QAction *> items = w.menu()->actions();
    for (QAction *item : items)
        if (item->isVisible() && !item->isSeparator())
            QVERIFY2(w.menu()->actionGeometry(item).height() >= 44, qPrintable(item->text()));
}

void TestTouch::smallScreensFitTheWindow_data()
{
    QTest::addColumn<QPoint>("screen");
    QTest::addColumn<bool>("small");
    QTest::newRow("a tablet holds the design") << kTablet << false;
    QTest::newRow("a phone on its side") << kPhoneSide << true;
    QTest::newRow("a phone upright") << kPhoneUp << true;
}

void TestTouch::smallScreensFitTheWindow()
{
    QFETCH(QPoint, screen);
    QFETCH(bool, small);
    Window w(screen, finger_);
    WindowView &view = w.window->view();
    // The window's frame is the window system's, the same at any zoom.
    const QSize frame = w.window->frameGeometry().size() - w.window->geometry().size();
    const double fit = small ? fittingZoom(MainWindow::kClientSize, w.window->screen()->size() - frame) : 1.0;
    QCOMPARE(view.zoom(), fit);
    QCOMPARE(view.smallScreen(), small);
    // The picture too is drawn at the fit, not cut off at 100 %.
    QCOMPARE(w.window->surface().zoom(), fit);
    QCOMPARE(w.window->surface().image().width(), qCeil(DrawingSurface::kLogicalSize.width() * fit));
    KORVANE_TRY_COMPARE(w.window->size(), zoomed(MainWindow::kClientSize, fit));
    QVERIFY(w.wholeOnScreen());
    // On a phone the steps go on past the screen, and back down to the fit.
    view.zoomIn();
    QCOMPARE(view.zoom(), fit < 1.0 ? 1.0 : 1.25);
    view.zoomIn();
    view.zoomOut();
    view.zoomOut();
    QCOMPARE(view.zoom(), fit);
    view.zoomOut();
    QCOMPARE(view.zoom(), fit);
}

void TestTouch::aFingerPansAWindowLargerThanItsScreen()
{
    Window w(kPhoneSide, finger_);
    w.window->view().zoomIn();
    KORVANE_TRY_COMPARE(w.window->size(), MainWindow::kClientSize);
    QVERIFY(!w.wholeOnScreen());
    const QRect screen = w.window->screen()->availableGeometry();
    // Drawn over the empty drawing: the window follows up and down, where
    // the phone is too short for it, and stays where it is across, where
    // it fits; as far as its edges, never leaving a gap at the screen's.
    // (Qt's offscreen platform places a frame within two pixels of where it
    // is asked to.)
    const QRect before = w.window->frameGeometry();
    const QPoint from(300, 300);
    w.down(from);
    w.move(from + QPoint(-40, 30));
    KORVANE_TRY_VERIFY(std::abs(w.window->frameGeometry().top() - (before.top() + 30)) <= 2);
    QCOMPARE(w.window->frameGeometry().left(), before.left());
    w.move(from + QPoint(-40, 1000));
    w.up(from + QPoint(-40, 1000));
    KORVANE_TRY_VERIFY(std::abs(w.window->frameGeometry().top() - screen.top()) <= 2);
}

int main(int argc, char *argv[])
{
    return korvane::test::execOnScreens<TestTouch>(kScreens, argc, argv);
}

#include "test_touch.moc"
