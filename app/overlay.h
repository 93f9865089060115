// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// What every layer over the design's picture has in common: the orders'
// marks, the far-field curve, the pause's note, the look-out and its marker.
// Each is a transparent child of the window that Qt paints over the retained
// picture, never into it, so taking one away gives back the picture beneath,
// pixel for pixel. The pointer's events go to what lies under it, the
// keyboard's round passes it by, and it is placed anew at every zoom.

#include <QRect>
#include <QWidget>

namespace korvane {

class Overlay : public QWidget
{
    Q_OBJECT

public:
    // `design` is the design's client area at `zoom`, in the parent's coordinates.
    void place(double zoom, QRect design);
    double zoom() const { return zoom_; }
    QRect design() const { return design_; }

protected:
    // Hidden until it has something to show.
    Overlay(QWidget *parent, const QString &objectName, const QString &accessibleName);
    // Fits the layer to the zoom and the design's area it has just been given.
    virtual void fit() { }

private:
    double zoom_ = 1.0;
    QRect design_;
};

} // namespace korvane
