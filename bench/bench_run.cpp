// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
// Prints what a Start run costs on this machine: whole runs without pause per
// slit count, the model alone, one incident-wave strip, and how faithfully a
// paced run keeps its pause. One line per figure, each the median of several.
//
//   build/bench/bench_run [repeats]      (offscreen unless QT_QPA_PLATFORM is set)

#include "app/design.h"
#include "app/drawing_surface.h"
#include "app/main_window.h"
#include "sim/phasor_model.h"
#include "sim/vector_state.h"
#include "sim/wave_strip.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

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

// One Start run as the user makes it, the slow-down store set to S.
double timedRun(MainWindow &window, const char *slowDown)
{
    window.controls().nSpomaleni->setText(QString::fromLatin1(slowDown));
    const Clock::time_point start = Clock::now();
    window.controls().cmdStart->click();
    const double ms = msSince(start);
    QApplication::processEvents();
    return ms;
}

double modelRun(const std::string &slitCountText)
{
    const double N = std::stod(slitCountText);
    const double f = slitCountText == "20" ? 15.0 : 20.0;
    const double L = PhasorLength(slitCountText);
    const int slits = PhasorCount(N);
    double total = 0.0;
    const Clock::time_point start = Clock::now();
    for (int P = scene::kFirstColumn; P <= scene::kLastColumn; ++P) {
        clearUpperVectorState(); // as the run does before each column
        const ChainPoint first{static_cast<double>(P), scene::kChainBaseY};
        ChainPoint point = first;
        for (int J = 0; J < slits; ++J)
            point = PhasorStep(point, J, P, f, L);
        total += RawIntensity(first, point) * IntensityScale(slitCountText, f);
    }
    const double ms = msSince(start);
    // Keeps the loop from being optimised away.
    if (total < 0.0)
        std::puts("");
    return ms;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    QApplication app(argc, argv);
    MainWindow window;
    window.show();
    QApplication::processEvents();

    std::printf("sleeping: %s\n", korvane::SteadyPaceClock::sleepMethod());
    std::printf("frame interval: %.2f ms\n",
                std::chrono::duration<double, std::milli>(window.frameInterval()).count());
    for (const SlitCount &count : kSlitCounts) {
        (window.controls().*count.option)->setChecked(true);
        const double ms = medianOf(repeats, [&] { return timedRun(window, "0"); });
        std::printf("run S=0, %s slits: %.1f ms (median of %d)\n", count.text, ms, repeats);
    }
    for (const SlitCount &count : kSlitCounts) {
        const double ms = medianOf(repeats, [&] { return modelRun(count.text); });
        std::printf("model alone, %s slits: %.2f ms (median of %d)\n", count.text, ms, repeats);
    }
    {
        const double ms = medianOf(51, [&] {
            const Clock::time_point start = Clock::now();
            DrawIncidentWaveStrip(window.surface(), *window.controls().nKmitočet);
            window.surface().image(); // the strip is drawn when the painter is done
            return msSince(start);
        });
        std::printf("one incident-wave strip: %.2f ms (median of 51)\n", ms);
    }

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
    std::printf("frames in the last paced run: %d, sleeps: %d\n", window.lastRun().framesShown,
                window.lastRun().sleeps);
    return 0;
}
