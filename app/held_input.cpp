// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "held_input.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include <utility>

namespace korvane {

bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
        return true;
    default:
        return false;
    }
}

HeldInput::HeldInput(Passes passes)
    : passes_(std::move(passes))
{
    QCoreApplication::instance()->installEventFilter(this);
}

HeldInput::~HeldInput()
{
    QCoreApplication::instance()->removeEventFilter(this);
    // Posted in order, calls and events alike: the event queue keeps it.
    for (Held &held : held_) {
        if (!held.receiver)
            continue;
        if (held.call)
            QMetaObject::invokeMethod(held.receiver, std::move(held.call), Qt::QueuedConnection);
        else
            QCoreApplication::postEvent(held.receiver, held.event.release());
    }
}

void HeldInput::holdCall(QObject *context, std::function<void()> call)
{
    held_.push_back({context, nullptr, std::move(call), false});
}

namespace {

// A pointer event made by the toolkit keeps its positions in the pointing
// device's own point, which the next move of the pointer changes: a clone
// held back would be handed back where the pointer is by then. So a mouse or
// wheel event is held as its values, and made anew, with those values, just
// as its turn comes.
std::function<void()> resend(QObject *receiver, const QEvent *event)
{
    const QPointer<QObject> to(receiver);
    if (event->type() == QEvent::Wheel) {
        const auto *wheel = static_cast<const QWheelEvent *>(event);
        return [to, position = wheel->position(), global = wheel->globalPosition(), pixels = wheel->pixelDelta(),
                angle = wheel->angleDelta(), buttons = wheel->buttons(), modifiers = wheel->modifiers(),
                phase = wheel->phase(), inverted = wheel->inverted(), source = wheel->source(),
                device = wheel->pointingDevice()] {
            QWheelEvent again(position, global, pixels, angle, buttons, modifiers, phase, inverted, source, device);
            if (to)
                QCoreApplication::sendEvent(to, &again);
        };
    }
    const auto *mouse = static_cast<const QMouseEvent *>(event);
    return [to, type = mouse->type(), position = mouse->position(), scene = mouse->scenePosition(),
            global = mouse->globalPosition(), button = mouse->button(), buttons = mouse->buttons(),
            modifiers = mouse->modifiers(), device = mouse->pointingDevice()] {
        QMouseEvent again(type, position, scene, global, button, buttons, modifiers, device);
        if (to)
            QCoreApplication::sendEvent(to, &again);
    };
}

bool isMouseOrWheel(QEvent::Type type)
{
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease || type == QEvent::MouseButtonDblClick
           || type == QEvent::MouseMove || type == QEvent::Wheel;
}

bool movesWithoutButtons(const QEvent *event)
{
    return event->type() == QEvent::MouseMove && static_cast<const QMouseEvent *>(event)->buttons() == Qt::NoButton;
}

} // namespace

bool HeldInput::eventFilter(QObject *watched, QEvent *event)
{
    // A shortcut override only asks whether a key is a shortcut; the key
    // itself comes next and is judged then.
    if (!isUserInput(event->type()) || event->type() == QEvent::ShortcutOverride || passes_(watched, event))
        return false;
    // A pointer moved about during a long run leaves only where it ended up.
    const bool plainMove = movesWithoutButtons(event);
    if (plainMove && !held_.empty() && held_.back().receiver == watched && held_.back().plainMove) {
        held_.back().call = resend(watched, event);
        return true;
    }
    if (isMouseOrWheel(event->type()))
        held_.push_back({watched, nullptr, resend(watched, event), plainMove});
    else
        held_.push_back({watched, std::unique_ptr<QEvent>(event->clone()), {}, false});
    return true;
}

DroppedInput::DroppedInput()
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool DroppedInput::eventFilter(QObject *, QEvent *event)
{
    return isUserInput(event->type());
}

} // namespace korvane
