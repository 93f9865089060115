// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// The Start run's conductor: Start's click handler, which reads the value
// stores and starts the run; pausing and stepping it by keys and the menu;
// the user's input held while it lasts, and the commands and Starts that wait
// for its end; and the run whose profile is on screen once it has ended.

#include "look_out.h"
#include "run_player.h"

#include <QObject>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QEvent;
class QKeyEvent;
class QMouseEvent;
class QTouchEvent;
class QWidget;

namespace korvane {

struct Controls;
class DrawingSurface;
class DroppedInput;
class HeldInput;

class RunConductor : public QObject
{
    Q_OBJECT

public:
    // Runs on `surface` with what `controls` hold; `window` is the one whose
    // input waits during a run.
    RunConductor(QWidget *window, Controls &controls, DrawingSurface &surface);
    ~RunConductor() override;

    // The Start run keeps time by this clock (the machine's, unless a test
    // puts in its own) and shows frames at this interval (by default the
    // screen's refresh interval, between 1/120 and 1/50 second).
    void setRunClock(PaceClock &clock);
    void setFrameInterval(std::chrono::nanoseconds interval) { frameInterval_ = interval; }
    std::chrono::nanoseconds frameInterval() const;

    // Start's click handler: reads the value stores and starts the animation
    // with what they hold; the read-out is written when its sweep ends.
    void cmdStartClick();

    // From Start until the sweep's end, paused or not.
    bool running() const { return running_; }
    bool paused() const;
    // The last column the run under way has drawn.
    int runColumn() const;
    // Space: pauses a run that goes on, resumes one that stands.
    void pauseOrResume();
    // The keys that pause and step a run, the pixel steps at `zoom`; true
    // when the key was one.
    bool sweepKey(const QKeyEvent *key, double zoom);
    const RunReport &lastRun() const { return lastRun_; }

    // The finished run whose profile is on screen, until the next run paints
    // the scene over; none before the first.
    const std::optional<RunLookOut> &runOnScreen() const { return runOnScreen_; }
    // The run being swept, else the one on screen; none before the first.
    const RunLookOut *runShown() const;
    // The run the look-out can look at, finished or paused, and its last
    // column drawn.
    const RunLookOut *lookable() const;
    int lastLookable() const;

    // A command of the window's menu or shortcuts, which waits for a run to
    // end, as input during a run does.
    void command(std::function<void()> command);
    // A close request for a run that goes on waits in its place among the
    // held input, and the window closes after the run; true when held.
    bool holdsClose();
    // Closed by Exit or through the window frame: nothing runs any more, and
    // a run standing still is dropped.
    void unload();
    bool unloaded() const { return droppedInput_ != nullptr; }

signals:
    // Start is about to paint the scene over the finished run on screen,
    // whose bars had these raw intensities, column by column.
    void paintingOver(const RunLookOut &finished, const std::vector<double> &raw);
    // Start has painted the scene; the sweep of `run` begins.
    void started(const RunLookOut &run);
    // The sweep has reached its end, and `run` is on screen.
    void ended(const RunLookOut &run);
    // No run goes on any more, ended or dropped; its held input is about to
    // be handed back.
    void stopped();
    void pausedChanged(bool paused);
    // Paused, or stood at another column while paused.
    void stoodAt(int column);
    // After each Start run, once its held input has been handed back.
    void runFinished();
    // A click, or Exit or a close through the frame, waits for the run that
    // goes on to end.
    void heldBack(bool exit);

private:
    void runEnded();
    // After a run, ended or dropped: its held input handed back, in order.
    void afterRun();
    // What goes on at once during a run; the rest waits for its end.
    bool passesDuringRun(QObject *receiver, QEvent *event) const;
    // The control a press is for, whether it reached the window or the control.
    const QWidget *clickedControl(const QObject *receiver, const QMouseEvent *mouse) const;
    bool isParameterControl(const QWidget *widget) const;
    // Every point of `touch` on the drawing, where no control lies.
    bool onDrawing(const QTouchEvent *touch) const;

    QWidget *window_;
    Controls &controls_;
    DrawingSurface &surface_;
    RunPlayer *player_;
    std::chrono::nanoseconds frameInterval_{0};
    bool running_ = false;
    int startsPending_ = 0;
    RunReport lastRun_;
    std::unique_ptr<HeldInput> heldInput_;
    std::unique_ptr<DroppedInput> droppedInput_;
    std::vector<std::function<void()>> afterRun_;
    std::optional<RunLookOut> runOnScreen_;
    std::vector<double> rawOnScreen_;
    std::optional<RunLookOut> runUnderWay_;
};

} // namespace korvane
