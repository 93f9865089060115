// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// The two frequency bars: position -> frequency in the store, strip, read-out.

namespace korvane {

struct Controls;
class DrawingSurface;

// Change handler of the bar for 2, 3 and 4 slits: f = position + 20.
void HScrollKmitočetChange(Controls &controls, DrawingSurface &surface);

// Change handler of the bar for 20 slits: f = position + 5. Its designed
// maximum of 10 is raised to 40 the first time it moves.
void HScrollKmitocet20Change(Controls &controls, DrawingSurface &surface);

} // namespace korvane
