// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// Where a sweep that stands at a column goes on a step: on to the next column
// that gets a chain or back to the one before, or a pixel column of the
// picture at a zoom either way. A sweep "stands at" the last column it has
// drawn; kBeforeFirstColumn when it has drawn none yet.

namespace korvane {

inline constexpr int kBeforeFirstColumn = -1;

// The next column with a chain after `reached`, or the last column when no
// chain is left; and the one before it, never before the first column.
int nextChainColumn(int reached);
int previousChainColumn(int reached);

// The pixel column at `zoom` (logical pixels per pixel of the design) where
// column P's bar lands: twips snap to the nearest pixel.
int pixelColumnOf(int P, double zoom);

// The last column of the pixel column after, or before, the one `reached`
// lies in: the whole pixel column drawn, and none of the next.
int nextPixelColumn(int reached, double zoom);
int previousPixelColumn(int reached, double zoom);

} // namespace korvane
