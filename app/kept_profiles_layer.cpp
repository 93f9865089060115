// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "kept_profiles_layer.h"

#include "design.h"
#include "drawing_surface.h"
#include "locale_text.h"
#include "twips.h"
#include "wave_strip.h"
#include "zoom.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <climits>
#include <cmath>

namespace korvane {

namespace {

// The legend's corner, in the design's logical pixels: at the top of the
// profile, under the lowest the Cornu spirals hang and over all but the
// tallest bars, left of the far-field curve's caption.
constexpr QPoint kLegendCorner{4, 282};
// Logical pixels at 100 %: the box's margin, a sample of the line, and the
// gaps after a sample and between entries.
constexpr int kLegendMargin = 3;
constexpr int kSampleLength = 16;
constexpr int kSampleGap = 4;
constexpr int kEntryGap = 12;

int slits(const RunLookOut &run)
{
    return static_cast<int>(std::lround(run.slitCount()));
}

} // namespace

QColor keptColour(int colour)
{
    static const QColor colours[] = {QColor(0xD5, 0x5E, 0x00), QColor(0x00, 0x72, 0xB2), QColor(0x00, 0x9E, 0x73)};
    return colours[std::clamp(colour, 0, static_cast<int>(std::size(colours)) - 1)];
}

QString keptRunName(const RunLookOut &run)
{
    //: A kept run in the legend and the look-out: its slit count, and its frequency as the read-out and the frequency.
    return QCoreApplication::translate("KeptProfiles", "%n slits, %1", "", slits(run)).arg(frequencyName(run.frequency()));
}

QString keptDataHeader(const RunLookOut &run)
{
    //: The header of a kept run's column in the profile data.
    return QCoreApplication::translate("KeptProfiles", "%1: intensity (% of its largest)").arg(keptRunName(run));
}

QString keptLookOutLine(const KeptProfile &kept, int P)
{
    //: %1 names a kept run, as the legend does; %2 is its intensity at the look-out's column.
    return QCoreApplication::translate("KeptProfiles", "%1: %2 % of its largest")
        .arg(keptRunName(kept.run), formatQNumber(kept.intensityAt(P) * 100.0, "0.0"));
}

KeptProfilesLayer::KeptProfilesLayer(QWidget *parent)
    : Overlay(parent, QStringLiteral("keptProfiles"), tr("Kept profiles"))
{
}

void KeptProfilesLayer::setProfiles(const std::vector<KeptProfile> &profiles)
{
    profiles_ = profiles;
    legend_.clear();
    for (const KeptProfile &kept : profiles_)
        legend_ << keptRunName(kept.run);
    setAccessibleDescription(legend_.join(QLatin1Char('\n')));
    outline(false);
    update();
    setVisible(!profiles_.empty());
}

void KeptProfilesLayer::fit()
{
    const double zoom = this->zoom();
    setGeometry(QRect(design().topLeft(), zoomed(DrawingSurface::kLogicalSize, zoom)));
    font_ = smallFont(zoom);
    outline(true);
    update();
}

void KeptProfilesLayer::outline(bool scaleChanged)
{
    ratio_ = devicePixelRatioF();
    const double scale = zoom() * ratio_;
    const int columns = static_cast<int>(std::ceil(DrawingSurface::kLogicalSize.width() * scale));
    const int rows = static_cast<int>(std::ceil(DrawingSurface::kLogicalSize.height() * scale));
    const int thickness = std::max(1, static_cast<int>(std::lround(scale)));
    std::vector<Outline> outlines;
    for (const KeptProfile &kept : profiles_) {
        const auto drawn = std::find_if(outlines_.begin(), outlines_.end(),
                                        [&kept](const Outline &outline) { return outline.serial == kept.serial; });
        if (!scaleChanged && drawn != outlines_.end()) {
            outlines.push_back(std::move(*drawn));
            continue;
        }
        // The topmost pixel the run's bars set in each device column, found
        // as the surface finds them, from the same numbers.
        std::vector<int> tops(static_cast<std::size_t>(columns), INT_MAX);
        for (int P = scene::kFirstColumn; P <= scene::kLastColumn; ++P) {
            const QRect bar = DrawingSurface::uprightLinePixels(
                static_cast<float>(P), static_cast<float>(scene::kScreenY),
                static_cast<float>(scene::kScreenY - kept.heightAt(P)), scale);
            for (int x = std::max(bar.left(), 0); !bar.isEmpty() && x <= std::min(bar.right(), columns - 1); ++x)
                tops[static_cast<std::size_t>(x)] = std::min(tops[static_cast<std::size_t>(x)], bar.top());
        }
        // A line the pen's width deep along the tops, reaching down beside a
        // steep flank to meet its neighbour, so that it never breaks.
        Outline outline{kept.serial, keptColour(kept.colour), std::vector<std::pair<int, int>>(tops.size(), {0, -1})};
        for (std::size_t x = 0; x < tops.size(); ++x) {
            if (tops[x] == INT_MAX)
                continue;
            int last = tops[x] + thickness - 1;
            for (const std::size_t beside : {x - 1, x + 1})
                if (beside < tops.size() && tops[beside] != INT_MAX)
                    last = std::max(last, tops[beside] - 1);
            outline.rows[x] = {std::max(tops[x], 0), std::min(last, rows - 1)};
        }
        outlines.push_back(std::move(outline));
    }
    outlines_ = std::move(outlines);
}

QRect KeptProfilesLayer::legendArea() const
{
    if (legend_.isEmpty())
        return {};
    const double zoom = this->zoom();
    const QFontMetrics metrics(font_);
    int width = 0;
    for (const QString &name : legend_)
        width += zoomedPixelSize(kSampleLength + kSampleGap, zoom) + metrics.horizontalAdvance(name);
    width += zoomedPixelSize(kEntryGap, zoom) * (static_cast<int>(legend_.size()) - 1)
             + 2 * zoomedPixelSize(kLegendMargin, zoom);
    const QPoint corner(static_cast<int>(std::lround(kLegendCorner.x() * zoom)),
                        static_cast<int>(std::lround(kLegendCorner.y() * zoom)));
    return {corner, QSize(width, metrics.height() + 2 * zoomedPixelSize(kLegendMargin, zoom))};
}

void KeptProfilesLayer::paintEvent(QPaintEvent *event)
{
    if (ratio_ != devicePixelRatioF())
        outline(true);
    QPainter painter(this);
    {
        // In device pixels, one to one with the picture's.
        painter.save();
        painter.setWorldTransform(QTransform::fromScale(1.0 / ratio_, 1.0 / ratio_));
        const QRect area(QPoint(static_cast<int>(std::floor(event->rect().left() * ratio_)),
                                static_cast<int>(std::floor(event->rect().top() * ratio_))),
                         QPoint(static_cast<int>(std::ceil((event->rect().right() + 1) * ratio_)),
                                static_cast<int>(std::ceil((event->rect().bottom() + 1) * ratio_))));
        for (const Outline &outline : outlines_) {
            const int from = std::max(area.left(), 0);
            const int to = std::min(area.right(), static_cast<int>(outline.rows.size()) - 1);
            // Columns alike side by side in one rectangle: at a higher zoom a
            // bar's top spans several.
            for (int x = from, next = from; x <= to; x = next) {
                const auto [first, last] = outline.rows[static_cast<std::size_t>(x)];
                while (++next <= to && outline.rows[static_cast<std::size_t>(next)] == std::pair(first, last)) { }
                if (first <= last && last >= area.top() && first <= area.bottom())
                    painter.fillRect(QRect(x, first, next - x, last - first + 1), outline.colour);
            }
        }
        painter.restore();
    }

    const QRect legend = legendArea();
    if (!legend.intersects(event->rect()))
        return;
    const double zoom = this->zoom();
    const QColor ink = palette().color(QPalette::Text);
    // Framed by filling, which stays inside the box at any ratio.
    painter.fillRect(legend, ink);
    painter.fillRect(legend.adjusted(1, 1, -1, -1), palette().color(QPalette::Base));
    painter.setFont(font_);
    const QFontMetrics metrics(font_);
    const int thickness = std::max(1, zoomedPixelSize(2, zoom));
    int x = legend.left() + zoomedPixelSize(kLegendMargin, zoom);
    const QRect line(x, legend.top() + zoomedPixelSize(kLegendMargin, zoom), 0, metrics.height());
    for (std::size_t i = 0; i < profiles_.size(); ++i) {
        const QColor colour = keptColour(profiles_[i].colour);
        const int sample = zoomedPixelSize(kSampleLength, zoom);
        painter.fillRect(QRect(x, line.center().y() - thickness / 2, sample, thickness), colour);
        x += sample + zoomedPixelSize(kSampleGap, zoom);
        const QString &name = legend_[static_cast<qsizetype>(i)];
        painter.setPen(colour);
        painter.drawText(QRect(x, line.top(), metrics.horizontalAdvance(name), line.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, name);
        x += metrics.horizontalAdvance(name) + zoomedPixelSize(kEntryGap, zoom);
    }
}

} // namespace korvane
