// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// The small panel that follows the pointer over the finished profile: the
// look-out of the column under it, its chain drawn large, and its numbers,
// which are also what a screen reader hears. It lies over the picture and
// is no part of it.

#include "look_out.h"
#include "overlay.h"

#include <QColor>
#include <QFont>
#include <QStringList>

#include <vector>

namespace korvane {

class LookOutPanel : public Overlay
{
    Q_OBJECT

public:
    explicit LookOutPanel(QWidget *parent);

    // A line said in a colour of its own.
    struct Line {
        QString text;
        QColor colour;
    };

    // Shows the look-out beside `pointer` (in the parent's coordinates),
    // moved so that it stays whole inside the parent, with `kept` last; the
    // far field's line where its curve is shown.
    void showAt(const RunLookOut &run, const LookOut &look, QPoint pointer, bool withFarField,
                const std::vector<Line> &kept = {});
    const QStringList &lines() const { return lines_; }

protected:
    // Text and chain grow with the window's zoom.
    void fit() override;
    void paintEvent(QPaintEvent *event) override;

private:
    QRect chainArea() const;
    int lineHeight() const;

    QFont font_;
    QFont boldFont_;
    QStringList lines_;
    // The colours of the last lines, the kept runs'.
    std::vector<QColor> keptColours_;
    LookOut look_;
    double longest_ = 0.0;
};

// The look-out's column on the screen line, when the keyboard chose it: a
// short upright stroke through the line and a small triangle under it,
// pointing up at the column. Over the picture, like the panel.
class ColumnMarker : public Overlay
{
    Q_OBJECT

public:
    explicit ColumnMarker(QWidget *parent);

    // `point` is the column on the screen line, in the parent's coordinates.
    void showAt(QPoint point);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace korvane
