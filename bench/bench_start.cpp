// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
// Prints what Start runs cost when only the event loop plays them, as in a
// browser, where no code may wait in a loop of its own: whole runs without
// pause per slit count, from the click to the end of the sweep, with the
// frames shown on the way and the phasor model's share, and a paced run's
// frames per second. The same program on Linux gives the figures to
// set beside the browser's. One line per figure, the median of several.
//
//   build/bench/bench_start [repeats]    (offscreen unless QT_QPA_PLATFORM is set)
//   build-web/bench/bench_start.html     (served, in a browser: the lines go to its console)

#include "main_window.h"
#include "model_run.h"
#include "run_conductor.h"
#include "value_stores.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <functional>
#include <vector>

using namespace korvane;

namespace {

using Clock = std::chrono::steady_clock;

struct SlitCount {
    const char *text;
    QRadioButton *Controls::*option;
};

const SlitCount kSlitCounts[] = {
    {"2", &Controls::op2}, {"3", &Controls::op3Dirky}, {"4", &Controls::op4Dírky}, {"20", &Controls::op20}};

// S = 301 owes a pause of 1.2 s over the sweep: long enough to count frames.
constexpr char kPacedSlowDown[] = "301";

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Runs one after another, each started once the last has finished and the
// event loop has come round, so that nothing waits in a loop of its own.
class Runs : public QObject
{
public:
    Runs(MainWindow &window, int repeats)
        : window_(window)
        , repeats_(repeats)
    {
        connect(&window_, &MainWindow::runFinished, this, &Runs::finished);
        for (const SlitCount &count : kSlitCounts) {
            for (int i = 0; i < repeats_; ++i)
                plan_.push_back({count, "0"});
        }
        plan_.push_back({kSlitCounts[3], kPacedSlowDown});
    }

    void next()
    {
        if (plan_.empty()) {
            std::printf("done\n");
            std::fflush(stdout);
            QCoreApplication::quit();
            return;
        }
        const Planned &run = plan_.front();
        (window_.controls().*run.count.option)->setChecked(true);
        window_.controls().nSpomaleni->setText(QString::fromLatin1(run.slowDown));
        started_ = Clock::now();
        window_.controls().cmdStart->click();
    }

private:
    struct Planned {
        SlitCount count;
        const char *slowDown;
    };

    void finished()
    {
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - started_).count();
        const Planned run = plan_.front();
        plan_.pop_front();
        if (run.slowDown == kPacedSlowDown) {
            std::printf("frames per second in a paced run (S=%s, %s slits, %.0f ms): %.1f, at a frame interval of "
                        "%.2f ms\n",
                        run.slowDown, run.count.text, ms, window_.conductor().lastRun().framesShown * 1000.0 / ms,
                        std::chrono::duration<double, std::milli>(window_.conductor().frameInterval()).count());
        } else {
            times_.push_back(ms);
            frames_.push_back(window_.conductor().lastRun().framesShown);
            if (static_cast<int>(times_.size()) == repeats_) {
                std::printf("run S=0, %s slits: %.1f ms, %.0f frames shown (median of %d); model alone %.1f ms\n",
                            run.count.text, median(times_), median(frames_), repeats_, modelRun(run.count.text));
                times_.clear();
                frames_.clear();
            }
        }
        std::fflush(stdout);
        QTimer::singleShot(0, this, &Runs::next);
    }

    MainWindow &window_;
    int repeats_;
    std::deque<Planned> plan_;
    std::vector<double> times_;
    std::vector<double> frames_;
    Clock::time_point started_;
};

} // namespace

int main(int argc, char *argv[])
{
#ifndef Q_OS_WASM
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    QApplication app(argc, argv);
    MainWindow window;
    window.show();
    Runs runs(window, repeats);
    QTimer::singleShot(0, &runs, &Runs::next);
    return app.exec();
}
