// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// Holds back the user's input while a long handler runs and hands it back, in
// the order it came, when the handler ends. Input from the window system is
// already kept back by processing events with ExcludeUserInputEvents; this
// catches input that arrives as posted events (synthesised clicks and keys),
// which that flag lets through and which would otherwise run a handler nested
// inside the long one.

#include <QEvent>
#include <QObject>
#include <QPointer>

#include <memory>
#include <vector>

namespace korvane {

// Mouse, keys, wheel, touch, tablet: what a user does to the controls.
bool isUserInput(QEvent::Type type);

class HeldInput : public QObject
{
public:
    HeldInput();
    // Posts every held event back to its receiver, oldest first.
    ~HeldInput() override;

    HeldInput(const HeldInput &) = delete;
    HeldInput &operator=(const HeldInput &) = delete;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Held {
        QPointer<QObject> receiver;
        std::unique_ptr<QEvent> event;
    };
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
