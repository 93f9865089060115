// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "kept_profiles.h"

#include "phasor_model.h"

#include <algorithm>

namespace korvane {

namespace {

std::size_t index(int P)
{
    return static_cast<std::size_t>(std::clamp(P, scene::kFirstColumn, scene::kLastColumn) - scene::kFirstColumn);
}

} // namespace

double KeptProfile::heightAt(int P) const
{
    // The run's own product, so that the outline meets its bars' tops.
    return raw[index(P)] * IntensityScale(run.slitCountText(), run.frequency());
}

double KeptProfile::intensityAt(int P) const
{
    const double largest = run.largestRawIntensity();
    return largest > 0.0 ? raw[index(P)] / largest : 0.0;
}

void KeptProfiles::keep(const RunLookOut &run, std::vector<double> raw)
{
    if (profiles_.size() >= kMost)
        profiles_.erase(profiles_.begin(), profiles_.end() - (kMost - 1));
    int colour = 0;
    while (std::any_of(profiles_.begin(), profiles_.end(),
                       [colour](const KeptProfile &kept) { return kept.colour == colour; }))
        ++colour;
    KeptProfile kept{run, std::move(raw), colour, ++kept_};
    if (kept.raw.size() != index(scene::kLastColumn) + 1) {
        kept.raw.clear();
        kept.raw.reserve(index(scene::kLastColumn) + 1);
        for (int P = scene::kFirstColumn; P <= scene::kLastColumn; ++P)
            kept.raw.push_back(run.rawIntensityAt(P));
    }
    profiles_.push_back(std::move(kept));
}

} // namespace korvane
