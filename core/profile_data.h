// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// The run on screen as numbers for a spreadsheet: a row per screen column,
// computed by the model for that run, as the look-out says them at the
// column, never read from the picture.

#include "kept_profiles.h"
#include "look_out.h"

#include <string>
#include <string_view>
#include <vector>

namespace korvane {

struct ProfileRow {
    int column = 0;
    // The angle from the slits' middle to the column, in degrees; positive
    // left of the middle, as the look-out's steps are.
    double theta = 0.0;
    // The mean path difference of neighbouring slits, in wavelengths.
    double waves = 0.0;
    // Per cent of the run's brightest column.
    double intensity = 0.0;
    // The bar's height above the screen line, in twips.
    double height = 0.0;
};

std::vector<ProfileRow> ProfileRows(const RunLookOut &run);

struct ProfileFormat {
    char fieldSeparator;
    std::string_view decimalSeparator;
    std::string_view lineEnd;
};

// A header row of `header` (seven names: the five above, then the slit count
// and the frequency, which every row repeats; then one for each of `kept`)
// and a line per row, ending in each kept run's intensity at the column, in
// per cent of that run's largest. Numbers
// have fixed decimals, correctly rounded from their binary values, no group
// separators; a field with the separator, a quote or a line break in it is
// quoted as RFC 4180 says.
std::string ProfileText(const RunLookOut &run, const std::vector<std::string> &header, ProfileFormat format,
                        const std::vector<KeptProfile> &kept = {});

} // namespace korvane
