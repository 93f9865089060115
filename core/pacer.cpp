// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "pacer.h"

#include <algorithm>
#include <thread>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
// After windows.h, whose types it uses.
#include <timeapi.h>
// Documented since Windows 10 1803; older headers (MinGW's among them) lack it.
#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif
#endif

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

#ifdef _WIN32

namespace {

HANDLE createTimer(bool &highResolution)
{
    HANDLE timer = CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, TIMER_ALL_ACCESS);
    highResolution = timer != nullptr;
    if (!timer)
        timer = CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS);
    return timer;
}

} // namespace

SteadyPaceClock::~SteadyPaceClock()
{
    if (timer_)
        CloseHandle(timer_);
}

void SteadyPaceClock::sleepUntil(Time deadline)
{
    if (!timer_)
        timer_ = createTimer(highResolution_);
    if (!timer_) {
        std::this_thread::sleep_until(deadline);
        return;
    }
    if (!highResolution_)
        timeBeginPeriod(1);
    // The timer counts interrupt time, the deadline is on the performance
    // counter; the two may disagree by a fraction of a tick, so a wake-up a
    // little early sleeps again for the rest.
    for (auto left = deadline - now(); left.count() > 0; left = deadline - now()) {
        // Due times are relative when negative, in units of 100 ns.
        const auto units = (std::chrono::duration_cast<std::chrono::nanoseconds>(left).count() + 99) / 100;
        LARGE_INTEGER due;
        due.QuadPart = -static_cast<LONGLONG>(units);
        if (!SetWaitableTimer(timer_, &due, 0, nullptr, nullptr, FALSE)) {
            std::this_thread::sleep_until(deadline);
            break;
        }
        WaitForSingleObject(timer_, INFINITE);
    }
    if (!highResolution_)
        timeEndPeriod(1);
}

const char *SteadyPaceClock::sleepMethod()
{
    bool highResolution = false;
    const HANDLE timer = createTimer(highResolution);
    if (timer)
        CloseHandle(timer);
    if (!timer)
        return "std::this_thread::sleep_until (no waitable timer)";
    return highResolution ? "high-resolution waitable timer"
                          : "waitable timer, timer resolution raised to 1 ms while it waits";
}

#else

SteadyPaceClock::~SteadyPaceClock() = default;

void SteadyPaceClock::sleepUntil(Time deadline)
{
    std::this_thread::sleep_until(deadline);
}

const char *SteadyPaceClock::sleepMethod()
{
    return "std::this_thread::sleep_until";
}

#endif

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
    if (owed_ > 0.0) {
        const auto owed = std::chrono::duration_cast<PaceClock::Time::duration>(
            std::chrono::duration<double, std::nano>(owed_));
        sleepOwed(now, now + owed);
    }
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
