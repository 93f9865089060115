// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "phase_turn.h"

#include <cmath>
#include <cstdint>

namespace korvane {

namespace {

constexpr double kTwoOverPi = 0x1.45f306dc9c883p-1;
// Pi/2 in four parts, the first three of 24 bits each: a quarter-turn count
// below 2^28 times any of them is exact, and so is the first difference.
constexpr double kQuarterTurn1 = 0x1.921fb6p+0;
constexpr double kQuarterTurn2 = -0x1.777a5cp-25;
constexpr double kQuarterTurn3 = -0x1.ee59dap-50;
constexpr double kQuarterTurn4 = 0x1.98a2e03707345p-77;
constexpr double kLargestTurned = 0x1p28;

} // namespace

SineCosine SineCosineOfPhase(double phi)
{
    if (!(std::abs(phi) <= kLargestTurned))
        return {std::sin(phi), std::cos(phi)};
    const double turns = std::nearbyint(phi * kTwoOverPi);
    double r = phi - turns * kQuarterTurn1;
    r -= turns * kQuarterTurn2;
    r -= turns * kQuarterTurn3;
    r -= turns * kQuarterTurn4;
    // Under pi/4 the C library has nothing left to reduce.
    const SineCosine small{std::sin(r), std::cos(r)};
    switch (static_cast<std::int64_t>(turns) & 3) {
    case 0:
        return small;
    case 1:
        return {small.cosine, -small.sine};
    case 2:
        return {-small.sine, -small.cosine};
    default:
        return {-small.cosine, small.sine};
    }
}

} // namespace korvane
