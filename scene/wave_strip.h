// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// The incident-wave strip (a sine curve of dots along an axis, for the
// frequency in the store, which its caller reads) and the relative-frequency
// read-out.

#include <QString>

#include <string_view>

class QLineEdit;

namespace korvane {

class DrawingSurface;

// Clears the strip's band, then draws the axis and the curve.
void DrawIncidentWaveStrip(DrawingSurface &surface, double frequency);

// The axis and the curve without clearing: the Start run clears a larger band
// of its own first.
void DrawIncidentWaveAxisAndCurve(DrawingSurface &surface, double frequency);

// The read-out's divisor: the design's 2 pi, to two decimals.
inline constexpr double kReadOutDivisor = 6.28;

// Writes frequency / 6.28 into the read-out with a display pattern, "#.##" or "0.00".
void ShowRelativeFrequency(const QLineEdit &nKmitočet, QLineEdit &nRelKmitočet, std::string_view format);
// What the read-out says after a run at `frequency`.
QString relativeFrequencyText(double frequency, std::string_view format = "#.##");
// The frequency as every text names it, in one form: first the read-out the
// class sees beside the bar, then the frequency that the command line, the
// link and the data count in, "3.18 (frequency 20)".
QString frequencyName(double frequency);

} // namespace korvane
