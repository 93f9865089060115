// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// The small note in the window's lower left corner while a Start run stands
// paused: at which column, and which keys go on from there. It lies over the
// picture and is no part of it.

#include "overlay.h"

#include <QFont>
#include <QStringList>

namespace korvane {

class PauseHint : public Overlay
{
    Q_OBJECT

public:
    explicit PauseHint(QWidget *parent);

    // The note for a run paused at `column` (kBeforeFirstColumn before the
    // first), one line each; what the title bar and a screen reader say too.
    static QStringList linesFor(int column);

    void showFor(int column);
    // Another note in the same place and manner, its first line bold: what
    // the window holds back during a run, a zoom step it cannot take.
    void showNote(const QStringList &lines);
    const QStringList &lines() const { return lines_; }

protected:
    // In the design's lower left corner; its text grows with the zoom.
    void fit() override;
    void paintEvent(QPaintEvent *event) override;

private:
    QFont font_;
    QFont boldFont_;
    QStringList lines_;
};

} // namespace korvane
