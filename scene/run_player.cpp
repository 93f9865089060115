// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "run_player.h"

#include "phasor_model.h"

#include <chrono>

namespace korvane {

RunPlayer::RunPlayer(QObject *parent)
    : QObject(parent)
{
    connect(&timer_, &WakeTimer::timeout, this, &RunPlayer::turn);
}

RunPlayer::~RunPlayer() = default;

void RunPlayer::start(const RunParameters &parameters, DrawingSurface &surface, std::chrono::nanoseconds frameInterval)
{
    drop();
    run_ = std::make_unique<AnimationRun>(parameters, surface);
    pacer_.emplace(parameters.slowDown, frameInterval, clock_->now());
    report_ = {};
    timer_.start(std::chrono::nanoseconds(0));
}

int RunPlayer::reached() const
{
    return run_ ? run_->reached() : kBeforeFirstColumn;
}

void RunPlayer::turn()
{
    if (!run_ || paused_)
        return;
    pacer_->resume(clock_->now());
    while (!run_->sweptToTheEnd()) {
        run_->drawNextColumn();
        if (pacer_->columnDone(clock_->now())) {
            wakeAt(pacer_->wakeAt());
            return;
        }
    }
    // The last column owes its pause as every other does; whatever the wait
    // since the last turn has paid is off it.
    if (const auto owed = pacer_->stillOwed(); owed.count() > 0) {
        wakeAt(clock_->now() + owed);
        return;
    }
    end();
}

void RunPlayer::wakeAt(PaceClock::Time deadline)
{
    timer_.start(clock_->waitFor(deadline));
}

void RunPlayer::pause()
{
    if (!run_ || paused_)
        return;
    timer_.stop();
    pacer_->stop(clock_->now());
    paused_ = true;
    emit pausedChanged(true);
    emit stoodAt(run_->reached());
}

void RunPlayer::resume()
{
    if (!run_ || !paused_)
        return;
    paused_ = false;
    pacer_->restart(clock_->now());
    timer_.start(std::chrono::nanoseconds(0));
    emit pausedChanged(false);
}

void RunPlayer::standAt(int column)
{
    if (!run_)
        return;
    pause();
    if (column == run_->reached())
        return;
    run_->standAt(column);
    emit stoodAt(run_->reached());
}

void RunPlayer::finishNow()
{
    if (!run_)
        return;
    run_->standAt(scene::kLastColumn);
    end();
}

void RunPlayer::drop()
{
    timer_.stop();
    run_.reset();
    pacer_.reset();
    paused_ = false;
}

void RunPlayer::end()
{
    report_ = {pacer_->framesShown(), pacer_->sleeps()};
    raw_ = run_->takeRawIntensities();
    const bool wasPaused = paused_;
    drop();
    if (wasPaused)
        emit pausedChanged(false);
    emit ended();
}

} // namespace korvane
