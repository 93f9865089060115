// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "pacer.h"

#include <algorithm>
#include <cmath>

namespace korvane {

namespace {

double nanoseconds(std::chrono::steady_clock::duration d)
{
    return std::chrono::duration<double, std::nano>(d).count();
}

// The reference paced with a countdown of S steps a column; a third of a
// microsecond a step is its speed on the machines it was made for.
double columnPause(double slowDown)
{
    return (slowDown > 0.0 ? std::min(slowDown, Pacer::kMaxSlowDown) : 0.0) * 1000.0 / 3.0;
}

} // namespace

PaceClock::Time SteadyPaceClock::now()
{
    return std::chrono::steady_clock::now();
}

PaceClock::Duration SteadyPaceClock::waitFor(Time deadline)
{
    return std::max(Duration(0), std::chrono::duration_cast<Duration>(deadline - now()));
}

Pacer::Duration Pacer::sweepPause(double slowDown, int columns)
{
    return Duration(std::llround(columnPause(slowDown) * columns));
}

Pacer::Pacer(double slowDown, Duration frameInterval, Time start)
    : pausePerColumn_(columnPause(slowDown))
    , frameInterval_(std::max(frameInterval, Duration(std::chrono::milliseconds(1))))
    , nextFrame_(start + frameInterval_)
    , gaveWay_(start)
    , wakeAt_(start)
{
}

bool Pacer::columnDone(Time now)
{
    owed_ += pausePerColumn_;
    if (now >= nextFrame_) {
        wakeAt_ = now;
    } else if (owed_ >= nanoseconds(nextFrame_ - now)) {
        // One wake-up a frame, however many columns that takes.
        wakeAt_ = nextFrame_;
        ++sleeps_;
    } else {
        return false;
    }
    gaveWay_ = now;
    ++frames_;
    return true;
}

void Pacer::resume(Time now)
{
    // A frame painted during a slow run stands in for the same stretch of
    // pause; in a run without pause the credit is never drawn on.
    owed_ -= nanoseconds(now - gaveWay_);
    gaveWay_ = now;
    nextFrame_ = now + frameInterval_;
}

void Pacer::stop(Time now)
{
    owed_ -= nanoseconds(now - gaveWay_);
    gaveWay_ = now;
}

void Pacer::restart(Time now)
{
    gaveWay_ = now;
}

Pacer::Duration Pacer::stillOwed() const
{
    return owed_ > 0.0 ? std::chrono::duration_cast<Duration>(std::chrono::duration<double, std::nano>(owed_))
                       : Duration(0);
}

} // namespace korvane
