// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// The small note in the window's lower left corner while a Start run stands
// paused: at which column, and which keys go on from there. It lies over the
// picture and is no part of it.

#include <QFont>
#include <QStringList>
#include <QWidget>

namespace korvane {

class PauseHint : public QWidget
{
    Q_OBJECT

public:
    explicit PauseHint(QWidget *parent);

    // The note for a run paused at `column` (kBeforeFirstColumn before the
    // first), one line each; what the title bar and a screen reader say too.
    static QStringList linesFor(int column);

    // Text grows with the zoom; `design` is the design's client area at the
    // zoom, in the parent's coordinates.
    void place(double zoom, QRect design);
    void showFor(int column);
    const QStringList &lines() const { return lines_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void fit();

    double zoom_ = 1.0;
    QRect design_;
    QFont font_;
    QFont boldFont_;
    QStringList lines_;
};

} // namespace korvane
