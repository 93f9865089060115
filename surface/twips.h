// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// The window is laid out and drawn in twips; 15 twips make one logical pixel.

#include <QRect>

namespace korvane {

inline constexpr int kTwipsPerPixel = 15;

// A design rectangle (Left, Top, Width, Height in twips) in logical pixels.
constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel, height / kTwipsPerPixel};
}

} // namespace korvane
