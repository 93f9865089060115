// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "touch_gestures.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QScreen>
#include <QStyleHints>
#include <QTapAndHoldGesture>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <utility>

namespace korvane {

namespace {

bool within(const QObject *watched, const QWidget *window)
{
    return watched->isWidgetType() && static_cast<const QWidget *>(watched)->window() == window;
}

// The window's place for `wanted`, along each axis where its screen cannot
// hold it, as far as it shows no gap at the screen's edge; along an axis
// where it fits, it stays where it is.
QPoint panned(const QWidget *window, QPoint wanted)
{
    const QRect free = window->screen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    const auto axis = [](int want, int now, int start, int room, int size) {
        return size <= room ? now : std::clamp(want, start + room - size, start);
    };
    return {axis(wanted.x(), frame.x(), free.x(), free.width(), frame.width()),
            axis(wanted.y(), frame.y(), free.y(), free.height(), frame.height())};
}

} // namespace

TouchGestures::TouchGestures(QWidget *window, QWidget *drawing, std::function<bool(QPointF)> looksAt)
    : QObject(window)
    , window_(window)
    , drawing_(drawing)
    , looksAt_(std::move(looksAt))
{
    hold_.setSingleShot(true);
    connect(&hold_, &QTimer::timeout, this, [this] {
        panFrom_.reset();
        emit longPressed(pressedAt_);
    });
}

bool TouchGestures::byFinger(const QMouseEvent *event)
{
    const QPointingDevice *device = event->pointingDevice();
    return device && device->type() == QInputDevice::DeviceType::TouchScreen;
}

bool TouchGestures::filter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::TouchCancel:
        if (watched == window_->windowHandle()) {
            hold_.stop();
            panFrom_.reset();
            panning_ = false;
            emit cancelled();
        }
        return false;
    case QEvent::MouseButtonPress:
    // A finger put down again soon after it was lifted: Qt 6.8 hands the
    // widget a double click in place of the press.
    case QEvent::MouseButtonDblClick:
        if (within(watched, window_) && byFinger(static_cast<QMouseEvent *>(event)))
            press(watched, static_cast<QMouseEvent *>(event));
        return false;
    case QEvent::MouseMove:
        return within(watched, window_) && byFinger(static_cast<QMouseEvent *>(event))
               && move(static_cast<QMouseEvent *>(event));
    case QEvent::MouseButtonRelease: {
        if (!within(watched, window_))
            return false;
        const auto *release = static_cast<QMouseEvent *>(event);
        if (!byFinger(release))
            return false;
        if (release->source() == Qt::MouseEventNotSynthesized) {
            // Qt ends a touch the system has cancelled with a release of its
            // own where the finger was, which would click what it lies on; a
            // release far off lets the control go without a click.
            const QPointF away(-1e6, -1e6);
            QMouseEvent elsewhere(QEvent::MouseButtonRelease, away, away, away, release->button(), release->buttons(),
                                  release->modifiers(), Qt::MouseEventSynthesizedByQt, release->pointingDevice());
            QCoreApplication::sendEvent(watched, &elsewhere);
            return true;
        }
        hold_.stop();
        panFrom_.reset();
        return std::exchange(panning_, false);
    }
    default:
        return false;
    }
}

void TouchGestures::press(QObject *watched, const QMouseEvent *event)
{
    pressedAt_ = event->globalPosition().toPoint();
    panning_ = false;
    panFrom_.reset();
    // Where the finger looks, it may stay to read what it shows: neither a
    // long press nor a pan there.
    const bool free = watched == window_ || (watched == drawing_ && !looksAt_(event->position()));
    if (watched == drawing_ && free)
        hold_.start(QTapAndHoldGesture::timeout());
    // Only where no control takes the finger; and only a window its screen
    // cannot hold.
    const QScreen *screen = window_->screen();
    const bool larger = screen && !screen->availableGeometry().contains(window_->frameGeometry());
    if (larger && free)
        panFrom_ = window_->pos();
}

bool TouchGestures::move(const QMouseEvent *event)
{
    const QPoint moved = event->globalPosition().toPoint() - pressedAt_;
    if (moved.manhattanLength() < QGuiApplication::styleHints()->startDragDistance())
        return panning_;
    hold_.stop();
    if (!panFrom_)
        return false;
    panning_ = true;
    window_->move(panned(window_, *panFrom_ + moved));
    return true;
}

} // namespace korvane
