// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// Plays the Start run in turns of the event loop, paced by the slow-down
// factor: each turn draws columns until a frame is due or the pause owed
// reaches the next frame, then gives way until then, so that the window
// paints, stays alive and could be paused at any moment. A run can be paused
// and resumed at its pace, stood at any column while paused (drawn on or gone
// back to), swept to its end at once, or dropped.

#include "animation_run.h"
#include "pacer.h"
#include "wake_timer.h"

#include <QObject>

#include <chrono>
#include <memory>
#include <optional>
#include <vector>

namespace korvane {

struct RunReport {
    int framesShown = 0;
    int sleeps = 0;
};

class RunPlayer : public QObject
{
    Q_OBJECT

public:
    explicit RunPlayer(QObject *parent = nullptr);
    ~RunPlayer() override;

    // The run keeps time by this clock, the machine's unless a test puts in
    // its own; taken at the next start.
    void setClock(PaceClock &clock) { clock_ = &clock; }

    // Clears the window and draws the scene at once; the sweep begins in the
    // event loop's next turn.
    void start(const RunParameters &parameters, DrawingSurface &surface, std::chrono::nanoseconds frameInterval);
    // A run has started and has neither ended nor been dropped.
    bool playing() const { return run_ != nullptr; }
    bool paused() const { return paused_; }
    // The last column drawn, kBeforeFirstColumn before the first.
    int reached() const;
    const RunReport &report() const { return report_; }
    // The raw intensity of every column of the run that ended last.
    std::vector<double> takeRawIntensities() { return std::move(raw_); }

    void pause();
    // On from where it stands, at the run's pace.
    void resume();
    // Paused at `column`: drawn on up to it, or the picture taken back to it.
    void standAt(int column);
    // Every column left, drawn now; then the run ends.
    void finishNow();
    // Dropped where it stands; it never ends.
    void drop();

signals:
    void pausedChanged(bool paused);
    // Paused, or stood at another column while paused.
    void stoodAt(int column);
    // The last column drawn and its pause waited, or the rest drawn at once.
    void ended();

private:
    void turn();
    void wakeAt(PaceClock::Time deadline);
    void end();

    SteadyPaceClock steadyClock_;
    PaceClock *clock_ = &steadyClock_;
    WakeTimer timer_;
    std::unique_ptr<AnimationRun> run_;
    std::optional<Pacer> pacer_;
    bool paused_ = false;
    RunReport report_;
    std::vector<double> raw_;
};

} // namespace korvane
