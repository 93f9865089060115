// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// Paces the Start run's sweep: after every column a pause of S x 1/3
// microsecond is owed, S being the slow-down factor. The pause is slept, not
// spun: columns are drawn until the pause owed reaches the next frame's
// moment, then the run sleeps up to that moment and shows the frame, so a slow
// run wakes once a frame and a frame comes at the display's rate however long
// the pause. Everything is measured against the clock: oversleeping and the
// time frames take are taken off the pause still owed, so a run at S lasts as
// long as the same run without pause plus the pause, not plus its frames.

#include <chrono>
#include <functional>

namespace korvane {

class PaceClock
{
public:
    using Time = std::chrono::steady_clock::time_point;
    virtual ~PaceClock() = default;
    virtual Time now() = 0;
    virtual void sleepUntil(Time deadline) = 0;
};

// The machine's monotonic clock; sleeping gives the processor away.
//
// Windows sleeps in steps of its timer tick, 15.6 ms unless some program has
// asked for finer, which would turn a run's frames into every other tick. There
// the clock sleeps on a high-resolution waitable timer of its own (Windows 10
// 1803 and later), which changes nothing for the rest of the system; where
// there is none, it raises the system's timer resolution to 1 ms for the
// length of each sleep only.
class SteadyPaceClock final : public PaceClock
{
public:
    SteadyPaceClock() = default;
    SteadyPaceClock(const SteadyPaceClock &) = delete;
    SteadyPaceClock &operator=(const SteadyPaceClock &) = delete;
    ~SteadyPaceClock() override;

    Time now() override;
    void sleepUntil(Time deadline) override;

    // How this machine sleeps, for the benchmark's report.
    static const char *sleepMethod();

private:
#ifdef _WIN32
    void *timer_ = nullptr;
    bool highResolution_ = false;
#endif
};

class Pacer
{
public:
    using Duration = std::chrono::nanoseconds;

    // The largest factor the slow-down bar sets; a store damaged beyond it is
    // held there, so a run lasts two minutes at most and never hangs.
    static constexpr double kMaxSlowDown = 30001.0;

    // A slow-down factor that is negative or not a number gives no pause.
    // Frames come at least a millisecond apart.
    Pacer(PaceClock &clock, double slowDown, Duration frameInterval, std::function<void()> showFrame);

    // The pause one column owes, in nanoseconds (fractional).
    double pausePerColumn() const { return pausePerColumn_; }

    // After each column: owe its pause, show a frame when one is due, and
    // sleep up to the next frame once the pause owed reaches it.
    void columnDone();
    // After the last column: sleep whatever pause is still owed.
    void finish();

    int framesShown() const { return frames_; }
    int sleeps() const { return sleeps_; }

private:
    void showFrame(PaceClock::Time now);
    void sleepOwed(PaceClock::Time now, PaceClock::Time limit);

    PaceClock &clock_;
    double pausePerColumn_ = 0.0;
    Duration frameInterval_;
    std::function<void()> showFrame_;
    PaceClock::Time nextFrame_;
    // Nanoseconds of pause owed; negative after an oversleep, as credit.
    double owed_ = 0.0;
    int frames_ = 0;
    int sleeps_ = 0;
};

} // namespace korvane
