// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "sweep_steps.h"

#include "phasor_model.h"

#include <algorithm>
#include <cmath>

namespace korvane {

namespace {

constexpr double kTwipsPerPixel = 15.0;

} // namespace

int nextChainColumn(int reached)
{
    if (reached < scene::kFirstColumn)
        return scene::kFirstColumn;
    return std::min(scene::kLastColumn, (reached / scene::kChainEvery + 1) * scene::kChainEvery);
}

int previousChainColumn(int reached)
{
    if (reached <= scene::kFirstColumn)
        return reached;
    const int before = std::min(reached, scene::kLastColumn + 1) - 1;
    return before - before % scene::kChainEvery;
}

int pixelColumnOf(int P, double zoom)
{
    // As the surface snaps a twips coordinate handed over in single precision.
    return static_cast<int>(std::lround(static_cast<double>(static_cast<float>(P)) * zoom / kTwipsPerPixel));
}

int nextPixelColumn(int reached, double zoom)
{
    const int from = std::max(reached, scene::kFirstColumn - 1);
    const int target = (reached < scene::kFirstColumn ? pixelColumnOf(scene::kFirstColumn, zoom) - 1
                                                      : pixelColumnOf(reached, zoom))
                       + 1;
    int P = from;
    while (P < scene::kLastColumn && pixelColumnOf(P + 1, zoom) <= target)
        ++P;
    return std::max(P, scene::kFirstColumn);
}

int previousPixelColumn(int reached, double zoom)
{
    if (reached <= scene::kFirstColumn)
        return reached;
    const int target = pixelColumnOf(std::min(reached, scene::kLastColumn), zoom) - 1;
    int P = std::min(reached, scene::kLastColumn);
    while (P > scene::kFirstColumn && pixelColumnOf(P, zoom) > target)
        --P;
    return P;
}

} // namespace korvane
