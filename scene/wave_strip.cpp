// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "wave_strip.h"

#include "drawing_surface.h"
#include "locale_text.h"

#include <QCoreApplication>
#include <QLineEdit>

#include <cmath>
#include <cstdint>

namespace korvane {

namespace {

// The band that a new strip paints grey first: lines 10 twips apart, closer
// than a pixel, so the band is painted over whole.
constexpr int kBandLeft = 1;
constexpr int kBandRight = 6000;
constexpr int kBandTop = 1;
constexpr int kBandLimit = 3000; // the last line is the last row below it
constexpr int kBandStep = 10;
// The axis, and the curve along it: one dot a twip, the amplitude about the axis.
constexpr int kAxisLeft = 500;
constexpr int kCurveLength = 5000;
constexpr double kAxisY = 1700.0;
constexpr double kAmplitude = 200.0;
constexpr float kDotRadius = 5.0f;

} // namespace

void DrawIncidentWaveStrip(DrawingSurface &surface, double frequency)
{
    const std::uint64_t clearing = surface.drawingMark();
    int lastRow = kBandTop;
    for (int y = kBandTop; y <= kBandLimit; y += kBandStep) {
        surface.line(static_cast<float>(kBandLeft), static_cast<float>(y), static_cast<float>(kBandRight),
                     static_cast<float>(y), DrawingSurface::kBackColour);
        lastRow = y;
    }
    surface.paintedOver(clearing, QRectF(kBandLeft, kBandTop, kBandRight - kBandLeft, lastRow - kBandTop));
    DrawIncidentWaveAxisAndCurve(surface, frequency);
}

void DrawIncidentWaveAxisAndCurve(DrawingSurface &surface, double frequency)
{
    surface.line(static_cast<float>(kAxisLeft), static_cast<float>(kAxisY),
                 static_cast<float>(kAxisLeft + kCurveLength), static_cast<float>(kAxisY));
    const double k = frequency / kCurveLength;
    for (int x = 0; x <= kCurveLength; ++x) {
        const double y = kAxisY - kAmplitude * std::sin(x * k);
        surface.circle(static_cast<float>(kAxisLeft + x), static_cast<float>(y), kDotRadius);
    }
}

void ShowRelativeFrequency(const QLineEdit &nKmitočet, QLineEdit &nRelKmitočet, std::string_view format)
{
    nRelKmitočet.setText(relativeFrequencyText(numberOrZero(nKmitočet.text()), format));
}

QString relativeFrequencyText(double frequency, std::string_view format)
{
    // The quotient goes through its 15-digit text before it is rounded for
    // display, so the read-out rounds what a user would read, not the binary.
    const QString plain = numberQText(frequency / kReadOutDivisor);
    return formatQNumber(numberOrZero(plain), format);
}

QString frequencyName(double frequency)
{
    //: %1 is the read-out beside the frequency bar (wavelengths per slit spacing), %2 the frequency it is made from.
    return QCoreApplication::translate("Frequency", "%1 (frequency %2)")
        .arg(relativeFrequencyText(frequency), numberQText(frequency));
}

} // namespace korvane
