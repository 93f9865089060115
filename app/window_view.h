// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// How large the window shows its design: the zoom steps, kept within the
// screen; full screen, with the design as large as the screen allows,
// centred; and the window's size kept when its screen's pixel ratio changes.
// Whatever follows the zoom (controls, picture, layers, menu) is told through
// `scaled`.

#include <QObject>
#include <QPoint>
#include <QSize>

#include <optional>

class QWheelEvent;
class QWidget;

namespace korvane {

class WindowView : public QObject
{
    Q_OBJECT

public:
    // `design` is the window's client area at 100 %, in logical pixels.
    WindowView(QWidget *window, QSize design);

    // The whole window drawn as if designed this much larger.
    double zoom() const { return zoom_; }
    // Takes the step above or below, or 100 %; a step that would make the
    // window larger than its screen's free area is not taken, but on a small
    // screen.
    void zoomIn();
    void zoomOut();
    void actualSize();
    // Full screen shows the design as large as the screen allows, centred.
    void setFullScreenView(bool on);
    bool fullScreenView() const { return fullScreen_.has_value(); }
    // A screen smaller than the design at 100 % (a phone's page) shows the
    // design whole, scaled down to fit; the fit is then the lowest step, the
    // steps above it enlarge the window beyond the screen, to be panned. On
    // a screen that holds the design again, 100 %. For a screen whose free
    // area changes (a page turned with its device).
    void fitSmallScreen();
    bool smallScreen() const { return fitted_.has_value(); }

    // Ctrl with the wheel: a notch a step. True when the wheel zoomed.
    bool wheel(const QWheelEvent *wheel);
    // What the window hears of its size, state and screen, for the view to follow.
    void windowResized();
    void windowStateChanged();
    void screenChanged();

signals:
    // The design is now shown at `zoom`, its corner at `offset` in the window.
    void scaled(double zoom, QPoint offset);
    void fullScreenShown(bool on);
    // A step up to `zoom` was not taken: the window would not fit its screen.
    void zoomRefused(double zoom);

private:
    // How the window was before full screen, to go back to it.
    struct Windowed {
        double zoom;
        Qt::WindowStates state;
    };

    void setZoom(double zoom);
    void applyZoom(double zoom, QPoint offset);
    // Where the design's corner goes to stand in the middle of a full screen.
    QPoint centredCorner(double zoom) const;
    bool fitsScreen(double zoom) const;
    void fitFullScreen();

    QWidget *window_;
    QSize design_;
    double zoom_ = 1.0;
    double ratio_ = 1.0;
    std::optional<Windowed> fullScreen_;
    // Ctrl+wheel turns of less than a notch, summed until they make one.
    int wheelAngle_ = 0;
    // The zoom that fits a small screen, while the screen is one.
    std::optional<double> fitted_;
};

} // namespace korvane
