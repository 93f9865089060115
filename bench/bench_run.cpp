// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
// Prints what a Start run costs on this machine: whole runs without pause per
// slit count, the model alone, one incident-wave strip, runs at a zoom, a
// finished picture drawn again for a new zoom (with three earlier profiles
// kept, too) and what keeping it costs, one look-out at the pointer, the
// far-field curve, three profiles kept to compare, a paused run stepped on
// and back by keys, and how faithfully a paced run keeps its pause, paused or
// not. One line per
// figure, each the median of several.
//
//   build/bench/bench_run [repeats]      (offscreen unless QT_QPA_PLATFORM is set)

#include "design.h"
#include "drawing_surface.h"
#include "look_out.h"
#include "look_out_panel.h"
#include "main_window.h"
#include "model_run.h"
#include "phasor_model.h"
#include "profile_layers.h"
#include "run_conductor.h"
#include "value_stores.h"
#include "vector_state.h"
#include "wave_strip.h"
#include "window_view.h"
#include "zoom.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

using namespace korvane;

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double cpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double medianOf(int repeats, const std::function<double()> &once)
{
    std::vector<double> values;
    for (int i = 0; i < repeats; ++i)
        values.push_back(once());
    return median(values);
}

struct SlitCount {
    const char *text;
    QRadioButton *Controls::*option;
};

const SlitCount kSlitCounts[] = {
    {"2", &Controls::op2}, {"3", &Controls::op3Dirky}, {"4", &Controls::op4Dírky}, {"20", &Controls::op20}};

// Lets the event loop play the run under way to its end.
void playToEnd(MainWindow &window)
{
    if (!window.conductor().running())
        return;
    QEventLoop played;
    QObject::connect(&window, &MainWindow::runFinished, &played, &QEventLoop::quit);
    played.exec();
}

// One Start run as the user makes it, the slow-down store set to S: from the
// click to the end of its sweep.
double timedRun(MainWindow &window, const char *slowDown)
{
    window.controls().nSpomaleni->setText(QString::fromLatin1(slowDown));
    const Clock::time_point start = Clock::now();
    window.controls().cmdStart->click();
    playToEnd(window);
    const double ms = msSince(start);
    QApplication::processEvents();
    return ms;
}

// A key as the window system hands it to the control with the focus, then
// the drawing area painted: what a teacher stepping a paused run waits for.
double timedKey(MainWindow &window, int key, Qt::KeyboardModifiers modifiers = {})
{
    QWidget *focus = QApplication::focusWidget();
    const Clock::time_point start = Clock::now();
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent event(type, key, modifiers);
        QApplication::sendEvent(focus, &event);
    }
    window.surface().repaint();
    return msSince(start);
}

// A 20-slit run started, paused before its first column and stepped on by
// chains to `column`, with the focus on Start, as a teacher leaves it.
void pausedAt(MainWindow &window, int column)
{
    window.controls().op20->setChecked(true);
    window.controls().nSpomaleni->setText(QStringLiteral("30001"));
    window.controls().cmdStart->setFocus();
    window.controls().cmdStart->click();
    window.conductor().pauseOrResume();
    while (window.conductor().runColumn() < column)
        timedKey(window, Qt::Key_Right);
    // The event loop has its turns while the teacher looks, and forgets
    // what the run painted over.
    QApplication::processEvents();
}

// The window at 100 % again, then zoomed in step by step to `zoom`, or as
// far as the screen allows.
void zoomTo(MainWindow &window, double zoom)
{
    window.view().actualSize();
    for (double before = 0.0; window.view().zoom() < zoom && window.view().zoom() != before;) {
        before = window.view().zoom();
        window.view().zoomIn();
    }
}

} // namespace

int main(int argc, char *argv[])
{
    // Offscreen, on a screen large enough for every zoom step (the platform's
    // own is 800 x 600), also where offscreen is asked for by name (as the
    // Windows build's tests do under Wine). Its options are separated by
    // colons, which a Windows path has: the file is named from its own folder.
    QTemporaryDir screens;
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen") {
        QFile config(screens.filePath(QStringLiteral("screens.json")));
        if (config.open(QIODevice::WriteOnly))
            config.write(R"({ "screens": [ {"name": "large", "x": 0, "y": 0, "width": 3840, "height": 2400,
                              "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
                             {"name": "phone on its side", "x": 3840, "y": 0, "width": 844, "height": 390,
                              "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 3},
                             {"name": "phone upright", "x": 4684, "y": 0, "width": 390, "height": 844,
                              "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 3} ] })");
        config.close();
        QDir::setCurrent(screens.path());
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=screens.json");
    }
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    QApplication app(argc, argv);
    MainWindow window;
    window.show();
    QApplication::processEvents();

    std::printf("frame interval: %.2f ms\n",
                std::chrono::duration<double, std::milli>(window.conductor().frameInterval()).count());
    for (const SlitCount &count : kSlitCounts) {
        (window.controls().*count.option)->setChecked(true);
        const double ms = medianOf(repeats, [&] { return timedRun(window, "0"); });
        std::printf("run S=0, %s slits: %.1f ms (median of %d)\n", count.text, ms, repeats);
    }
    for (const double zoom : {2.0, 3.0}) {
        zoomTo(window, zoom);
        for (const SlitCount &count : {kSlitCounts[2], kSlitCounts[3]}) {
            (window.controls().*count.option)->setChecked(true);
            const double ms = medianOf(repeats, [&] { return timedRun(window, "0"); });
            std::printf("run S=0 at %.0f %%, %s slits: %.1f ms (median of %d)\n", window.view().zoom() * 100,
                        count.text, ms, repeats);
        }
    }

    // A finished 20-slit picture, drawn again for the next zoom step up: the
    // controls placed anew and the picture drawn anew, then the whole window
    // painted as the screen would show it; then the same with three earlier
    // runs kept to compare, their outlines drawn again too.
    for (const bool kept : {false, true}) {
        window.profileLayers().setKeepProfiles(kept);
        for (const double zoom : {1.25, 2.0, 3.0, 4.0}) {
            std::vector<double> drawn;
            std::vector<double> shown;
            for (int i = 0; i < repeats; ++i) {
                zoomTo(window, zoomStepBelow(zoom));
                for (const SlitCount &count : {kSlitCounts[0], kSlitCounts[1], kSlitCounts[2], kSlitCounts[3]}) {
                    (window.controls().*count.option)->setChecked(true);
                    if (kept || count.option == &Controls::op20)
                        timedRun(window, "0");
                }
                const Clock::time_point start = Clock::now();
                window.view().zoomIn();
                window.surface().image();
                drawn.push_back(msSince(start));
                if (window.view().zoom() != zoom)
                    break;
                window.grab();
                shown.push_back(msSince(start));
            }
            if (window.view().zoom() == zoom)
                std::printf("finished 20-slit picture%s, %.0f %% to %.0f %%: drawn again %.1f ms, window painted "
                            "%.1f ms (median of %d)\n",
                            kept ? " with 3 profiles kept" : "", zoomStepBelow(zoom) * 100, zoom * 100, median(drawn),
                            median(shown), repeats);
        }
    }
    window.profileLayers().setKeepProfiles(false);
    zoomTo(window, 1.0);
    window.controls().op20->setChecked(true);
    timedRun(window, "0");
    QApplication::processEvents();
    std::printf("kept to draw a finished 20-slit picture again: %zu drawings, %.2f MB\n",
                window.surface().drawingsKept(), static_cast<double>(window.surface().keptBytes()) / 1e6);

    for (const SlitCount &count : kSlitCounts) {
        const double ms = medianOf(repeats, [&] { return modelRun(count.text); });
        std::printf("model alone, %s slits: %.2f ms (median of %d)\n", count.text, ms, repeats);
    }
    {
        const double ms = medianOf(51, [&] {
            const Clock::time_point start = Clock::now();
            DrawIncidentWaveStrip(window.surface(), storedFrequency(window.controls()));
            window.surface().image(); // the strip is drawn when the painter is done
            const double stripMs = msSince(start);
            // What the strip painted over is forgotten once the handler has
            // returned to the event loop, as after a user's move of the bar.
            QApplication::processEvents();
            return stripMs;
        });
        std::printf("one incident-wave strip: %.2f ms (median of 51)\n", ms);
    }

    // One look-out as a move of the pointer makes it: computed for the column
    // and painted, at 51 columns across the screen; and what the first one
    // after a run costs on top, finding the run's brightest column.
    for (const SlitCount &count : kSlitCounts) {
        const double f = std::string(count.text) == "20" ? 15.0 : 20.0;
        const double N = std::atof(count.text);
        const double onceMs = medianOf(repeats, [&] {
            const Clock::time_point start = Clock::now();
            const RunLookOut run(count.text, N, f);
            const double largest = run.largestRawIntensity();
            const double ms = msSince(start);
            // Keeps the search from being optimised away.
            if (largest < 0.0)
                std::puts("");
            return ms;
        });
        const RunLookOut run(count.text, N, f);
        run.largestRawIntensity();
        LookOutPanel panel(&window);
        std::vector<double> each;
        for (int column = 0; column <= 11950; column += 239) {
            const Clock::time_point start = Clock::now();
            panel.showAt(run, run.at(column), QPoint(300, 420), true);
            QImage image(panel.size(), QImage::Format_ARGB32_Premultiplied);
            panel.render(&image);
            each.push_back(msSince(start));
        }
        std::printf("look-out, %s slits: %.3f ms to compute and draw one (median of 51 columns), %.1f ms more for the "
                    "first after a run\n",
                    count.text, median(each), onceMs);
    }

    // The far-field curve: what it adds to a 20-slit run (its scale needs the
    // run's tallest bar before the sweep, and it is painted over every frame),
    // and turning it on and off after a run, with the window painted.
    {
        window.controls().op20->setChecked(true);
        // In turns, so that whatever else the machine does weighs on both alike.
        std::vector<double> withs;
        std::vector<double> withouts;
        for (int i = 0; i < repeats; ++i)
            for (const bool on : {false, true}) {
                window.profileLayers().setShowFarField(on);
                (on ? withs : withouts).push_back(timedRun(window, "0"));
            }
        const double with = median(withs);
        const double without = median(withouts);
        std::printf("run S=0, 20 slits, far-field curve on: %.1f ms, off: %.1f ms, %+.1f %% (median of %d)\n", with,
                    without, (with - without) / without * 100.0, repeats);
        for (const bool on : {false, true}) {
            const double ms = medianOf(repeats, [&] {
                window.profileLayers().setShowFarField(!on);
                window.grab();
                const Clock::time_point start = Clock::now();
                window.profileLayers().setShowFarField(on);
                window.grab();
                return msSince(start);
            });
            std::printf("far-field curve turned %s after a 20-slit run, window painted: %.1f ms (median of %d)\n",
                        on ? "on" : "off", ms, repeats);
        }
        window.profileLayers().setShowFarField(false);
    }

    // Three earlier runs kept: what their outlines add to a 20-slit run (the
    // run on screen kept at each Start, the outlines over every frame).
    {
        window.controls().op20->setChecked(true);
        std::vector<double> withs;
        std::vector<double> withouts;
        for (int i = 0; i < repeats; ++i)
            for (const bool on : {false, true}) {
                window.profileLayers().setKeepProfiles(on);
                for (int earlier = 0; on && earlier < 3; ++earlier)
                    timedRun(window, "0");
                (on ? withs : withouts).push_back(timedRun(window, "0"));
            }
        const double with = median(withs);
        const double without = median(withouts);
        std::printf("run S=0, 20 slits, 3 profiles kept: %.1f ms, none: %.1f ms, %+.1f %% (median of %d)\n", with,
                    without, (with - without) / without * 100.0, repeats);
        window.profileLayers().setKeepProfiles(false);
    }

    // A paused 20-slit run stepped by keys. Forward draws the columns up to
    // the next stop; back takes the picture back and draws what stays again,
    // worst near the end of the run, where most is kept.
    for (const double zoom : {1.0, 2.0}) {
        zoomTo(window, zoom);
        struct Step {
            const char *what;
            int from;
            int key;
            Qt::KeyboardModifiers modifiers;
        };
        const Step steps[] = {
            {"a chain on", 6000, Qt::Key_Right, {}},
            {"a pixel column on", 6000, Qt::Key_Right, Qt::ShiftModifier},
            {"a chain back, from the middle", 6000, Qt::Key_Left, {}},
            {"a chain back, from the last column", 11950, Qt::Key_Left, {}},
            {"a pixel column back, from the last column", 11950, Qt::Key_Left, Qt::ShiftModifier},
            {"Home, from the last column", 11950, Qt::Key_Home, {}},
            {"End, from the middle", 6000, Qt::Key_End, {}},
        };
        for (const Step &step : steps) {
            const double ms = medianOf(repeats, [&] {
                pausedAt(window, step.from);
                const double once = timedKey(window, step.key, step.modifiers);
                if (window.conductor().running()) {
                    timedKey(window, Qt::Key_End);
                    playToEnd(window);
                }
                return once;
            });
            std::printf("paused 20-slit run at %.0f %%, %s: %.1f ms to draw and show (median of %d)\n",
                        window.view().zoom() * 100, step.what, ms, repeats);
        }
    }
    zoomTo(window, 1.0);

    // Pause accuracy at the 100th position of the slow-down bar, 4 slits.
    window.controls().op4Dírky->setChecked(true);
    const double slowDown = 301.0;
    const double pauseMs = 11951.0 * slowDown / 3.0 / 1000.0;
    const int pacedRepeats = std::max(1, repeats / 2);
    const double unpaced = medianOf(repeats, [&] { return timedRun(window, "0"); });
    std::vector<double> ratios;
    std::vector<double> loads;
    for (int i = 0; i < pacedRepeats; ++i) {
        const double cpu = cpuSeconds();
        const double ms = timedRun(window, "301");
        loads.push_back((cpuSeconds() - cpu) * 1000.0 / ms);
        ratios.push_back((ms - unpaced) / pauseMs);
    }
    std::printf("pause ratio at S=301, 4 slits: %.4f (measured pause / %.1f ms, median of %d)\n", median(ratios),
                pauseMs, pacedRepeats);
    std::printf("CPU / wall at S=301, 4 slits: %.3f (median of %d)\n", median(loads), pacedRepeats);
    // The same run paused half way for half a second: the pauses still owed
    // are kept, so it lasts as long as before plus the standstill.
    std::vector<double> pausedRatios;
    for (int i = 0; i < pacedRepeats; ++i) {
        window.controls().nSpomaleni->setText(QStringLiteral("301"));
        double stoodMs = 0.0;
        Clock::time_point stood;
        const Clock::time_point start = Clock::now();
        window.controls().cmdStart->click();
        QTimer::singleShot(static_cast<int>(pauseMs / 2), &window, [&] {
            window.conductor().pauseOrResume();
            stood = Clock::now();
            QTimer::singleShot(500, &window, [&] {
                stoodMs = msSince(stood);
                window.conductor().pauseOrResume();
            });
        });
        playToEnd(window);
        const double ms = msSince(start);
        pausedRatios.push_back((ms - unpaced - stoodMs) / pauseMs);
    }
    std::printf("pause ratio at S=301, 4 slits, paused half way for 500 ms: %.4f (median of %d)\n",
                median(pausedRatios), pacedRepeats);
    std::printf("frames in the last paced run: %d, sleeps: %d\n", window.conductor().lastRun().framesShown,
                window.conductor().lastRun().sleeps);

    // A finished 20-slit picture on a phone (ratio 3) as its page turns: the
    // window fitted anew, the picture drawn again and the window painted.
    if (QGuiApplication::screens().size() == 3) {
        window.controls().op20->setChecked(true);
        timedRun(window, "0");
        for (const QPoint phone : {QPoint(3840, 0), QPoint(4684, 0)}) {
            const QPoint other = phone == QPoint(3840, 0) ? QPoint(4684, 0) : QPoint(3840, 0);
            std::vector<double> fitted;
            for (int i = 0; i < repeats; ++i) {
                window.move(other);
                QApplication::processEvents();
                window.view().fitSmallScreen();
                window.move(phone);
                QApplication::processEvents();
                const Clock::time_point start = Clock::now();
                window.view().fitSmallScreen();
                window.surface().image();
                window.grab();
                fitted.push_back(msSince(start));
            }
            std::printf("finished 20-slit picture fitted to a %s phone at ratio 3 (%.0f %%): %.1f ms (median of %d)\n",
                        phone == QPoint(3840, 0) ? "844 x 390" : "390 x 844", window.view().zoom() * 100,
                        median(fitted), repeats);
        }
    }
    return 0;
}
