// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// A clock for the pacer that only moves when told to, so a two-minute run
// can be checked in milliseconds: a wait moves it to the deadline (plus an
// optional oversleep) and takes no real time, and every reading can cost a
// little simulated work.

#include "pacer.h"

#include <chrono>

namespace korvane::test {

class FakeClock final : public PaceClock
{
public:
    explicit FakeClock(Duration perReading = Duration(0), Duration oversleep = Duration(0))
        : perReading_(perReading)
        , oversleep_(oversleep)
    {
    }

    Time now() override
    {
        now_ += perReading_;
        return now_;
    }

    Duration waitFor(Time deadline) override
    {
        if (deadline > now_) {
            ++sleeps_;
            slept_ += deadline - now_;
            now_ = deadline + oversleep_;
        }
        return Duration(0);
    }

    void spend(Duration d) { now_ += d; }
    Time peek() const { return now_; }
    Duration elapsed() const { return now_ - Time(); }
    Duration slept() const { return slept_; }
    int sleeps() const { return sleeps_; }

private:
    Duration perReading_;
    Duration oversleep_;
    Time now_{};
    Duration slept_{0};
    int sleeps_ = 0;
};

} // namespace korvane::test
