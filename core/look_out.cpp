// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "look_out.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace korvane {

namespace {

// Far enough either side for any order the grating equation allows on a
// screen 837000 twips away, short of those beyond 84 degrees.
constexpr double kOrderSearch = 1e7;
constexpr int kBisections = 100;
// More orders than the screen has pixels cannot be told apart; only a
// frequency that no scroll bar gives comes near either bound.
constexpr double kMostOrders = 1000.0;
constexpr double kHighestOrder = 1e6;

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

double RunLookOut::largestRawIntensity() const
{
    if (largest_)
        return *largest_;
    // The columns and the arithmetic of the run itself, so that its brightest
    // bar reads 100 %.
    double largest = 0.0;
    for (int P = scene::kFirstColumn; P <= scene::kLastColumn; ++P) {
        const ChainPoint first{static_cast<double>(P), scene::kChainBaseY};
        ChainPoint point = first;
        for (int J = 0; J < phasors_; ++J)
            point = PhasorStep(point, J, P, frequency_, phasorLength_);
        largest = std::max(largest, RawIntensity(first, point));
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

LookOut RunLookOut::at(double column) const
{
    LookOut look;
    look.column = column;
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
