// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// Paces the Start run's sweep: after every column a pause of S x 1/3
// microsecond is owed, S being the slow-down factor. The pacer only decides;
// the sweep draws in turns of the event loop and gives way between them, so
// that the window stays alive. Columns are drawn until a frame is due or the
// pause owed reaches the next frame's moment; then the sweep gives way, the
// event loop paints the frame and waits up to that moment, and the sweep draws
// on. A slow run wakes once a frame, and a frame comes at the display's rate
// however long the pause. Everything is measured against the clock: the time
// the event loop took, painting, waiting and oversleeping, is taken off the
// pause still owed, so a run at S lasts as long as the same run without pause
// plus the pause, not plus its frames.

#include <chrono>

namespace korvane {

class PaceClock
{
public:
    using Time = std::chrono::steady_clock::time_point;
    using Duration = std::chrono::nanoseconds;
    virtual ~PaceClock() = default;
    virtual Time now() = 0;
    // How long the event loop is to wait, in real time, for `deadline` on this
    // clock. A clock that keeps a time of its own moves itself there and
    // answers zero.
    virtual Duration waitFor(Time deadline) = 0;
};

// The machine's monotonic clock.
class SteadyPaceClock final : public PaceClock
{
public:
    Time now() override;
    Duration waitFor(Time deadline) override;
};

class Pacer
{
public:
    using Duration = std::chrono::nanoseconds;
    using Time = PaceClock::Time;

    // The largest factor the slow-down bar sets; a store damaged beyond it is
    // held there, so a run lasts two minutes at most and never hangs.
    static constexpr double kMaxSlowDown = 30001.0;

    // A slow-down factor that is negative or not a number gives no pause.
    // Frames come at least a millisecond apart.
    Pacer(double slowDown, Duration frameInterval, Time start);

    // The pause one column owes, in nanoseconds (fractional).
    double pausePerColumn() const { return pausePerColumn_; }
    // The pause a whole sweep of `columns` owes at `slowDown`: about how long
    // a run lasts at that factor, its drawing being a few milliseconds.
    static Duration sweepPause(double slowDown, int columns);

    // After each column drawn at the run's pace: owes its pause, and is true
    // when the sweep is to give way, to show a frame that is due (wakeAt() is
    // now) or to wait for the next frame once the pause owed reaches it.
    bool columnDone(Time now);
    Time wakeAt() const { return wakeAt_; }
    // The sweep draws again: the time since it gave way pays pause owed, and
    // the frame just shown starts the next frame interval.
    void resume(Time now);

    // The sweep stands still from `now` (paused), and goes on from `now`:
    // what it waited before it stopped pays, the standstill pays nothing, and
    // the pause owed is kept.
    void stop(Time now);
    void restart(Time now);

    // After the last column: the pause still owed.
    Duration stillOwed() const;

    int framesShown() const { return frames_; }
    int sleeps() const { return sleeps_; }

private:
    double pausePerColumn_ = 0.0;
    Duration frameInterval_;
    Time nextFrame_;
    Time gaveWay_;
    Time wakeAt_;
    // Nanoseconds of pause owed; negative after an oversleep, as credit.
    double owed_ = 0.0;
    int frames_ = 0;
    int sleeps_ = 0;
};

} // namespace korvane
