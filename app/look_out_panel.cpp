// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "look_out_panel.h"

#include "design.h"
#include "look_out_view.h"
#include "zoom.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace korvane {

namespace {

// Logical pixels at 100 %: the margin, the side of the chain's square, and
// how far the panel keeps from the pointer, clear of its arrow.
constexpr int kMargin = 6;
constexpr int kChainSide = 120;
constexpr int kPointerGap = 16;
// The lines above the chain: the run and the column.
constexpr int kLinesAbove = 2;
const QColor kResultant(0xC0, 0x00, 0x00);
// The column marker, in logical pixels at 100 %: how far its stroke rises
// above the screen line, how far its triangle reaches below, and its half width.
constexpr int kMarkerAbove = 14;
constexpr int kMarkerBelow = 12;
constexpr int kMarkerHalfWidth = 5;

} // namespace

LookOutPanel::LookOutPanel(QWidget *parent)
    : Overlay(parent, QStringLiteral("lookOut"), tr("Look-out"))
{
    LookOutPanel::fit();
}

void LookOutPanel::fit()
{
    font_ = smallFont(zoom());
    boldFont_ = font_;
    boldFont_.setBold(true);
}

int LookOutPanel::lineHeight() const
{
    return QFontMetrics(boldFont_).height();
}

QRect LookOutPanel::chainArea() const
{
    const int margin = zoomedPixelSize(kMargin, zoom());
    const int side = zoomedPixelSize(kChainSide, zoom());
    const int top = margin + kLinesAbove * lineHeight() + margin;
    return {(width() - side) / 2, top, side, side};
}

void LookOutPanel::showAt(const RunLookOut &run, const LookOut &look, QPoint pointer, bool withFarField,
                          const std::vector<Line> &kept)
{
    lines_ = lookOutLines(run, look, withFarField);
    keptColours_.clear();
    for (const Line &line : kept) {
        lines_ << line.text;
        keptColours_.push_back(line.colour);
    }
    look_ = look;
    longest_ = PhasorCount(run.slitCount()) * PhasorLength(run.slitCountText());

    const int margin = zoomedPixelSize(kMargin, zoom());
    int textWidth = 0;
    for (qsizetype i = 0; i < lines_.size(); ++i)
        textWidth = std::max(textWidth, QFontMetrics(i == 0 ? boldFont_ : font_).horizontalAdvance(lines_[i]));
    const int side = zoomedPixelSize(kChainSide, zoom());
    const QSize size(std::max(textWidth, side) + 2 * margin,
                     static_cast<int>(lines_.size()) * lineHeight() + side + 4 * margin);

    // Right of and below the pointer; where that leaves the window, on the other side.
    const int gap = zoomedPixelSize(kPointerGap, zoom());
    const QSize room = parentWidget()->size();
    int x = pointer.x() + gap;
    if (x + size.width() > room.width())
        x = pointer.x() - gap - size.width();
    int y = pointer.y() + gap;
    if (y + size.height() > room.height())
        y = pointer.y() - gap - size.height();
    x = std::clamp(x, 0, std::max(0, room.width() - size.width()));
    y = std::clamp(y, 0, std::max(0, room.height() - size.height()));

    setGeometry(QRect(QPoint(x, y), size));
    setAccessibleDescription(lines_.join(QLatin1Char('\n')));
    raise();
    show();
    update();
}

void LookOutPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor ink = palette().color(QPalette::Text);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    painter.setPen(ink);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    const int margin = zoomedPixelSize(kMargin, zoom());
    const QRect area = chainArea();
    int y = margin;
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        if (i == kLinesAbove)
            y = area.bottom() + 1 + margin;
        painter.setFont(i == 0 ? boldFont_ : font_);
        const qsizetype kept = i - (lines_.size() - static_cast<qsizetype>(keptColours_.size()));
        painter.setPen(kept >= 0 ? keptColours_[static_cast<std::size_t>(kept)] : ink);
        painter.drawText(QRect(margin, y, width() - 2 * margin, lineHeight()), Qt::AlignLeft | Qt::AlignVCenter,
                         lines_[i]);
        y += lineHeight();
    }
    drawLookOutChain(painter, area, look_, longest_, {ink, kResultant}, zoom());
}

ColumnMarker::ColumnMarker(QWidget *parent)
    : Overlay(parent, QStringLiteral("lookOutColumn"), tr("Look-out's column"))
{
}

void ColumnMarker::showAt(QPoint point)
{
    const int above = zoomedPixelSize(kMarkerAbove, zoom());
    const int below = zoomedPixelSize(kMarkerBelow, zoom());
    const int half = zoomedPixelSize(kMarkerHalfWidth, zoom());
    setGeometry(point.x() - half, point.y() - above, 2 * half + 1, above + below + 1);
    raise();
    show();
    update();
}

void ColumnMarker::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int above = zoomedPixelSize(kMarkerAbove, zoom());
    const int half = zoomedPixelSize(kMarkerHalfWidth, zoom());
    const int stroke = std::max(1, zoomedPixelSize(2, zoom()));
    // The stroke ends just below the line, the triangle's tip a pixel under that.
    painter.fillRect(QRect(half - stroke / 2, 0, stroke, above + 2), kResultant);
    const QPolygon triangle{QPoint(half, above + 3), QPoint(0, height() - 1), QPoint(2 * half, height() - 1)};
    painter.setPen(Qt::NoPen);
    painter.setBrush(kResultant);
    painter.drawPolygon(triangle);
}

} // namespace korvane
