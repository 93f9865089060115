// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// The textbook's intensity of the same slits, as if the screen were
// infinitely far (Fraunhofer): with theta the angle from the middle of the
// slits to a screen column and phi = f d sin(theta), the phase step the
// model's own phase f r gives far away, the N phasors of length L add up to
// I = L^2 (sin(N phi / 2) / sin(phi / 2))^2. The model itself sums the exact
// path lengths to a screen 837000 twips away, where the 20-slit grating is
// still in its near field; the two differ there, and the window can show both.

namespace korvane {

// phi at screen column P, for `phasors` slits 100 twips apart from x = 9000.
// Positive left of the slits' middle, as the look-out's steps are.
double FarFieldPhaseStep(int phasors, double f, double P);

// I in square twips, as the model's raw intensity: exactly (N L)^2 at
// phi = 0 and at every order (phi a whole number of turns), and 0 where the
// chain closes.
double FarFieldIntensity(int phasors, double L, double f, double P);

} // namespace korvane
