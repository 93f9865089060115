// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "look_out.h"

#include "far_field.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace korvane {

namespace {

// Far enough either side for any order the grating equation allows on a
// screen 837000 twips away, short of those beyond 84 degrees.
constexpr double kOrderSearch = 1e7;
// How far the screen acts as if it lay: the path length's fixed term.
constexpr double kDistance = scene::kDistanceFactor * scene::kScreenY - scene::kDiaphragmY;
constexpr int kBisections = 100;
// More orders than the screen has pixels cannot be told apart; only a
// frequency that no scroll bar gives comes near either bound.
constexpr double kMostOrders = 1000.0;
constexpr double kHighestOrder = 1e6;
// The frequency bars go up to 200; the brightest column is searched for
// among every kSampling-th column up to there.
constexpr double kLargestDesignedFrequency = 200.0;
constexpr int kSampling = 16;

} // namespace

double pathDifference(int J, double P)
{
    const double left = SlitX(J);
    const double right = SlitX(J + 1);
    // r'^2 - r^2 over r' + r; the two squares differ only in x.
    return (right - left) * (right + left - 2.0 * P) / (PathLength(J + 1, P) + PathLength(J, P));
}

RunLookOut::RunLookOut(std::string_view slitCountText, double slitCount, double frequency)
    : slitCountText_(slitCountText)
    , slitCount_(slitCount)
    , frequency_(frequency)
    , phasorLength_(PhasorLength(slitCountText))
    , phasors_(PhasorCount(slitCount))
{
    if (phasors_ < 2 || !(frequency_ > 0.0) || !std::isfinite(frequency_))
        return;
    const double wavelength = 2.0 * std::numbers::pi / frequency_;
    const auto first = static_cast<double>(scene::kFirstColumn);
    const auto last = static_cast<double>(scene::kLastColumn);
    // The mean path difference falls from left to right, so the orders run
    // from the highest at the left edge down to the lowest at the right.
    const double highest = std::floor(meanPathDifference(first) / wavelength);
    const double lowest = std::ceil(meanPathDifference(last) / wavelength);
    if (!(highest - lowest < kMostOrders))
        return;
    for (auto m = static_cast<int>(highest); m >= static_cast<int>(lowest); --m)
        if (const std::optional<double> column = orderColumn(m, first, last))
            orders_.push_back({m, *column});
}

double RunLookOut::rawIntensityAt(int P) const
{
    // The arithmetic of the run itself, so that its brightest bar reads 100 %.
    const ChainPoint first{static_cast<double>(P), scene::kChainBaseY};
    ChainPoint point = first;
    for (int J = 0; J < phasors_; ++J)
        point = PhasorStep(point, J, P, frequency_, phasorLength_);
    return RawIntensity(first, point);
}

double RunLookOut::largestRawIntensity() const
{
    if (largest_)
        return *largest_;
    double largest = 0.0;
    const bool designed = (slitCountText_ == "2" || slitCountText_ == "3" || slitCountText_ == "4"
                           || slitCountText_ == "20")
                          && slitCount_ == std::stod(slitCountText_) && frequency_ >= 0.0
                          && frequency_ <= kLargestDesignedFrequency;
    if (!designed) {
        for (int P = scene::kFirstColumn; P <= scene::kLastColumn; ++P)
            largest = std::max(largest, rawIntensityAt(P));
        largest_ = largest;
        return largest;
    }
    // At the frequencies the scroll bars give, no bright feature of a
    // profile is narrower than some 60 columns, so a column in every
    // kSampling lies on each one, and the brightest column lies within
    // kSampling of a sampled peak at least half as bright as the brightest
    // sample. Those surroundings are then gone through column by column: the
    // same column and the same value as going through them all, at a
    // fraction of the cost (test_look_out checks every frequency of every
    // bar; a column in every 32 would still do).
    std::vector<double> sampled;
    for (int P = scene::kFirstColumn; P <= scene::kLastColumn; P += kSampling)
        sampled.push_back(rawIntensityAt(P));
    const double brightest = *std::max_element(sampled.begin(), sampled.end());
    for (std::size_t i = 0; i < sampled.size(); ++i) {
        const bool peak = (i == 0 || sampled[i] >= sampled[i - 1])
                          && (i + 1 == sampled.size() || sampled[i] >= sampled[i + 1]);
        if (!peak || sampled[i] < brightest / 2.0)
            continue;
        const int centre = scene::kFirstColumn + static_cast<int>(i) * kSampling;
        for (int P = std::max(scene::kFirstColumn, centre - kSampling);
             P <= std::min(scene::kLastColumn, centre + kSampling); ++P)
            largest = std::max(largest, rawIntensityAt(P));
    }
    largest_ = largest;
    return largest;
}

double RunLookOut::meanPathDifference(double P) const
{
    // The pairs' differences add up to r(N - 1) - r(0).
    const int pairs = phasors_ - 1;
    const double left = SlitX(0);
    const double right = SlitX(pairs);
    return (right - left) * (right + left - 2.0 * P) / (PathLength(pairs, P) + PathLength(0, P)) / pairs;
}

std::optional<double> RunLookOut::orderColumn(int m, double from, double to) const
{
    const double target = m * 2.0 * std::numbers::pi / frequency_;
    if (meanPathDifference(from) < target || meanPathDifference(to) > target)
        return std::nullopt;
    for (int i = 0; i < kBisections && to - from > 1e-7; ++i) {
        const double middle = (from + to) / 2.0;
        (meanPathDifference(middle) > target ? from : to) = middle;
    }
    return (from + to) / 2.0;
}

double RunLookOut::farFieldAt(double column) const
{
    const double whole = phasors_ * phasorLength_;
    return whole > 0.0 ? FarFieldIntensity(phasors_, phasorLength_, frequency_, column) / (whole * whole) : 0.0;
}

double RunLookOut::meanWaves(double column) const
{
    if (phasors_ < 2 || !std::isfinite(frequency_))
        return 0.0;
    return frequency_ * meanPathDifference(column) / (2.0 * std::numbers::pi);
}

double RunLookOut::farFieldCentre() const
{
    return scene::kFirstSlitX + scene::kSlitSpacing * (phasors_ - 1) / 2.0;
}

double RunLookOut::angleAt(double column) const
{
    return std::atan2(farFieldCentre() - column, kDistance);
}

LookOut RunLookOut::at(double column) const
{
    LookOut look;
    look.column = column;
    look.angle = angleAt(column);
    look.farField = farFieldAt(column);
    look.chain = PhasorChain(column, slitCount_, frequency_, phasorLength_);
    if (const double largest = largestRawIntensity(); largest > 0.0)
        look.intensity = RawIntensity(look.chain.front(), look.chain.back()) / largest;
    if (phasors_ < 2 || !(frequency_ > 0.0) || !std::isfinite(frequency_))
        return look;

    look.pairs = phasors_ - 1;
    look.meanStep = frequency_ * meanPathDifference(column);
    for (int J = 0; J < look.pairs; ++J)
        look.stepSpread = std::max(look.stepSpread, std::abs(frequency_ * pathDifference(J, column) - look.meanStep));
    look.waves = look.meanStep / (2.0 * std::numbers::pi);
    if (!(std::abs(look.waves) < kHighestOrder))
        return look;

    // The nearest order is one of the two whose path differences enclose this one.
    const auto below = static_cast<int>(std::floor(look.waves));
    for (const int m : {below, below + 1}) {
        const std::optional<double> at = orderColumn(m, column - kOrderSearch, column + kOrderSearch);
        if (at && (!look.nearest || std::abs(*at - column) < std::abs(look.nearest->column - column)))
            look.nearest = Order{m, *at};
    }
    return look;
}

} // namespace korvane
