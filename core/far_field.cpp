// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "far_field.h"

#include "phasor_model.h"

#include <cmath>
#include <numbers>

namespace korvane {

namespace {

// How far the screen acts as if it lay: the path length's fixed term.
constexpr double kDistance = scene::kDistanceFactor * scene::kScreenY - scene::kDiaphragmY;

} // namespace

double FarFieldPhaseStep(int phasors, double f, double P)
{
    const double middle = scene::kFirstSlitX + scene::kSlitSpacing * (phasors - 1) / 2.0;
    const double across = middle - P;
    return f * scene::kSlitSpacing * across / std::hypot(across, kDistance);
}

double FarFieldIntensity(int phasors, double L, double f, double P)
{
    if (phasors < 1)
        return 0.0;
    const double whole = L * phasors;
    // Half the step, taken to the nearest whole number of half turns: the
    // ratio of the sines only changes sign there, and near an order both
    // sines vanish, which the reduced angle computes without cancellation.
    const double half = FarFieldPhaseStep(phasors, f, P) / 2.0;
    if (!std::isfinite(half))
        return 0.0;
    const double reduced = half - std::numbers::pi * std::round(half / std::numbers::pi);
    const double below = std::sin(reduced);
    if (std::abs(below) < 1e-12)
        return whole * whole;
    const double ratio = std::sin(phasors * reduced) / below;
    return L * L * ratio * ratio;
}

} // namespace korvane
