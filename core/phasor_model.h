// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// The computing core of the Start run: for one column of the observation
// screen, the slits' phasors laid end to end into a chain, and the squared
// length of its resultant scaled into the height of an intensity bar.
//
// Everything is in the window's twips (y downwards), in double precision, in
// the fixed scene below. The order of the arithmetic is part of the model: the
// pictures teachers know were drawn with exactly these operations.

#include <string_view>
#include <vector>

namespace korvane {

namespace scene {
inline constexpr double kDiaphragmY = 8000.0;
inline constexpr double kDiaphragmLeft = 1000.0;
inline constexpr double kDiaphragmRight = 11500.0;
inline constexpr double kScreenY = kDiaphragmY - 1500.0;
inline constexpr double kChainBaseY = kDiaphragmY - 4500.0;
inline constexpr int kFirstColumn = static_cast<int>(kDiaphragmLeft) - 1000;
inline constexpr int kLastColumn = static_cast<int>(kDiaphragmRight) + 450;
inline constexpr double kFirstSlitX = kDiaphragmLeft + 8000.0;
inline constexpr double kSlitSpacing = 100.0;
// The Start run draws rays to every 100th column and a chain at every 200th.
inline constexpr int kRayEvery = 100;
inline constexpr int kChainEvery = 200;
// Stretches the 1500 twips between slits and screen into a far-field
// distance: the screen acts as if it lay 837000 twips away.
inline constexpr double kDistanceFactor = 130.0;
} // namespace scene

struct ChainPoint {
    double x = 0.0;
    double y = 0.0;
    friend bool operator==(const ChainPoint &, const ChainPoint &) = default;
};

double SlitX(int J);

// 190 for "4", 60 for "20", 200 for "2", "3" and any other text.
double PhasorLength(std::string_view slitCountText);

// Distance from slit J to screen column P.
double PathLength(int J, double P);

// One link of the chain: the point after slit J's phasor, from the point before it.
ChainPoint PhasorStep(ChainPoint current, int J, double P, double f, double L);

// How many phasors a chain of slit count N has: one for every J = 0, 1, ...
// with J <= N - 1. Not a number or below 1 gives none; more than kMaxSlits is
// cut to kMaxSlits, so that a damaged store cannot make a column endless.
inline constexpr int kMaxSlits = 1000;
int PhasorCount(double N);

// The points C0 ... CN of column P, C0 on the chain base line.
std::vector<ChainPoint> PhasorChain(double P, double N, double f, double L);

double RawIntensity(ChainPoint first, ChainPoint last);

// Turns a raw intensity into a bar height, per slit-count text and frequency;
// 1 for a text that is none of the four.
double IntensityScale(std::string_view slitCountText, double f);

} // namespace korvane
