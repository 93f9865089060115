// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "zoom.h"

#include <algorithm>
#include <cmath>

namespace korvane {

namespace {

// Zooms come from a fit to a screen as well as from the steps; a hair's
// difference is the same zoom.
constexpr double kSameZoom = 1e-9;

int edge(int pixels, double zoom)
{
    return static_cast<int>(std::lround(pixels * zoom));
}

} // namespace

double zoomStepAbove(double zoom)
{
    const auto *step = std::find_if(kZoomSteps.begin(), kZoomSteps.end(),
                                    [zoom](double s) { return s > zoom + kSameZoom; });
    return step == kZoomSteps.end() ? zoom : *step;
}

double zoomStepBelow(double zoom)
{
    const auto step = std::find_if(kZoomSteps.rbegin(), kZoomSteps.rend(),
                                   [zoom](double s) { return s < zoom - kSameZoom; });
    return step == kZoomSteps.rend() ? zoom : *step;
}

double fittingZoom(QSize design, QSize area)
{
    if (design.isEmpty() || area.isEmpty())
        return 1.0;
    return std::min(static_cast<double>(area.width()) / design.width(),
                    static_cast<double>(area.height()) / design.height());
}

QRect zoomed(QRect design, double zoom)
{
    const int left = edge(design.left(), zoom);
    const int top = edge(design.top(), zoom);
    return {left, top, edge(design.left() + design.width(), zoom) - left,
            edge(design.top() + design.height(), zoom) - top};
}

QSize zoomed(QSize design, double zoom)
{
    return {edge(design.width(), zoom), edge(design.height(), zoom)};
}

int zoomedPixelSize(int pixelSize, double zoom)
{
    return std::max(1, edge(pixelSize, zoom));
}

} // namespace korvane
