// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
// The window on a projector: zoom steps, full screen, the picture drawn again
// sharp for a new zoom or device pixel ratio, and the picture copied and saved.
//
// The window system is Qt's offscreen one with three screens of its own (a
// 1920 x 1080 projector, a large screen, and a screen of ratio 2), so that a
// window can move between ratios within one test.

#include "fake_clock.h"
#include "ink.h"
#include "offscreen_screens.h"
#include "run_picture.h"
#include "try_wait.h"
#include "window_fixture.h"
#include "worked_values.h"

#include "command_line.h"
#include "drawing_surface.h"
#include "exports.h"
#include "kept_profiles_layer.h"
#include "main_window.h"
#include "overlay.h"
#include "pause_hint.h"
#include "picture_file.h"
#include "profile_layers.h"
#include "run_conductor.h"
#include "window_view.h"
#include "zoom.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace korvane;
using namespace std::chrono_literals;
using korvane::test::control;

namespace {

constexpr QPoint kProjector(0, 0);     // 1920 x 1080, ratio 1
constexpr QPoint kLargeScreen(1920, 0); // 3840 x 2400, ratio 1: every step fits
constexpr QPoint kHighDensity(5760, 0); // 1920 x 1080, ratio 2

// The high-density screen has its ratio as an X11 screen of 192 dpi has it,
// from Qt's own scaling by the screen's dpi: 3840 x 2160 pixels, 1920 x 1080
// logical ones. (A ratio of the platform's own, the file's "dpr", reaches
// the windows on Qt 6.4 but no longer on Qt 6.8.)
constexpr char kScreens[] = R"({ "screens": [
  {"name": "projector", "x": 0, "y": 0, "width": 1920, "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
  {"name": "large", "x": 1920, "y": 0, "width": 3840, "height": 2400, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
  {"name": "high density", "x": 5760, "y": 0, "width": 3840, "height": 2160, "logicalDpi": 192, "logicalBaseDpi": 96, "dpr": 1}
] })";

struct Window {
    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>();
    test::FakeClock clock{100us};

    Window(QPoint screen, double zoom)
    {
        window->conductor().setRunClock(clock);
        window->conductor().setFrameInterval(16ms);
        window->move(screen + QPoint(20, 20));
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qFatal("the window was never exposed");
        while (window->view().zoom() < zoom) {
            const double before = window->view().zoom();
            window->view().zoomIn();
            if (window->view().zoom() == before)
                qFatal("zoom %g not reached", zoom);
        }
    }

    void run(const char *option)
    {
        control<QRadioButton>(*window, option)->click();
        if (!test::runToEnd(*window))
            qFatal("the run never ended");
        QCoreApplication::processEvents();
    }

    QImage surface() const { return window->surface().image().convertToFormat(QImage::Format_RGB32); }
};

// Every control's place and font size, one line each.
QString layoutOf(MainWindow &window)
{
    QString out;
    const QList<QWidget *> widgets = window.findChildren<QWidget *>();
    for (QWidget *w : widgets) {
        if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")) || w->isWindow())
            continue;
        // Laid over the design by rules of their own, which test_look_out checks.
        static const QStringList overlays{"farField",   "keptProfiles", "lookOut",
                                          "lookOutColumn", "orderMarks",   "pauseHint"};
        if (overlays.contains(w->objectName()))
            continue;
        const QRect g = w->geometry();
        out += QStringLiteral("%1 %2,%3 %4x%5 %6px\n")
                   .arg(w->objectName())
                   .arg(g.x())
                   .arg(g.y())
                   .arg(g.width())
                   .arg(g.height())
                   .arg(w->font().pixelSize());
    }
    return out;
}

} // namespace

class TestZoom : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void zoomSteps_data();
    void zoomSteps();
    void stepsStopWhereTheScreenEnds();
    void controlWheelZoomsOverAnyControl();
    void zoomKeysDuringARunActAfterIt();
    void pausedRunStepsByPixelsOfTheZoom();
    void fullScreenFitsAndCentres();
    void layersFollowTheDesign_data();
    void layersFollowTheDesign();
    void pictureFollowsTheScreensRatio_data();
    void pictureFollowsTheScreensRatio();
    void keptDrawingsStayFew();
    void keptProfileOutlinesItsBars_data();
    void keptProfileOutlinesItsBars();
    void copyPicture();
    void savePicture_data();
    void savePicture();
    void defaultPictureFile();
};

void TestZoom::initTestCase()
{
    test::useEnglishNumbers();
    QCOMPARE(QGuiApplication::screens().size(), 3);
}

void TestZoom::zoomSteps_data()
{
    QTest::addColumn<double>("zoom");
    for (const double zoom : kZoomSteps)
        QTest::addRow("%d %%", static_cast<int>(zoom * 100)) << zoom;
}

void TestZoom::zoomSteps()
{
    QFETCH(double, zoom);
    // A finished 20-slit run and a strip for another frequency, then the zoom...
    Window zoomedAfter(kLargeScreen, 1.0);
    zoomedAfter.run("op20");
    zoomedAfter.window->controls().HScrollKmitocet20->setValue(7);
    const QString layoutAt100 = layoutOf(*zoomedAfter.window);
    auto *bar = zoomedAfter.window->controls().HScrollKmitocet20;
    const QRect arrowAt100 = test::scrollBarPart(bar, QStyle::SC_ScrollBarAddLine);
    const QRect thumbAt100 = test::scrollBarPart(bar, QStyle::SC_ScrollBarSlider);
    while (zoomedAfter.window->view().zoom() < zoom)
        zoomedAfter.window->view().zoomIn();
    QCOMPARE(zoomedAfter.window->view().zoom(), zoom);

    // ...shows what a window zoomed first and then used the same way shows.
    Window zoomedFirst(kLargeScreen, zoom);
    zoomedFirst.run("op20");
    zoomedFirst.window->controls().HScrollKmitocet20->setValue(7);
    QCOMPARE(zoomedAfter.window->surface().scale(), zoom);
    QVERIFY(zoomedAfter.surface() == zoomedFirst.surface());
    QCOMPARE(layoutOf(*zoomedAfter.window), layoutOf(*zoomedFirst.window));

    // The client area, every control and every font grow with the zoom.
    MainWindow &window = *zoomedAfter.window;
    QCOMPARE(window.size(), zoomed(MainWindow::kClientSize, zoom));
    QCOMPARE(window.surface().size(), zoomed(DrawingSurface::kLogicalSize, zoom));
    QCOMPARE(window.surface().image().size(), zoomed(DrawingSurface::kLogicalSize, zoom));
    const QStringList designLines = layoutAt100.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &line : designLines) {
        const QStringList f = line.split(QRegularExpression(QStringLiteral("[ ,x]|px")), Qt::SkipEmptyParts);
        const QRect design(f[1].toInt(), f[2].toInt(), f[3].toInt(), f[4].toInt());
        QWidget *w = control<QWidget>(window, f[0].toUtf8().constData());
        QCOMPARE(w->geometry(), zoomed(design, zoom));
        if (f[5].toInt() > 0)
            QCOMPARE(w->font().pixelSize(), zoomedPixelSize(f[5].toInt(), zoom));
        // A caption that shows whole at 100 % still does.
        if (auto *box = qobject_cast<QLineEdit *>(w); box && box->isVisible())
            QVERIFY2(QFontMetrics(box->font()).horizontalAdvance(box->text()) + 1 <= box->width() - 4,
                     qPrintable(f[0]));
    }

    // A scroll bar's arrows and thumb are where they are drawn, grown too
    // (to within the pixel that rounding the bar's size gives).
    const auto near = [zoom](QRect actual, QRect design) {
        const QRect expected = zoomed(design, zoom);
        return std::abs(actual.left() - expected.left()) <= 1 && std::abs(actual.right() - expected.right()) <= 1
               && std::abs(actual.height() - expected.height()) <= 1;
    };
    QVERIFY(near(test::scrollBarPart(bar, QStyle::SC_ScrollBarAddLine), arrowAt100));
    QVERIFY(near(test::scrollBarPart(bar, QStyle::SC_ScrollBarSlider), thumbAt100));

    // Back to 100 %: the design's window, pixel for pixel.
    window.view().actualSize();
    Window never(kLargeScreen, 1.0);
    never.run("op20");
    never.window->controls().HScrollKmitocet20->setValue(7);
    QVERIFY(zoomedAfter.surface() == never.surface());
    QCOMPARE(layoutOf(window), layoutAt100);
    QCOMPARE(window.size(), MainWindow::kClientSize);
}

void TestZoom::stepsStopWhereTheScreenEnds()
{
    // 571 x 2 = 1142 pixels do not fit the projector's 1080.
    Window window(kProjector, 1.0);
    for (std::size_t i = 0; i < kZoomSteps.size(); ++i)
        window.window->view().zoomIn();
    QCOMPARE(window.window->view().zoom(), 1.75);
    QVERIFY(window.window->frameGeometry().bottom() < 1080);
    // Said on the window, until the next key or click.
    const PauseHint &note = window.window->pauseHint();
    QVERIFY(note.isVisible());
    QCOMPARE(note.lines(), (QStringList{"Zoom 200 % would not fit this screen", "F11 fills the screen with the window."}));
    QTest::mouseClick(window.window->controls().op2, Qt::LeftButton, {}, QPoint(6, 6));
    QVERIFY(!note.isVisible());
    window.window->view().zoomOut();
    QCOMPARE(window.window->view().zoom(), 1.5);

    // A lesson's zoom that the screen cannot hold opens as large as fits, and says so.
    Window asked(kProjector, 1.0);
    StartOptions options;
    options.zoom = 2.0;
    applyStartOptions(*asked.window, options);
    QCOMPARE(asked.window->view().zoom(), 1.75);
    QCOMPARE(asked.window->pauseHint().lines(),
             (QStringList{"Opened at 175 %: 200 % would not fit this screen", "F11 fills the screen with the window."}));
}

void TestZoom::controlWheelZoomsOverAnyControl()
{
    Window window(kLargeScreen, 1.0);
    auto *bar = window.window->controls().HScrollKmitočet;
    const int position = bar->value();
    const auto turn = [bar](int angle) {
        const QPointF at(bar->rect().center());
        QWheelEvent wheel(at, bar->mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton, Qt::ControlModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(bar, &wheel);
    };
    turn(120);
    QCOMPARE(window.window->view().zoom(), 1.25);
    // A fine wheel's parts of a notch add up to one step.
    turn(60);
    QCOMPARE(window.window->view().zoom(), 1.25);
    turn(60);
    QCOMPARE(window.window->view().zoom(), 1.5);
    turn(-240);
    QCOMPARE(window.window->view().zoom(), 1.0);
    QCOMPARE(bar->value(), position);
}

void TestZoom::zoomKeysDuringARunActAfterIt()
{
    Window window(kLargeScreen, 1.0);
    QWidget *focus = window.window->controls().cmdStart;
    // Queued before the run, so it arrives at the run's first frame.
    QCoreApplication::postEvent(focus, new QKeyEvent(QEvent::KeyPress, Qt::Key_Plus, Qt::ControlModifier, QStringLiteral("+")));
    QCoreApplication::postEvent(focus, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Plus, Qt::ControlModifier, QStringLiteral("+")));
    window.window->controls().cmdStart->click();
    QCoreApplication::processEvents();
    QVERIFY(window.window->conductor().running());
    QCOMPARE(window.window->view().zoom(), 1.0);
    QVERIFY(test::waitForRunEnd(*window.window));
    QVERIFY(window.window->conductor().lastRun().framesShown > 0);
    QCoreApplication::processEvents();
    QCOMPARE(window.window->view().zoom(), 1.25);

    Window zoomedFirst(kLargeScreen, 1.25);
    QVERIFY(test::runToEnd(*zoomedFirst.window));
    QVERIFY(window.surface() == zoomedFirst.surface());
}

void TestZoom::pausedRunStepsByPixelsOfTheZoom()
{
    Window window(kLargeScreen, 1.0);
    MainWindow &w = *window.window;
    w.controls().cmdStart->click();
    QWidget *focus = w.controls().cmdStart;
    QTest::keyClick(focus, Qt::Key_Space);
    // Zoomed while it stands: the pixel columns are 7.5 columns wide.
    while (w.view().zoom() < 2.0)
        w.view().zoomIn();
    QTest::keyClick(focus, Qt::Key_Right);
    QTest::keyClick(focus, Qt::Key_Right);
    QTest::keyClick(focus, Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(w.conductor().runColumn(), 213);
    // As an untouched run caught there and drawn at 200 %.
    test::RunBench untouched(QStringLiteral("4"), QStringLiteral("20"));
    untouched.surface.setZoom(2.0);
    untouched.runTo(213);
    const QRect band(0, 134, window.surface().width(), 1066);
    QVERIFY(window.surface().copy(band) == untouched.surface.image().convertToFormat(QImage::Format_RGB32).copy(band));
}

void TestZoom::fullScreenFitsAndCentres()
{
    Window window(kProjector, 1.25);
    MainWindow &w = *window.window;
    QTest::keyClick(&w, Qt::Key_F11);
    KORVANE_TRY_VERIFY(w.isFullScreen());
    KORVANE_TRY_COMPARE(w.size(), QSize(1920, 1080));
    // The height limits it: 1080 / 571.
    QCOMPARE(w.view().zoom(), 1080.0 / 571.0);
    const QSize design = zoomed(MainWindow::kClientSize, w.view().zoom());
    QCOMPARE(design.height(), 1080);
    const QPoint corner((1920 - design.width()) / 2, 0);
    QCOMPARE(w.surface().pos(), corner);
    QCOMPARE(w.controls().cmdStart->pos(), corner + zoomed(QRect(592, 8, 57, 25), w.view().zoom()).topLeft());

    // Any smaller step, centred; back with Esc to the window as it was.
    w.view().zoomOut();
    QCOMPARE(w.view().zoom(), 1.75);
    QCOMPARE(w.surface().pos(), QPoint((1920 - zoomed(MainWindow::kClientSize, 1.75).width()) / 2,
                                       (1080 - zoomed(MainWindow::kClientSize, 1.75).height()) / 2));
    QTest::keyClick(&w, Qt::Key_Escape);
    KORVANE_TRY_VERIFY(!w.isFullScreen());
    QCOMPARE(w.view().zoom(), 1.25);
    QCOMPARE(w.surface().pos(), QPoint());
    KORVANE_TRY_COMPARE(w.size(), zoomed(MainWindow::kClientSize, 1.25));

    // Esc does nothing else.
    QSignalSpy clicks(w.controls().cmdStart, &QPushButton::clicked);
    QTest::keyClick(&w, Qt::Key_Escape);
    QCOMPARE(clicks.count(), 0);
    QVERIFY(!w.isFullScreen());
}

void TestZoom::layersFollowTheDesign_data()
{
    QTest::addColumn<QString>("layer");
    for (const char *name : {"orderMarks", "farField", "pauseHint", "lookOut", "lookOutColumn"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestZoom::layersFollowTheDesign()
{
    // Each layer over the picture is placed with the design at a step and in
    // full screen, lets the pointer through and stays out of the keyboard's round.
    QFETCH(QString, layer);
    Window window(kProjector, 1.5);
    MainWindow &w = *window.window;
    const Overlay *overlay = w.findChild<Overlay *>(layer);
    QVERIFY(overlay);
    QVERIFY(overlay->testAttribute(Qt::WA_TransparentForMouseEvents));
    QCOMPARE(overlay->focusPolicy(), Qt::NoFocus);
    QCOMPARE(overlay->zoom(), 1.5);
    QCOMPARE(overlay->design(), QRect(QPoint(), zoomed(MainWindow::kClientSize, 1.5)));
    QTest::keyClick(&w, Qt::Key_F11);
    KORVANE_TRY_COMPARE(w.size(), QSize(1920, 1080));
    QCOMPARE(overlay->zoom(), w.view().zoom());
    QCOMPARE(overlay->design(), QRect(w.surface().pos(), zoomed(MainWindow::kClientSize, w.view().zoom())));
}

void TestZoom::pictureFollowsTheScreensRatio_data()
{
    QTest::addColumn<double>("zoom");
    QTest::newRow("100 %") << 1.0;
    QTest::newRow("150 %, ratio and zoom multiply") << 1.5;
}

void TestZoom::pictureFollowsTheScreensRatio()
{
    QFETCH(double, zoom);
    Window moved(kProjector, zoom);
    moved.run("op4Dírky");
    moved.window->move(kHighDensity + QPoint(20, 20));
    KORVANE_TRY_COMPARE(moved.window->surface().scale(), 2 * zoom);
    // The same size in logical pixels: the whole design, twice as sharp.
    KORVANE_TRY_COMPARE(moved.window->size(), zoomed(MainWindow::kClientSize, zoom));

    Window drawnThere(kHighDensity, zoom);
    drawnThere.run("op4Dírky");
    QCOMPARE(drawnThere.window->surface().scale(), 2 * zoom);
    QVERIFY(moved.surface() == drawnThere.surface());

    // And back.
    moved.window->move(kProjector + QPoint(20, 20));
    KORVANE_TRY_COMPARE(moved.window->surface().scale(), zoom);
    Window drawnHere(kProjector, zoom);
    drawnHere.run("op4Dírky");
    QVERIFY(moved.surface() == drawnHere.surface());
}

void TestZoom::keptDrawingsStayFew()
{
    // Each run paints the last one over, and each strip the last strip, so
    // what the surface keeps to draw again does not grow with use.
    Window window(kLargeScreen, 1.0);
    window.run("op20");
    const std::size_t afterOneRun = window.window->surface().drawingsKept();
    for (int i = 0; i < 5; ++i) {
        window.window->controls().HScrollKmitocet20->setValue(i);
        window.run("op20");
    }
    QCOMPARE(window.window->surface().drawingsKept(), afterOneRun);
}

void TestZoom::keptProfileOutlinesItsBars_data()
{
    QTest::addColumn<QPoint>("screen");
    QTest::addColumn<double>("zoom");
    QTest::newRow("100 %") << kLargeScreen << 1.0;
    QTest::newRow("125 %") << kLargeScreen << 1.25;
    QTest::newRow("300 %") << kLargeScreen << 3.0;
    QTest::newRow("100 % at ratio 2") << kHighDensity << 1.0;
}

// A 4-slit run kept under a 2-slit run: the outline lies on the top of the
// 4-slit run's own bars, over the 2-slit bars as well as beside them, and
// nothing else of the 2-slit picture changes but for the legend; turned off,
// the picture is the design's again.
void TestZoom::keptProfileOutlinesItsBars()
{
    QFETCH(QPoint, screen);
    QFETCH(double, zoom);
    Window w(screen, zoom);
    MainWindow &window = *w.window;
    w.run("op4Dírky");
    const QImage own = w.surface();
    window.profileLayers().setKeepProfiles(true);
    w.run("op2");
    const QImage design = w.surface();
    const QImage seen = window.picture().convertToFormat(QImage::Format_RGB32);
    const QColor kept = keptColour(0);
    const QRgb ink = qRgb(0, 0, 0);

    const double scale = window.surface().scale();
    const int thickness = std::max(1, static_cast<int>(std::lround(scale)));
    const int screenLine = static_cast<int>(std::lround(6500.0 * scale / 15.0)) - thickness / 2;
    const QRect legend = window.profileLayers().keptProfilesLayer().legendArea();
    const QRect legendPixels(legend.topLeft() * window.devicePixelRatioF(), legend.size() * window.devicePixelRatioF());
    const int width = std::min(seen.width(), own.width());
    int columns = 0;
    int outlined = 0;
    int overBars = 0;
    for (int x = 0; x < width; ++x) {
        int top = screenLine;
        while (top > 0 && own.pixel(x, top - 1) == ink)
            --top;
        if (legendPixels.contains(x, top))
            continue;
        ++columns;
        if (seen.pixel(x, top) == kept.rgb()) {
            ++outlined;
            overBars += design.pixel(x, top) == ink;
        }
    }
    QVERIFY2(outlined >= columns * 99 / 100, qPrintable(QStringLiteral("%1 of %2").arg(outlined).arg(columns)));
    QVERIFY2(overBars >= columns / 10, qPrintable(QStringLiteral("%1 over the bars").arg(overBars)));

    // Elsewhere over the profile, the 2-slit run's own picture; in the
    // legend, the kept run's name and a sample of its line in its colour.
    const QRect band(0, legendPixels.top(), width, screenLine + thickness - legendPixels.top());
    int elsewhere = 0;
    for (int y = band.top(); y <= band.bottom(); ++y)
        for (int x = band.left(); x <= band.right(); ++x)
            elsewhere += !legendPixels.contains(x, y) && seen.pixel(x, y) != design.pixel(x, y)
                         && seen.pixel(x, y) != kept.rgb();
    QCOMPARE(elsewhere, 0);
    QVERIFY(test::holds(seen.copy(legendPixels), kept));
    QCOMPARE(window.profileLayers().keptProfilesLayer().legend(), QStringList{"4 slits, 3.18 (frequency 20)"});

    window.profileLayers().setKeepProfiles(false);
    QVERIFY(window.profileLayers().keptProfiles().empty());
    QVERIFY(window.picture().convertToFormat(QImage::Format_RGB32).copy(band) == design.copy(band));
}

void TestZoom::copyPicture()
{
    Window window(kHighDensity, 1.5);
    window.run("op2");
    QApplication::clipboard()->clear();
    window.window->exports().copyPicture();
    const QImage copied = QApplication::clipboard()->image();
    // The client area in device pixels: zoom and ratio both count.
    QCOMPARE(copied.size(), zoomed(MainWindow::kClientSize, 1.5) * 2);
    QVERIFY(copied.convertToFormat(QImage::Format_RGB32)
            == window.window->picture().convertToFormat(QImage::Format_RGB32));
}

void TestZoom::savePicture_data()
{
    QTest::addColumn<QString>("target"); // within a fresh folder
    QTest::addColumn<bool>("saved");
    QTest::newRow("writable folder") << QStringLiteral("picture.png") << true;
    QTest::newRow("over an earlier picture") << QStringLiteral("earlier.png") << true;
    QTest::newRow("a folder's name") << QStringLiteral("folder") << false;
    QTest::newRow("folder that does not exist") << QStringLiteral("missing/picture.png") << false;
    QTest::newRow("a file taken for a folder") << QStringLiteral("earlier.png/picture.png") << false;
    QTest::newRow("read-only folder") << QStringLiteral("read-only/picture.png") << false;
#ifdef Q_OS_LINUX
    // Where not even root may write.
    QTest::newRow("system folder") << QStringLiteral("/proc/korvane-picture.png") << false;
    // Renamed over, a device would become a file.
    QTest::newRow("a device") << QStringLiteral("/dev/null") << false;
#endif
}

void TestZoom::savePicture()
{
    QFETCH(QString, target);
    QFETCH(bool, saved);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("read-only")));
    QFile earlier(dir.filePath(QStringLiteral("earlier.png")));
    QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier") == 7);
    earlier.close();
    QFile::setPermissions(dir.filePath(QStringLiteral("read-only")), QFile::ReadOwner | QFile::ExeOwner);
    const auto writable = qScopeGuard([&] {
        QFile::setPermissions(dir.filePath(QStringLiteral("read-only")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    });
    if (target.startsWith(QLatin1String("read-only")) && QFileInfo(dir.filePath(QStringLiteral("read-only"))).isWritable())
        QSKIP("this user may write into a read-only folder (root)");

    Window window(kLargeScreen, 1.25);
    window.run("op3Dirky");
    const QImage picture = window.window->picture();
    const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    const QString error = korvane::savePicture(picture, QDir(dir.path()).absoluteFilePath(target));
    if (saved) {
        QVERIFY2(error.isEmpty(), qPrintable(error));
        const QImage read(dir.filePath(target));
        QCOMPARE(read.size(), picture.size());
        QVERIFY(read.convertToFormat(QImage::Format_RGB32) == picture.convertToFormat(QImage::Format_RGB32));
        // What the web build offers as a download is this very file.
        QFile file(dir.filePath(target));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(korvane::pngBytes(picture), file.readAll());
        return;
    }
    QVERIFY(!error.isEmpty());
    // Nothing else changes: no file left half written, the earlier one whole.
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before);
    QVERIFY(QDir(dir.filePath(QStringLiteral("folder"))).isEmpty());
    QCOMPARE(QFileInfo(dir.filePath(QStringLiteral("earlier.png"))).size(), 7);
    if (QFileInfo(target).isAbsolute())
        QVERIFY(!QFileInfo(target).isFile());
}

void TestZoom::defaultPictureFile()
{
    const QString file = korvane::defaultPictureFile(QStringLiteral("20"));
    QCOMPARE(QFileInfo(file).fileName(), QStringLiteral("korvane-20-slits.png"));
    QVERIFY(QFileInfo(QFileInfo(file).absolutePath()).isDir());
    // A damaged store gives no path of its own.
    QCOMPARE(QFileInfo(korvane::defaultPictureFile(QStringLiteral("../../x"))).fileName(),
             QStringLiteral("korvane-0-slits.png"));
}

int main(int argc, char *argv[])
{
    return korvane::test::execOnScreens<TestZoom>(kScreens, argc, argv);
}

#include "test_zoom.moc"
