// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "wave_strip.h"

#include "drawing_surface.h"
#include "locale_text.h"

#include <QLineEdit>

#include <cmath>

namespace korvane {

void DrawIncidentWaveStrip(DrawingSurface &surface, double frequency)
{
    const std::size_t clearing = surface.drawingMark();
    for (int y = 1; y <= 3000; y += 10)
        surface.line(1.0f, static_cast<float>(y), 6000.0f, static_cast<float>(y), DrawingSurface::kBackColour);
    // The rows are closer than a pixel, so the band is painted over whole.
    surface.paintedOver(clearing, QRectF(1.0, 1.0, 5999.0, 2990.0));
    DrawIncidentWaveAxisAndCurve(surface, frequency);
}

void DrawIncidentWaveAxisAndCurve(DrawingSurface &surface, double frequency)
{
    surface.line(500.0f, 1700.0f, 5500.0f, 1700.0f);
    const double k = frequency / 5000.0;
    for (int x = 0; x <= 5000; ++x) {
        const double y = 1700.0 - 200.0 * std::sin(x * k);
        surface.circle(static_cast<float>(500 + x), static_cast<float>(y), 5.0f);
    }
}

void ShowRelativeFrequency(const QLineEdit &nKmitočet, QLineEdit &nRelKmitočet, std::string_view format)
{
    const double f = numberOrZero(nKmitočet.text());
    // The quotient goes through its 15-digit text before it is rounded for
    // display, so the read-out rounds what a user would read, not the binary.
    const QString plain = numberQText(f / 6.28);
    nRelKmitočet.setText(formatQNumber(numberOrZero(plain), format));
}

} // namespace korvane
