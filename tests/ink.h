// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// Reading the retained picture: where a point given in twips lands, and which
// pixels of a part of the surface hold ink; whether a picture holds a colour.

#include "drawing_surface.h"

#include <QImage>
#include <QList>
#include <QSet>

#include <cmath>

namespace korvane::test {

// The logical pixel nearest to a point in twips. The 15 twips a pixel are
// written out here rather than taken from the program, so that a change there
// shows in the tests.
inline QPoint pixelOf(double x, double y)
{
    return {static_cast<int>(std::lround(x / 15.0)), static_cast<int>(std::lround(y / 15.0))};
}

// The pixels of `area` whose colour `wanted` takes, row by row from the top.
template<typename Wanted>
QList<QPoint> pixelsWhere(const DrawingSurface &surface, QRect area, Wanted wanted)
{
    QList<QPoint> found;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (wanted(surface.pixelAt(x, y)))
                found << QPoint(x, y);
    return found;
}

inline QList<QPoint> pixelsIn(const DrawingSurface &surface, QRect area, const QColor &colour)
{
    return pixelsWhere(surface, area, [&colour](const QColor &c) { return c == colour; });
}

// Ink is whatever is not the surface's grey, in any colour.
inline QSet<QPoint> inkIn(const DrawingSurface &surface, QRect area)
{
    const QList<QPoint> ink =
        pixelsWhere(surface, area, [](const QColor &c) { return c != DrawingSurface::kBackColour; });
    return {ink.cbegin(), ink.cend()};
}

// Whether any pixel of a picture, made 32-bit, is of the colour.
inline bool holds(const QImage &picture, const QColor &colour)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            if (rgb.pixel(x, y) == colour.rgb())
                return true;
    return false;
}

} // namespace korvane::test
