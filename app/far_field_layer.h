// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// The textbook's far-field curve of the run's slits over its profile, when
// the teacher asks for it. Like the orders' marks it lies over the picture in
// a layer of its own: taking it away gives back the picture beneath, pixel
// for pixel.

#include "look_out.h"
#include "overlay.h"

#include <QImage>
#include <QPolygonF>

#include <optional>

namespace korvane {

class FarFieldLayer : public Overlay
{
    Q_OBJECT

public:
    explicit FarFieldLayer(QWidget *parent);

    // The run whose profile is on screen, or being swept.
    void setRun(const RunLookOut &run);
    const QPolygonF &curve() const { return curve_; }

protected:
    // Over the profile of the design, its caption within the design's area.
    void fit() override;
    void paintEvent(QPaintEvent *event) override;

private:
    std::optional<RunLookOut> run_;
    QPolygonF curve_;
    // Drawn once for the run and the zoom: the picture beneath is painted
    // every frame of a run, and the curve over it with it.
    QImage drawn_;
};

} // namespace korvane
