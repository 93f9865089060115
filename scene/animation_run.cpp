// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "animation_run.h"

#include "drawing_surface.h"
#include "pacer.h"
#include "phasor_model.h"
#include "twips.h"
#include "vector_state.h"
#include "wave_strip.h"

#include <optional>
#include <vector>

namespace korvane {

namespace {

const QColor kWhite(0xFF, 0xFF, 0xFF);

// The band the run paints grey first: 10-pixel lines 10 twips apart, over the
// scene and everything the window shows below the strip.
constexpr int kClearedLeft = 0;
constexpr int kClearedRight = 12000;
constexpr int kClearedTop = 1000;
constexpr int kClearedBottom = 9000;
constexpr int kClearingStep = 10;
constexpr int kClearingLineWidth = 10;
// The white stubs run from the diaphragm down to here.
constexpr float kStubBottom = 8500.0f;
// The grey discs that cut the slits into the diaphragm line.
constexpr float kSlitDiscRadius = 50.0f;
// Rays are drawn every 100 twips of the screen, chains every 200.
constexpr int kRayEvery = 100;
constexpr int kChainEvery = 200;
// Line widths in pixels.
constexpr int kDiaphragmWidth = 3;
constexpr int kStubWidth = 2;
constexpr int kThinWidth = 1;

// Whatever the run clears, with half of a clearing line beyond its last row,
// lies on the surface, so a window enlarged past its design shows all of it.
static_assert(DrawingSurface::kLogicalSize.width() * kTwipsPerPixel >= kClearedRight);
static_assert(DrawingSurface::kLogicalSize.height() * kTwipsPerPixel
              >= kClearedBottom + kClearingLineWidth * kTwipsPerPixel / 2);

// The white stubs under the slits are drawn again in every column, N of them
// a column, which would be most of the run's drawing. Drawing a stub over its
// own earlier drawing changes no pixel, as long as nothing of another colour
// has been drawn over it since; so a stub is drawn again only then, and the
// finished picture is the same as if every stub had been drawn. Whether a
// drawing touched a stub is judged in twips, by what it may reach at any
// scale, so that the same calls are made at every zoom and ratio.
class SlitStubs
{
    // Asked once per bar: QRectF's own test is not inline.
    static bool overlap(const QRectF &a, const QRectF &b)
    {
        return a.left() < b.right() && b.left() < a.right() && a.top() < b.bottom() && b.top() < a.bottom();
    }

public:
    explicit SlitStubs(int count)
        : drawn_(static_cast<std::size_t>(count))
    {
    }

    void draw(DrawingSurface &surface, int J)
    {
        std::optional<QRectF> &drawn = drawn_[static_cast<std::size_t>(J)];
        if (drawn)
            return;
        const auto x = static_cast<float>(SlitX(J));
        const auto top = static_cast<float>(scene::kDiaphragmY);
        surface.line(x, top, x, kStubBottom, kWhite);
        drawn = DrawingSurface::reach(x, top, x, kStubBottom, surface.lineWidth());
        covering_ |= *drawn;
    }

    // Every drawing in another colour made during the sweep reports here.
    void touched(QRectF reach)
    {
        if (!overlap(reach, covering_))
            return;
        for (std::optional<QRectF> &drawn : drawn_)
            if (drawn && overlap(*drawn, reach))
                drawn.reset();
    }

private:
    // Per slit, what its last stub may have reached; none when it must be drawn.
    std::vector<std::optional<QRectF>> drawn_;
    QRectF covering_;
};

float twips(double value)
{
    return static_cast<float>(value);
}

} // namespace

RunReport RunAnimation(const RunParameters &parameters, DrawingSurface &surface, PaceClock &clock,
                       std::chrono::nanoseconds frameInterval)
{
    const QColor back = DrawingSurface::kBackColour;
    const QColor ink = surface.foregroundColour();

    // Twips are the surface's only unit, so there is no scale mode to select.
    const std::size_t clearing = surface.drawingMark();
    surface.setLineWidth(kClearingLineWidth);
    for (int y = kClearedTop; y <= kClearedBottom; y += kClearingStep)
        surface.line(twips(kClearedLeft), twips(y), twips(kClearedRight), twips(y), back);
    surface.paintedOver(clearing,
                        QRectF(kClearedLeft, kClearedTop, kClearedRight - kClearedLeft, kClearedBottom - kClearedTop));
    surface.setLineWidth(kThinWidth);
    const double f = parameters.frequency;
    DrawIncidentWaveAxisAndCurve(surface, f);

    const int slits = PhasorCount(parameters.slitCount);
    const double L = PhasorLength(parameters.slitCountText);
    const double scale = IntensityScale(parameters.slitCountText, f);

    surface.setLineWidth(kDiaphragmWidth);
    surface.line(twips(scene::kDiaphragmLeft), twips(scene::kDiaphragmY), twips(scene::kDiaphragmRight),
                 twips(scene::kDiaphragmY));
    surface.setLineWidth(kThinWidth);
    const auto screenEnd = twips(scene::kLastColumn);
    surface.line(twips(scene::kFirstColumn), twips(scene::kScreenY), screenEnd, twips(scene::kScreenY));
    surface.line(twips(scene::kFirstColumn), twips(scene::kChainBaseY), screenEnd, twips(scene::kChainBaseY));
    surface.setFillColour(back);
    surface.setFillStyle(DrawingSurface::FillStyle::Solid);
    // Grey discs cut the slits into the diaphragm line.
    for (int J = 0; J < slits; ++J)
        surface.circle(twips(SlitX(J)), twips(scene::kDiaphragmY), kSlitDiscRadius, back);

    Pacer pacer(clock, parameters.slowDown, frameInterval, [&surface] { surface.flush(); });
    SlitStubs stubs(slits);
    const auto inked = [&](double x1, double y1, double x2, double y2) {
        surface.line(twips(x1), twips(y1), twips(x2), twips(y2), ink);
        stubs.touched(DrawingSurface::reach(twips(x1), twips(y1), twips(x2), twips(y2), kThinWidth));
    };
    for (int P = scene::kFirstColumn; P <= scene::kLastColumn; ++P) {
        clearUpperVectorState();
        const bool rays = P % kRayEvery == 0;
        const bool chain = P % kChainEvery == 0;
        const ChainPoint first{static_cast<double>(P), scene::kChainBaseY};
        ChainPoint point = first;
        for (int J = 0; J < slits; ++J) {
            surface.setLineWidth(kStubWidth);
            stubs.draw(surface, J);
            surface.setLineWidth(kThinWidth);
            if (rays)
                surface.line(twips(SlitX(J)), twips(scene::kDiaphragmY), twips(P), twips(scene::kScreenY), kWhite);
            const ChainPoint next = PhasorStep(point, J, P, f, L);
            if (chain)
                inked(point.x, point.y, next.x, next.y);
            point = next;
        }
        const double height = RawIntensity(first, point) * scale;
        inked(P, scene::kScreenY, P, scene::kScreenY - height);
        pacer.columnDone();
    }
    pacer.finish();
    return {pacer.framesShown(), pacer.sleeps()};
}

} // namespace korvane
