// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// The textbook's far-field curve of the run's slits over its profile, when
// the teacher asks for it. Like the orders' marks it lies over the picture in
// a layer of its own: taking it away gives back the picture beneath, pixel
// for pixel.

#include "look_out.h"

#include <QImage>
#include <QPolygonF>
#include <QWidget>

#include <optional>

namespace korvane {

class FarFieldLayer : public QWidget
{
    Q_OBJECT

public:
    explicit FarFieldLayer(QWidget *parent);

    // The run whose profile is on screen, or being swept.
    void setRun(const RunLookOut &run);
    // Over the profile of the design at the zoom; `design` is the design's
    // client area at the zoom, in the parent's coordinates, which the
    // caption keeps within.
    void place(double zoom, QRect design);
    const QPolygonF &curve() const { return curve_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void shape();

    std::optional<RunLookOut> run_;
    double zoom_ = 1.0;
    QRect design_;
    QPolygonF curve_;
    // Drawn once for the run and the zoom: the picture beneath is painted
    // every frame of a run, and the curve over it with it.
    QImage drawn_;
};

} // namespace korvane
