// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "run_conductor.h"

#include "column_keys.h"
#include "controls.h"
#include "drawing_surface.h"
#include "held_input.h"
#include "phasor_model.h"
#include "touch_gestures.h"
#include "value_stores.h"
#include "wave_strip.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTouchEvent>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <utility>

namespace korvane {

namespace {

// Space pauses and resumes a run; while it stands, the column keys step it.
// Anything else is the controls' own.
bool isSweepKey(const QKeyEvent *key, bool paused)
{
    return key->key() == Qt::Key_Space || (paused && isColumnKey(key));
}

} // namespace

RunConductor::RunConductor(QWidget *window, Controls &controls, DrawingSurface &surface)
    : QObject(window)
    , window_(window)
    , controls_(controls)
    , surface_(surface)
    , player_(new RunPlayer(this))
{
    connect(player_, &RunPlayer::ended, this, &RunConductor::runEnded);
    connect(player_, &RunPlayer::pausedChanged, this, &RunConductor::pausedChanged);
    connect(player_, &RunPlayer::stoodAt, this, &RunConductor::stoodAt);
}

RunConductor::~RunConductor() = default;

void RunConductor::setRunClock(PaceClock &clock)
{
    player_->setClock(clock);
}

std::chrono::nanoseconds RunConductor::frameInterval() const
{
    if (frameInterval_.count() > 0)
        return frameInterval_;
    // As often as the display can show a frame, but never less than 50 a second.
    const QScreen *screen = window_->screen();
    const double hz = screen ? screen->refreshRate() : 60.0;
    const double seconds = std::clamp(1.0 / (hz > 0.0 ? hz : 60.0), 1.0 / 120.0, 1.0 / 50.0);
    return std::chrono::nanoseconds(std::llround(seconds * 1e9));
}

bool RunConductor::paused() const
{
    return running_ && player_->paused();
}

int RunConductor::runColumn() const
{
    return player_->reached();
}

void RunConductor::cmdStartClick()
{
    if (unloaded())
        return;
    if (paused()) {
        // Start again from the beginning: the run standing here is dropped,
        // what was held while it stood is acted on, then the new run starts
        // with whatever the controls hold by then.
        player_->drop();
        runUnderWay_.reset();
        afterRun();
        QMetaObject::invokeMethod(this, &RunConductor::cmdStartClick, Qt::QueuedConnection);
        return;
    }
    if (running_) {
        // Only a click made by code can get here during a run; it runs next,
        // as a user's click held back during the run does.
        ++startsPending_;
        return;
    }
    running_ = true;
    heldInput_ = std::make_unique<HeldInput>([this](QObject *receiver, QEvent *event) {
        const bool passes = passesDuringRun(receiver, event);
        if (!passes && !paused() && event->type() == QEvent::MouseButtonPress)
            emit heldBack(clickedControl(receiver, static_cast<const QMouseEvent *>(event))
                          == static_cast<const QWidget *>(controls_.cmdKonec));
        return passes;
    });
    // The run paints the scene over: what was said about the last one goes.
    if (runOnScreen_)
        emit paintingOver(*runOnScreen_, rawOnScreen_);
    runOnScreen_.reset();
    rawOnScreen_.clear();
    const RunParameters parameters = storedRunParameters(controls_);
    runUnderWay_.emplace(parameters.slitCountText, parameters.slitCount, parameters.frequency);
    emit started(*runUnderWay_);
    player_->start(parameters, surface_, frameInterval());
}

void RunConductor::runEnded()
{
    runOnScreen_ = std::move(runUnderWay_);
    runUnderWay_.reset();
    rawOnScreen_ = player_->takeRawIntensities();
    emit ended(*runOnScreen_);
    ShowRelativeFrequency(*controls_.nKmitočet, *controls_.nRelKmitočet, "#.##");
    afterRun();
}

void RunConductor::afterRun()
{
    running_ = false;
    lastRun_ = player_->report();
    emit stopped();
    // Handed back in order, a close request held among them; a Start clicked
    // by code during the run follows them.
    heldInput_.reset();
    for (; startsPending_ > 0; --startsPending_)
        QMetaObject::invokeMethod(this, &RunConductor::cmdStartClick, Qt::QueuedConnection);
    for (std::function<void()> &waiting : std::exchange(afterRun_, {}))
        QMetaObject::invokeMethod(this, std::move(waiting), Qt::QueuedConnection);
    emit runFinished();
}

void RunConductor::pauseOrResume()
{
    if (!running_)
        return;
    if (player_->paused())
        player_->resume();
    else
        player_->pause();
}

bool RunConductor::sweepKey(const QKeyEvent *key, double zoom)
{
    if (!running_ || !isSweepKey(key, paused()))
        return false;
    // The press acts; its release, and a key held down, do nothing more.
    if (key->type() != QEvent::KeyPress)
        return true;
    if (key->key() == Qt::Key_Space) {
        if (!key->isAutoRepeat())
            pauseOrResume();
    } else if (key->key() == Qt::Key_End) {
        player_->finishNow();
    } else if (const std::optional<int> to = columnStep(key, player_->reached(), zoom)) {
        player_->standAt(*to);
    }
    return true;
}

const RunLookOut *RunConductor::runShown() const
{
    if (runUnderWay_)
        return &*runUnderWay_;
    return runOnScreen_ ? &*runOnScreen_ : nullptr;
}

const RunLookOut *RunConductor::lookable() const
{
    if (running_)
        return paused() && player_->reached() >= scene::kFirstColumn && runUnderWay_ ? &*runUnderWay_ : nullptr;
    return runOnScreen_ ? &*runOnScreen_ : nullptr;
}

int RunConductor::lastLookable() const
{
    return running_ ? player_->reached() : scene::kLastColumn;
}

void RunConductor::command(std::function<void()> command)
{
    // Keys from the window system reach the shortcuts before any event
    // filter, so a command asked for while a run goes on is held back here,
    // as input is; a run that stands still does them at once.
    if (running_ && !paused())
        afterRun_.push_back(std::move(command));
    else
        command();
}

bool RunConductor::holdsClose()
{
    if (!running_ || paused())
        return false;
    // A run that goes on is not cut short: the window closes after its last
    // column, in its place among the input held meanwhile.
    heldInput_->holdCall(window_, [window = window_] { window->close(); });
    emit heldBack(true);
    return true;
}

void RunConductor::unload()
{
    // The program ends when control gets back to its event loop, and
    // whatever the user did after Exit, still queued, is dropped on the way;
    // a Start clicked after Exit would otherwise run unseen to its end.
    if (!droppedInput_)
        droppedInput_ = std::make_unique<DroppedInput>();
    if (running_) {
        // A run standing still has nothing left to wait for.
        player_->drop();
        runUnderWay_.reset();
        afterRun();
    }
}

bool RunConductor::onDrawing(const QTouchEvent *touch) const
{
    const QList<QEventPoint> &points = touch->points();
    return !points.isEmpty() && std::all_of(points.cbegin(), points.cend(), [this](const QEventPoint &point) {
        return window_->childAt(point.position().toPoint()) == static_cast<const QWidget *>(&surface_);
    });
}

bool RunConductor::isParameterControl(const QWidget *widget) const
{
    for (; widget && widget != window_; widget = widget->parentWidget())
        if (widget == controls_.nNomKmitočet || widget == controls_.HScrollKmitočet
            || widget == controls_.HScrollKmitocet20 || widget == controls_.HScrollSpomaleni)
            return true;
    return false;
}

const QWidget *RunConductor::clickedControl(const QObject *receiver, const QMouseEvent *mouse) const
{
    // The window system's press reaches the window first, then the control.
    if (receiver == static_cast<const QObject *>(window_->windowHandle()))
        return window_->childAt(mouse->position().toPoint());
    return receiver->isWidgetType() ? static_cast<const QWidget *>(receiver) : nullptr;
}

bool RunConductor::passesDuringRun(QObject *receiver, QEvent *event) const
{
    // The window system hands input to the window first, then to the control
    // it is for.
    const bool atWindow = receiver == static_cast<const QObject *>(window_->windowHandle());
    const QWidget *target = atWindow ? window_ : nullptr;
    if (receiver->isWidgetType())
        target = static_cast<const QWidget *>(receiver);
    // Input for another window (the context menu, a dialog) is that window's.
    if (!target || target->window() != window_)
        return true;
    switch (event->type()) {
    case QEvent::ContextMenu:
        // The menu, with Pause in it.
        return true;
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
        // A finger on the drawing: its long press opens the menu too. A
        // cancelled touch is let go at once, whatever it lay on.
        if (event->type() == QEvent::TouchCancel || onDrawing(static_cast<const QTouchEvent *>(event)))
            return true;
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: {
        const auto *mouse = static_cast<const QMouseEvent *>(event);
        const QWidget *under = atWindow ? window_->childAt(mouse->position().toPoint()) : target;
        if (mouse->button() == Qt::RightButton
            || (TouchGestures::byFinger(mouse) && under == static_cast<const QWidget *>(&surface_)))
            return true;
        break;
    }
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto *key = static_cast<const QKeyEvent *>(event);
        if (isSweepKey(key, paused()) || key->key() == Qt::Key_Menu)
            return true;
        if (paused() && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab))
            return true;
        break;
    }
    case QEvent::Wheel:
        if (paused() && (static_cast<const QWheelEvent *>(event)->modifiers() & Qt::ControlModifier))
            return true;
        break;
    default:
        break;
    }
    if (!paused())
        return false;
    // Standing still, the window is alive; only what would change the
    // parameters waits, judged at the control it reaches.
    return atWindow || !isParameterControl(target);
}

} // namespace korvane
