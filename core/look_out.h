// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// A closer look at one column of a finished run: its phasor chain, the phase
// step from slit to slit, its intensity against the run's brightest column,
// and where the grating equation puts the orders of interference.
//
// Everything comes from the model and the scene's geometry, never from the
// picture. The screen lies at a finite distance, so the path difference of
// neighbouring slits is not quite the same for every pair: it grows by about
// d^2 / D from one pair to the next (the quadratic phase that curls the chains
// into Cornu spirals). The look-out gives the mean over the pairs and how far
// the pairs stray from it.
//
// Signs: a step is the phase of the right-hand slit of a pair minus that of
// the left-hand one. Left of the slits, where most of the screen lies, the
// right-hand slit is the farther, so the step and the order m are positive.

#include "phasor_model.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// A column where the mean path difference of neighbouring slits is m wavelengths.
struct Order {
    int m = 0;
    double column = 0.0;
    friend bool operator==(const Order &, const Order &) = default;
};

struct LookOut {
    double column = 0.0;
    std::vector<ChainPoint> chain;
    // Pairs of neighbouring slits; none when the chain has fewer than two phasors.
    int pairs = 0;
    // Radians: the mean step over the pairs, and the most any pair strays from it.
    double meanStep = 0.0;
    double stepSpread = 0.0;
    // The mean step as a path difference in wavelengths.
    double waves = 0.0;
    // Radians from the slits' middle (RunLookOut::angleAt).
    double angle = 0.0;
    // The raw intensity as a fraction of the run's largest.
    double intensity = 0.0;
    // The far-field intensity of the same slits as a fraction of its
    // largest, (N L)^2 (far_field.h).
    double farField = 0.0;
    // The order whose column lies nearest, on the screen or off it.
    std::optional<Order> nearest;
};

// r(J + 1) - r(J) at column P, without the cancellation of subtracting two
// distances of some 837000 twips that differ by less than one.
double pathDifference(int J, double P);

// The run on screen, as the look-out needs it: its parameters, its orders, and
// the largest raw intensity of its columns, computed as the run computes its
// bars (every 16th column, and every column around the brightest of those),
// when first asked for: the far-field curve asks at the run's start, the
// look-out at its first look.
class RunLookOut
{
public:
    RunLookOut(std::string_view slitCountText, double slitCount, double frequency);

    const std::string &slitCountText() const { return slitCountText_; }
    double slitCount() const { return slitCount_; }
    double frequency() const { return frequency_; }
    double largestRawIntensity() const;
    // The run's tallest intensity bar, in twips.
    double tallestBar() const { return largestRawIntensity() * IntensityScale(slitCountText_, frequency_); }

    LookOut at(double column) const;
    // The far-field intensity at a column, as a fraction of its largest.
    double farFieldAt(double column) const;
    // Column P's raw intensity, with the run's own arithmetic.
    double rawIntensityAt(int P) const;
    // The mean path difference of neighbouring slits at a column, in
    // wavelengths, as the look-out gives it; 0 with fewer than two slits.
    double meanWaves(double column) const;
    // The column where the far field is largest, the slits' middle.
    double farFieldCentre() const;
    // The angle from the slits' middle to a column, in radians, as a
    // textbook measures it from the straight-through direction; positive
    // left of the middle, as the phase steps are.
    double angleAt(double column) const;

    // The orders whose columns lie on the screen, left to right.
    const std::vector<Order> &orders() const { return orders_; }

private:
    double meanPathDifference(double P) const;
    // The column of order m, if the grating equation has one.
    std::optional<double> orderColumn(int m, double from, double to) const;

    std::string slitCountText_;
    double slitCount_;
    double frequency_;
    double phasorLength_;
    int phasors_;
    mutable std::optional<double> largest_;
    std::vector<Order> orders_;
};

} // namespace korvane
