// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// Korvane's one window: the drawing surface underneath, the controls on top,
// each control event wired to its handler.

#include "app/design.h"
#include "sim/animation_run.h"
#include "sim/pacer.h"

#include <QWidget>

#include <chrono>
#include <memory>

namespace korvane {

class DrawingSurface;
class DroppedInput;

class MainWindow : public QWidget
{
    Q_OBJECT

public:
    // The client area at first show, in logical pixels (11370 x 8565 twips).
    static constexpr QSize kClientSize{758, 571};

    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    Controls &controls() { return controls_; }
    DrawingSurface &surface() { return *surface_; }

    // The Start run keeps time by this clock (the machine's, unless a test
    // puts in its own) and shows frames at this interval (by default the
    // screen's refresh interval, between 1/120 and 1/50 second).
    void setRunClock(PaceClock &clock) { runClock_ = &clock; }
    void setFrameInterval(std::chrono::nanoseconds interval) { frameInterval_ = interval; }
    std::chrono::nanoseconds frameInterval() const;

    bool running() const { return running_; }
    // Closed by Exit or through the window frame: nothing runs any more.
    bool unloaded() const { return droppedInput_ != nullptr; }
    const RunReport &lastRun() const { return lastRun_; }

signals:
    // After each Start run, once its held input has been handed back.
    void runFinished();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void connectHandlers();
    void runStart();

    DrawingSurface *surface_ = nullptr;
    Controls controls_;

    SteadyPaceClock steadyClock_;
    PaceClock *runClock_ = &steadyClock_;
    std::chrono::nanoseconds frameInterval_{0};
    bool running_ = false;
    int startsPending_ = 0;
    bool closePending_ = false;
    RunReport lastRun_;
    std::unique_ptr<DroppedInput> droppedInput_;
};

} // namespace korvane
