// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "held_input.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMouseEvent>

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
    held_.push_back({context, nullptr, std::move(call)});
}

namespace {

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
    if (movesWithoutButtons(event) && !held_.empty() && held_.back().receiver == watched && held_.back().event
        && movesWithoutButtons(held_.back().event.get())) {
        held_.back().event.reset(event->clone());
        return true;
    }
    held_.push_back({watched, std::unique_ptr<QEvent>(event->clone()), {}});
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
