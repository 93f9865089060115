// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// Choosing the number of slits: store the count, reset the frequency to the
// count's default, put up the frequency bar that belongs to it, redraw the strip.

namespace korvane {

struct Controls;
class DrawingSurface;

struct SlitCountChoice {
    const char *slitCount;        // exactly as the Start run compares it
    const char *defaultFrequency; // whole-number text
    bool gratingBar;              // the 20-slit bar instead of the 2/3/4-slit one
    int barPosition;              // where the visible bar is put
};

inline constexpr SlitCountChoice kTwoSlits{"2", "20", false, 0};
inline constexpr SlitCountChoice kThreeSlits{"3", "20", false, 0};
inline constexpr SlitCountChoice kFourSlits{"4", "20", false, 0};
inline constexpr SlitCountChoice kTwentySlits{"20", "15", true, 10};

// The selection handler of an option button that has just become selected.
void SelectSlitCount(Controls &controls, DrawingSurface &surface, const SlitCountChoice &choice);

} // namespace korvane
