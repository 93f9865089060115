// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "sim/pacer.h"

#include <algorithm>
#include <thread>

namespace korvane {

namespace {

double nanoseconds(std::chrono::steady_clock::duration d)
{
    return std::chrono::duration<double, std::nano>(d).count();
}

} // namespace

PaceClock::Time SteadyPaceClock::now()
{
    return std::chrono::steady_clock::now();
}

void SteadyPaceClock::sleepUntil(Time deadline)
{
    std::this_thread::sleep_until(deadline);
}

Pacer::Pacer(PaceClock &clock, double slowDown, Duration frameInterval, std::function<void()> showFrame)
    : clock_(clock)
    // The reference paced with a countdown of S steps a column; a third of a
    // microsecond a step is its speed on the machines it was made for.
    , pausePerColumn_((slowDown > 0.0 ? std::min(slowDown, kMaxSlowDown) : 0.0) * 1000.0 / 3.0)
    , frameInterval_(std::max(frameInterval, Duration(std::chrono::milliseconds(1))))
    , showFrame_(std::move(showFrame))
    , nextFrame_(clock_.now() + frameInterval_)
{
}

void Pacer::columnDone()
{
    owed_ += pausePerColumn_;
    PaceClock::Time now = clock_.now();
    if (now >= nextFrame_) {
        showFrame(now);
        now = clock_.now();
    }
    // Sleep only when the pause owed reaches the next frame, then sleep right
    // up to it: one wake-up a frame, however many columns that takes.
    while (owed_ >= nanoseconds(nextFrame_ - now)) {
        sleepOwed(now, nextFrame_);
        const PaceClock::Time woke = clock_.now();
        if (woke <= now)
            break; // a clock that does not move cannot pay anything
        showFrame(woke);
        now = clock_.now();
    }
}

void Pacer::finish()
{
    const PaceClock::Time now = clock_.now();
    if (owed_ > 0.0)
        sleepOwed(now, now + std::chrono::duration_cast<PaceClock::Time::duration>(
                                  std::chrono::duration<double, std::nano>(owed_)));
}

void Pacer::showFrame(PaceClock::Time now)
{
    nextFrame_ = now + frameInterval_;
    if (showFrame_)
        showFrame_();
    ++frames_;
    // A frame shown during a slow run stands in for the same stretch of pause;
    // in a run without pause the credit is never drawn on.
    owed_ -= nanoseconds(clock_.now() - now);
}

void Pacer::sleepOwed(PaceClock::Time now, PaceClock::Time limit)
{
    if (limit <= now)
        return;
    clock_.sleepUntil(limit);
    ++sleeps_;
    owed_ -= nanoseconds(clock_.now() - now);
}

} // namespace korvane
