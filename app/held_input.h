// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// Holds back the user's input while a Start run lasts and hands it back, in
// the order it came, when the run ends. The run draws in turns of the event
// loop, so the input from the window system and the input posted by scripts
// and tests all pass this filter; what the window lets through (the keys
// that pause and step the run, the context menu, and while paused whatever
// does not change the parameters) goes on at once.

#include <QEvent>
#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <vector>

namespace korvane {

// Mouse, keys, wheel, touch, tablet: what a user does to the controls.
bool isUserInput(QEvent::Type type);

class HeldInput : public QObject
{
public:
    // Says which input goes on at once, for the receiver it is on its way to.
    using Passes = std::function<bool(QObject *receiver, QEvent *event)>;

    explicit HeldInput(Passes passes);
    // Posts everything held back to its receiver, oldest first.
    ~HeldInput() override;

    HeldInput(const HeldInput &) = delete;
    HeldInput &operator=(const HeldInput &) = delete;

    // A call that waits in line with the input, made when the input is
    // handed back (a close request, which must not overtake the clicks made
    // before it).
    void holdCall(QObject *context, std::function<void()> call);
    std::size_t heldCount() const { return held_.size(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // An event to post back, or a call that makes and sends it in its turn.
    struct Held {
        QPointer<QObject> receiver;
        std::unique_ptr<QEvent> event;
        std::function<void()> call;
        bool plainMove;
    };
    Passes passes_;
    std::vector<Held> held_;
};

// Swallows every user input event for as long as it lives. Once the window
// has been unloaded, what the user did after Exit is still waiting in the
// queues, and none of it may run a handler of a window that has gone.
class DroppedInput : public QObject
{
public:
    DroppedInput();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace korvane
