// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// Finished runs kept on screen beside the later ones, so that a class can
// compare them: the three most recent, each with the raw intensity of every
// column as its run computed it, so that an outline of its bars lies exactly
// where the phasor sum puts them at any zoom. A few numbers per run, never
// its pixels.

#include "look_out.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace korvane {

struct KeptProfile {
    RunLookOut run;
    // Raw intensity at each column, from scene::kFirstColumn to scene::kLastColumn.
    std::vector<double> raw;
    // Which colour of the palette it is drawn in, 0 to kMost - 1; it keeps
    // it while it stays, so that the class need not learn the colours anew.
    int colour = 0;
    // Told apart from every other run kept by the same list, for as long as it lives.
    std::uint64_t serial = 0;

    // Its bar's height at column P, in twips, as its run drew it.
    double heightAt(int P) const;
    // Column P's intensity as a fraction of its run's largest.
    double intensityAt(int P) const;
};

class KeptProfiles
{
public:
    static constexpr std::size_t kMost = 3;

    // Keeps `run`'s profile as the most recent, in a colour none of the
    // others has; beyond kMost, the oldest drops out. `raw` is the run's own
    // raw intensity of every column, as it computed them for its bars; when
    // it has not every column, they are computed here the same way.
    void keep(const RunLookOut &run, std::vector<double> raw = {});
    void clear() { profiles_.clear(); }
    bool empty() const { return profiles_.empty(); }
    // Oldest first.
    const std::vector<KeptProfile> &profiles() const { return profiles_; }

private:
    std::vector<KeptProfile> profiles_;
    std::uint64_t kept_ = 0;
};

} // namespace korvane
