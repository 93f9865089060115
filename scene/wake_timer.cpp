// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "wake_timer.h"

#ifdef _WIN32
#include <QWinEventNotifier>
#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
// Documented since Windows 10 1803; older headers (MinGW's among them) lack it.
#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif
#endif

namespace korvane {

WakeTimer::WakeTimer(QObject *parent)
    : QObject(parent)
{
    timer_.setSingleShot(true);
    // A coarse timer may come 5 % late, a visible stutter at a frame's length.
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &WakeTimer::timeout);
#ifdef _WIN32
    waitable_ = CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, TIMER_ALL_ACCESS);
    if (waitable_) {
        notifier_ = new QWinEventNotifier(waitable_, this);
        notifier_->setEnabled(false);
        connect(notifier_, &QWinEventNotifier::activated, this, [this] {
            notifier_->setEnabled(false);
            emit timeout();
        });
    }
#endif
}

WakeTimer::~WakeTimer()
{
#ifdef _WIN32
    delete notifier_;
    if (waitable_)
        CloseHandle(waitable_);
#endif
}

void WakeTimer::start(std::chrono::nanoseconds wait)
{
    stop();
#ifdef _WIN32
    if (notifier_ && wait.count() > 0) {
        // Due times are relative when negative, in units of 100 ns.
        LARGE_INTEGER due;
        due.QuadPart = -static_cast<LONGLONG>((wait.count() + 99) / 100);
        if (SetWaitableTimer(waitable_, &due, 0, nullptr, nullptr, FALSE)) {
            notifier_->setEnabled(true);
            return;
        }
    }
#endif
    // Never early: a late wake-up is paid back by the pacer, an early one
    // would cost the next frame a turn of its own.
    timer_.start(std::chrono::ceil<std::chrono::milliseconds>(wait));
}

void WakeTimer::stop()
{
    timer_.stop();
#ifdef _WIN32
    if (notifier_) {
        notifier_->setEnabled(false);
        CancelWaitableTimer(waitable_);
    }
#endif
}

} // namespace korvane
