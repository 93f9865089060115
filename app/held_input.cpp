// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "held_input.h"

#include <QCoreApplication>
#include <QEvent>

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

HeldInput::HeldInput()
{
    QCoreApplication::instance()->installEventFilter(this);
}

HeldInput::~HeldInput()
{
    QCoreApplication::instance()->removeEventFilter(this);
    for (Held &held : held_)
        if (held.receiver)
            QCoreApplication::postEvent(held.receiver, held.event.release());
}

bool HeldInput::eventFilter(QObject *watched, QEvent *event)
{
    if (!isUserInput(event->type()))
        return false;
    held_.push_back({watched, std::unique_ptr<QEvent>(event->clone())});
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
