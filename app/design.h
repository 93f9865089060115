// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// The window's design: every control with its caption, place, font, colours,
// stacking and tab order. Nothing here has behaviour of its own (the keys and
// wheel of the bars and option buttons are in design_widgets); the handlers
// live in controls/ and scene/, and the window wires them up.

#include "controls.h"

class QFont;
class QPoint;
class QPalette;
class QWidget;

namespace korvane {

// The label is painted onto the drawing surface rather than being a widget, so
// later drawing covers it, as drawing covers anything else on the surface.
struct SurfaceLabel {
    const char *name;
    const char *caption;
    int left, top, width, height; // twips
    const char *family;
    int pixelSize;
    bool bold;

    QFont font() const;
};
extern const SurfaceLabel labKlepnete;

// The named Windows faces are not on Debian; these stand in for them at the
// same sizes (point sizes of the design converted at 96 dpi).
void installFontSubstitutes();

// The colours of the standard scheme, whatever scheme the system has, with
// the window's grey as back colour: the design fixes the back colours, so a
// dark system scheme would otherwise draw near-white ink and captions on the
// light grey. Every role is set, so none falls back to the system's.
QPalette designPalette();

// The design's small face (the option frame's caption) at a zoom, for what
// the window shows beside the design: the look-out and the orders' labels.
QFont smallFont(double zoom);

// Creates every control as a child of `window`, in design order, and fixes
// stacking and tab order.
Controls createControls(QWidget *window);

// Places and sizes every control, and sizes its font, as if the window had
// been designed `zoom` times larger, with the design's corner at `offset`.
void zoomControls(QWidget *window, double zoom, QPoint offset);

} // namespace korvane
