// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// The Start run: clears the window, draws the incident-wave strip and the
// scene, then sweeps the screen column by column with rays, phasor chains and
// intensity bars, paced by the slow-down factor, and at last writes the
// relative frequency. It reads its parameters only from the value stores.

#include <chrono>

namespace korvane {

struct Controls;
class DrawingSurface;
class PaceClock;

struct RunReport {
    int framesShown = 0;
    int sleeps = 0;
};

// Shows the picture so far at least every frameInterval while it draws,
// letting the toolkit paint but handle no input. Returns when the sweep is done.
RunReport RunStart(Controls &c, DrawingSurface &surface, PaceClock &clock, std::chrono::nanoseconds frameInterval);

} // namespace korvane
