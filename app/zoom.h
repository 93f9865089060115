// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// The window's zoom: the steps a teacher moves through, and the design's
// rectangles and fonts at a zoom, as if the window had been designed that
// much larger.

#include <QRect>
#include <QSize>

#include <array>

namespace korvane {

inline constexpr std::array<double, 8> kZoomSteps{1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0, 4.0};

// The nearest step above or below `zoom`, which need not be a step itself (a
// full screen's); `zoom` when there is none.
double zoomStepAbove(double zoom);
double zoomStepBelow(double zoom);

// The largest zoom at which `design` fits into `area`.
double fittingZoom(QSize design, QSize area);

// A rectangle of the design (logical pixels at 100 %) at `zoom`. Each edge is
// rounded on its own, so controls that touch at 100 % still touch.
QRect zoomed(QRect design, double zoom);
QSize zoomed(QSize design, double zoom);
int zoomedPixelSize(int pixelSize, double zoom);

} // namespace korvane
