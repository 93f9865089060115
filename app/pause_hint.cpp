// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "pause_hint.h"

#include "design.h"
#include "locale_text.h"
#include "zoom.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace korvane {

namespace {

// Logical pixels at 100 %: the margin inside, and the gap to the design's edges.
constexpr int kMargin = 4;
constexpr int kGap = 3;

} // namespace

PauseHint::PauseHint(QWidget *parent)
    : Overlay(parent, QStringLiteral("pauseHint"), tr("Paused"))
{
    PauseHint::fit();
}

QStringList PauseHint::linesFor(int column)
{
    QStringList lines;
    lines << (column < 0 ? tr("Paused before the first column")
                         //: A column of the screen line, by its x in twips, as the look-out names it.
                         : tr("Paused at column x = %1 twips").arg(wholeNumberQText(column)));
    lines << tr("Space: go on.  Home, End: the first column, the end.");
    lines << tr("Left, Right: a chain back or on; with Shift, a pixel.");
    return lines;
}

void PauseHint::showFor(int column)
{
    showNote(linesFor(column));
}

void PauseHint::showNote(const QStringList &lines)
{
    lines_ = lines;
    setAccessibleDescription(lines_.join(QLatin1Char('\n')));
    fit();
    raise();
    show();
    update();
}

void PauseHint::fit()
{
    font_ = smallFont(zoom());
    boldFont_ = font_;
    boldFont_.setBold(true);
    const int margin = zoomedPixelSize(kMargin, zoom());
    int width = 0;
    for (qsizetype i = 0; i < lines_.size(); ++i)
        width = std::max(width, QFontMetrics(i == 0 ? boldFont_ : font_).horizontalAdvance(lines_[i]));
    const int lineHeight = QFontMetrics(boldFont_).height();
    const QSize size(width + 2 * margin, static_cast<int>(lines_.size()) * lineHeight + 2 * margin);
    const int gap = zoomedPixelSize(kGap, zoom());
    setGeometry(QRect(QPoint(design().left() + gap, design().bottom() + 1 - gap - size.height()), size));
}

void PauseHint::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    painter.setPen(palette().color(QPalette::Text));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    const int margin = zoomedPixelSize(kMargin, zoom());
    const int lineHeight = QFontMetrics(boldFont_).height();
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        painter.setFont(i == 0 ? boldFont_ : font_);
        painter.drawText(QRect(margin, margin + static_cast<int>(i) * lineHeight, width() - 2 * margin, lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, lines_[i]);
    }
}

} // namespace korvane
