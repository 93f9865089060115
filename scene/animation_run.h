// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// The Start run: clears the window, draws the incident-wave strip and the
// scene, then sweeps the screen column by column with rays, phasor chains and
// intensity bars, paced by the slow-down factor. Its parameters are the value
// stores' texts, which the Start handler reads once and hands over as plain
// values; the handler writes the relative frequency when the run returns.

#include <chrono>
#include <string>

namespace korvane {

class DrawingSurface;
class PaceClock;

struct RunParameters {
    // The model tells "2", "3", "4" and "20" apart by their exact text, and
    // takes the count of slits from the same text read as a number.
    std::string slitCountText;
    double slitCount = 0.0;
    double frequency = 0.0;
    double slowDown = 0.0;
};

struct RunReport {
    int framesShown = 0;
    int sleeps = 0;
};

// Shows the picture so far at least every frameInterval while it draws,
// letting the toolkit paint but handle no input. Returns when the sweep is
// done; the Start handler then writes the relative frequency.
RunReport RunAnimation(const RunParameters &parameters, DrawingSurface &surface, PaceClock &clock,
                       std::chrono::nanoseconds frameInterval);

} // namespace korvane
