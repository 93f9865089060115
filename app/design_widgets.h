// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// The two kinds of control whose keys and wheel Qt handles otherwise than the
// design's platform does: the parameter scroll bars and the slit-count option
// buttons.

#include <QRadioButton>
#include <QScrollBar>

namespace korvane {

// Qt 6.4 inverts a horizontal scroll bar's arrow keys to keep its wheel natural
// (Right moved the bar left). Here Right moves right, and the wheel turned
// towards the user still moves the bar right, as it scrolls text down.
class ParameterBar : public QScrollBar
{
public:
    explicit ParameterBar(QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
};

// In the group every arrow key moves the selection, as on the design's
// platform: Down and Right to the next button, Up and Left to the previous
// one, round at the ends. Qt's own arrows go only where a button lies in the
// arrow's direction, so Up and Down did nothing and Right stopped at the end.
// Q_OBJECT so that the group finds its buttons by their class: without it a
// search for OptionButton children found every radio button in the frame.
class OptionButton : public QRadioButton
{
    Q_OBJECT

public:
    OptionButton(const QString &caption, QWidget *frame);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace korvane
