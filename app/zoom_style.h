// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// The application's style with its sizes made larger by the window's zoom:
// an option button's circle grows with its caption, and a scroll bar is drawn
// as the style draws one at a higher device pixel ratio, arrows and all, as it
// would in a window designed that much larger. At 100 % it is the
// application's style exactly.

#include <QProxyStyle>

namespace korvane {

class ZoomStyle : public QProxyStyle
{
    Q_OBJECT

public:
    ZoomStyle();

    void setZoom(double zoom) { zoom_ = zoom; }
    double zoom() const { return zoom_; }

    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget = nullptr) const override;

private:
    double zoom_ = 1.0;
    // While a control is drawn at its design size, its sizes are the design's.
    mutable bool atDesignSize_ = false;
};

} // namespace korvane
