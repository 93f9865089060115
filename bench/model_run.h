// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// The phasor model alone over a whole sweep, as the Start run asks it column
// by column, with nothing drawn: the benchmarks' measure of the arithmetic.

#include "phasor_model.h"
#include "vector_state.h"

#include <chrono>
#include <cstdio>
#include <string>

namespace korvane {

// Milliseconds for every column of a sweep with this slit count, at the
// slit count's start-up frequency.
inline double modelRun(const std::string &slitCountText)
{
    const double N = std::stod(slitCountText);
    const double f = slitCountText == "20" ? 15.0 : 20.0;
    const double L = PhasorLength(slitCountText);
    const int slits = PhasorCount(N);
    double total = 0.0;
    const auto start = std::chrono::steady_clock::now();
    for (int P = scene::kFirstColumn; P <= scene::kLastColumn; ++P) {
        clearUpperVectorState(); // as the run does before each column
        const ChainPoint first{static_cast<double>(P), scene::kChainBaseY};
        ChainPoint point = first;
        for (int J = 0; J < slits; ++J)
            point = PhasorStep(point, J, P, f, L);
        total += RawIntensity(first, point) * IntensityScale(slitCountText, f);
    }
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    // Keeps the loop from being optimised away.
    if (total < 0.0)
        std::puts("");
    return ms;
}

} // namespace korvane
