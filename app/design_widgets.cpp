// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "design_widgets.h"

#include <QKeyEvent>
#include <QWheelEvent>

#include <algorithm>

namespace korvane {

ParameterBar::ParameterBar(QWidget *parent)
    : QScrollBar(Qt::Horizontal, parent)
{
    setInvertedControls(false);
}

// Turning inverted controls off put the arrows right and flipped the page
// keys: on the design's platform PageDown moves a horizontal bar right, as
// Right does, and PageUp left.
void ParameterBar::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_PageDown || event->key() == Qt::Key_PageUp) {
        triggerAction(event->key() == Qt::Key_PageDown ? SliderPageStepAdd : SliderPageStepSub);
        event->accept();
        return;
    }
    QScrollBar::keyPressEvent(event);
}

void ParameterBar::wheelEvent(QWheelEvent *event)
{
    QWheelEvent flipped(event->position(), event->globalPosition(), -event->pixelDelta(), -event->angleDelta(),
                        event->buttons(), event->modifiers(), event->phase(), event->inverted(), event->source());
    QScrollBar::wheelEvent(&flipped);
    event->setAccepted(flipped.isAccepted());
}

OptionButton::OptionButton(const QString &caption, QWidget *frame)
    : QRadioButton(caption, frame)
{
}

void OptionButton::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    const bool forward = key == Qt::Key_Down || key == Qt::Key_Right;
    if (!forward && key != Qt::Key_Up && key != Qt::Key_Left) {
        QRadioButton::keyPressEvent(event);
        return;
    }
    event->accept();
    QList<OptionButton *> group = parentWidget()->findChildren<OptionButton *>(Qt::FindDirectChildrenOnly);
    std::sort(group.begin(), group.end(), [](const QWidget *a, const QWidget *b) { return a->x() < b->x(); });
    const qsizetype here = group.indexOf(this);
    OptionButton *next = group[(here + (forward ? 1 : group.size() - 1)) % group.size()];
    next->setFocus(Qt::OtherFocusReason);
    // A click, so that the selection runs its handler as a mouse click does.
    next->click();
}

} // namespace korvane
