// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// What a finger does on the window beyond a mouse's click. Qt turns a touch
// that no control takes into the mouse's press, moves and release, which the
// controls take as clicks and the drawing as the look-out's pointer. Beyond
// that: a finger held still on the drawing opens the window's menu (a long
// press, timed as Qt's tap-and-hold gesture times it), but where it looks at
// the profile, to be read as long as it stays; a finger drawn across a
// window larger than its screen, where nothing else takes it, pans the
// window; and a touch the system cancels (an edge swipe, a call coming in)
// leaves no control pressed and clicks none.

#include <QObject>
#include <QPoint>
#include <QPointF>
#include <QTimer>

#include <functional>
#include <optional>

class QEvent;
class QMouseEvent;
class QWidget;

namespace korvane {

class TouchGestures : public QObject
{
    Q_OBJECT

public:
    // `looksAt` says whether the drawing takes a finger at a point of its
    // own for the look-out, where the finger looks rather than pans.
    TouchGestures(QWidget *window, QWidget *drawing, std::function<bool(QPointF)> looksAt);

    // From the window's application event filter; true when the event was
    // the gesture's alone.
    bool filter(QObject *watched, QEvent *event);
    // Whether a mouse event is a finger's, made by Qt from a touch.
    static bool byFinger(const QMouseEvent *event);

signals:
    void longPressed(QPoint globalPos);
    // The system has cancelled a touch, and Qt has ended it.
    void cancelled();

private:
    void press(QObject *watched, const QMouseEvent *event);
    bool move(const QMouseEvent *event);

    QWidget *window_;
    QWidget *drawing_;
    std::function<bool(QPointF)> looksAt_;
    QTimer hold_;
    QPoint pressedAt_;
    // Where the window stood when a finger that may pan it went down.
    std::optional<QPoint> panFrom_;
    bool panning_ = false;
};

} // namespace korvane
