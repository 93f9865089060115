// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// How a look-out and the orders are shown: the look-out's lines of text, its
// chain drawn large with the resultant as an arrow, and the ticks of the
// orders under the screen line. They are painted over the picture, never into
// it, so they take a painter rather than the drawing surface.

#include "look_out.h"

#include <QColor>
#include <QPolygonF>
#include <QRectF>
#include <QStringList>

#include <vector>

class QFont;
class QPainter;

namespace korvane {

// The look-out as the panel says it, one line each, in the user's language
// and number format: the run, the column, the phase step, how the steps
// differ, the intensity, the far field's where its curve is shown, and the
// nearest order. The same lines read aloud.
QStringList lookOutLines(const RunLookOut &run, const LookOut &look, bool withFarField);

struct ChainColours {
    QColor chain;
    QColor resultant;
};

// The chain scaled so that the longest it could be (every phasor in line)
// spans the smaller side of `area`, and centred there: every chain of a run
// fits, drawn at one scale, so a short resultant looks short. The resultant
// is an arrow from the chain's start to its end. `pixel` is a logical pixel
// in the painter's units.
void drawLookOutChain(QPainter &painter, QRectF area, const LookOut &look, double longest, ChainColours colours,
                      double pixel);

// A label for each order: "m = 0" for the central one, "+1", "-2", ... for
// the rest.
QString orderLabel(int m);

// Ticks under the screen line at each order's column, labelled below them
// where a label has room. The painter's origin is the screen line at column
// 0, its unit a logical pixel of the design at the zoom; labels that would
// run into one already drawn are left out, the nearest to m = 0 drawn first.
// Returns the labels drawn.
int drawOrderMarks(QPainter &painter, const std::vector<Order> &orders, double zoom, const QFont &font, QColor ink,
                   QColor back);

// How far below the screen line the ticks and their labels reach, in
// logical pixels of the design at the zoom, for the font.
int orderMarksDepth(double zoom, const QFont &font);

// The far-field intensity of the run's slits over its profile, scaled so
// that its largest has the height of the run's tallest bar: a point for
// every pixel column of `width` (logical pixels of the design at the zoom,
// from the design's corner) and one at the top of each order.
QPolygonF farFieldCurve(const RunLookOut &run, double zoom, double width);
QString farFieldCaption();
// The curve, dashed in a light and a dark tone, and its caption above its
// top, kept left of `right`. The painter's origin is the design's corner,
// its unit a logical pixel.
void drawFarFieldCurve(QPainter &painter, const QPolygonF &curve, double zoom, const QFont &font, const RunLookOut &run,
                       double right);

} // namespace korvane
