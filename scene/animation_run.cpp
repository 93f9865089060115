// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "animation_run.h"

#include "drawing_surface.h"
#include "phasor_model.h"
#include "twips.h"
#include "vector_state.h"
#include "wave_strip.h"

#include <algorithm>

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
// Line widths in pixels.
constexpr int kDiaphragmWidth = 3;
constexpr int kStubWidth = 2;
constexpr int kThinWidth = 1;

// Whatever the run clears, with half of a clearing line beyond its last row,
// lies on the surface, so a window enlarged past its design shows all of it.
static_assert(DrawingSurface::kLogicalSize.width() * kTwipsPerPixel >= kClearedRight);
static_assert(DrawingSurface::kLogicalSize.height() * kTwipsPerPixel
              >= kClearedBottom + kClearingLineWidth * kTwipsPerPixel / 2);
// The marks are kept by column, from the first.
static_assert(scene::kFirstColumn == 0 && kBeforeFirstColumn == scene::kFirstColumn - 1);

float twips(double value)
{
    return static_cast<float>(value);
}

// Asked once per bar: QRectF's own test is not inline.
bool overlap(const QRectF &a, const QRectF &b)
{
    return a.left() < b.right() && b.left() < a.right() && a.top() < b.bottom() && b.top() < a.bottom();
}

} // namespace

// The white stubs under the slits are drawn again in every column, N of them
// a column, which would be most of the run's drawing. Drawing a stub over its
// own earlier drawing changes no pixel, as long as nothing of another colour
// has been drawn over it since; so a stub is drawn again only then, and the
// finished picture is the same as if every stub had been drawn. Whether a
// drawing touched a stub is judged in twips, by what it may reach at any
// scale, so that the same calls are made at every zoom and ratio. Each change
// is logged with its column, so that going back restores what stood there.
class AnimationRun::SlitStubs
{
public:
    explicit SlitStubs(int count)
        : drawn_(static_cast<std::size_t>(count), false)
    {
        for (int J = 0; J < count; ++J) {
            const auto x = static_cast<float>(SlitX(J));
            reach_.push_back(
                DrawingSurface::reach(x, static_cast<float>(scene::kDiaphragmY), x, kStubBottom, kStubWidth));
            covering_ |= reach_.back();
        }
    }

    void draw(DrawingSurface &surface, int J, int P)
    {
        const auto j = static_cast<std::size_t>(J);
        if (drawn_[j])
            return;
        const auto x = static_cast<float>(SlitX(J));
        surface.line(x, static_cast<float>(scene::kDiaphragmY), x, kStubBottom, kWhite);
        drawn_[j] = true;
        log_.push_back({P, J, false});
    }

    // Every drawing in another colour made during the sweep reports here.
    void touched(const QRectF &reach, int P)
    {
        if (!overlap(reach, covering_))
            return;
        for (std::size_t j = 0; j < drawn_.size(); ++j)
            if (drawn_[j] && overlap(reach_[j], reach)) {
                drawn_[j] = false;
                log_.push_back({P, static_cast<int>(j), true});
            }
    }

    // As they stood once column P was drawn.
    void goBackTo(int P)
    {
        for (; !log_.empty() && log_.back().column > P; log_.pop_back())
            drawn_[static_cast<std::size_t>(log_.back().slit)] = log_.back().wasDrawn;
    }

private:
    struct Change {
        int column;
        int slit;
        bool wasDrawn;
    };
    // Per slit: whether its stub shows as drawn, and what drawing it may reach.
    std::vector<bool> drawn_;
    std::vector<QRectF> reach_;
    QRectF covering_;
    std::vector<Change> log_;
};

AnimationRun::AnimationRun(const RunParameters &parameters, DrawingSurface &surface)
    : parameters_(parameters)
    , surface_(surface)
    , slits_(PhasorCount(parameters.slitCount))
    , phasorLength_(PhasorLength(parameters.slitCountText))
    , scale_(IntensityScale(parameters.slitCountText, parameters.frequency))
    , ink_(surface.foregroundColour())
    , stubs_(std::make_unique<SlitStubs>(slits_))
{
    const QColor back = DrawingSurface::kBackColour;

    // Twips are the surface's only unit, so there is no scale mode to select.
    const std::uint64_t clearing = surface.drawingMark();
    surface.setLineWidth(kClearingLineWidth);
    for (int y = kClearedTop; y <= kClearedBottom; y += kClearingStep)
        surface.line(twips(kClearedLeft), twips(y), twips(kClearedRight), twips(y), back);
    surface.paintedOver(clearing,
                        QRectF(kClearedLeft, kClearedTop, kClearedRight - kClearedLeft, kClearedBottom - kClearedTop));
    surface.setLineWidth(kThinWidth);
    DrawIncidentWaveAxisAndCurve(surface, parameters.frequency);

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
    for (int J = 0; J < slits_; ++J)
        surface.circle(twips(SlitX(J)), twips(scene::kDiaphragmY), kSlitDiscRadius, back);

    marks_.reserve(static_cast<std::size_t>(scene::kLastColumn - scene::kFirstColumn + 2));
    raw_.reserve(static_cast<std::size_t>(scene::kLastColumn - scene::kFirstColumn + 1));
    marks_.push_back(surface.drawingMark());
}

AnimationRun::~AnimationRun() = default;

bool AnimationRun::sweptToTheEnd() const
{
    return reached_ >= scene::kLastColumn;
}

void AnimationRun::inked(double x1, double y1, double x2, double y2, int P)
{
    surface_.line(twips(x1), twips(y1), twips(x2), twips(y2), ink_);
    stubs_->touched(DrawingSurface::reach(twips(x1), twips(y1), twips(x2), twips(y2), kThinWidth), P);
}

void AnimationRun::drawColumn(int P)
{
    clearUpperVectorState();
    const double f = parameters_.frequency;
    const bool rays = P % scene::kRayEvery == 0;
    const bool chain = P % scene::kChainEvery == 0;
    const ChainPoint first{static_cast<double>(P), scene::kChainBaseY};
    ChainPoint point = first;
    for (int J = 0; J < slits_; ++J) {
        surface_.setLineWidth(kStubWidth);
        stubs_->draw(surface_, J, P);
        surface_.setLineWidth(kThinWidth);
        if (rays)
            surface_.line(twips(SlitX(J)), twips(scene::kDiaphragmY), twips(P), twips(scene::kScreenY), kWhite);
        const ChainPoint next = PhasorStep(point, J, P, f, phasorLength_);
        if (chain)
            inked(point.x, point.y, next.x, next.y, P);
        point = next;
    }
    raw_.push_back(RawIntensity(first, point));
    const double height = raw_.back() * scale_;
    inked(P, scene::kScreenY, P, scene::kScreenY - height, P);
}

void AnimationRun::drawNextColumn()
{
    if (sweptToTheEnd())
        return;
    drawColumn(++reached_);
    marks_.push_back(surface_.drawingMark());
}

void AnimationRun::standAt(int column)
{
    column = std::clamp(column, kBeforeFirstColumn, scene::kLastColumn);
    if (column < reached_) {
        const auto after = static_cast<std::size_t>(column + 1);
        surface_.takeBack(marks_[after]);
        marks_.resize(after + 1);
        raw_.resize(after);
        stubs_->goBackTo(column);
        reached_ = column;
        // What the sweep's own drawing leaves set, as at that column.
        surface_.setLineWidth(kThinWidth);
    }
    while (reached_ < column)
        drawNextColumn();
}

} // namespace korvane
