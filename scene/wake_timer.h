// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// Wakes the Start run after a wait, to the millisecond or better, without
// keeping the processor busy meanwhile: the event loop does the waiting.
// Qt's precise timer does that on Linux. On Windows it is the multimedia
// timer, which under Wine kept a third of a core busy through a paced run;
// there the event loop waits for a high-resolution waitable timer instead
// (Windows 10 1803 and later), which changes nothing for other programs.

#include <QObject>
#include <QTimer>

#include <chrono>

class QWinEventNotifier;

namespace korvane {

class WakeTimer : public QObject
{
    Q_OBJECT

public:
    explicit WakeTimer(QObject *parent = nullptr);
    ~WakeTimer() override;

    // Fires once, after `wait`; a wait of zero in the event loop's next turn.
    void start(std::chrono::nanoseconds wait);
    void stop();

signals:
    void timeout();

private:
    QTimer timer_;
#ifdef _WIN32
    void *waitable_ = nullptr;
    QWinEventNotifier *notifier_ = nullptr;
#endif
};

} // namespace korvane
