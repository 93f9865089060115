// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// What a widget is asked to paint, seen from outside it: how many paint
// events arrive and the region they cover together.

#include <QPaintEvent>
#include <QWidget>

namespace korvane::test {

class PaintSpy : public QObject
{
public:
    explicit PaintSpy(QWidget &watched) { watched.installEventFilter(this); }

    int count = 0;
    QRegion painted;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            ++count;
            painted += static_cast<QPaintEvent *>(event)->region();
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace korvane::test
