// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// The window's drawing surface. Handlers draw lines and circles in twips; the
// surface keeps every pixel in an image, so covering or resizing the window
// loses nothing, and shows the changed region when the handler returns.
//
// It also keeps what it was asked to draw, in twips, so that at another zoom
// or device pixel ratio it draws the same picture again at the new resolution
// rather than enlarging the old pixels, and so that drawing can be taken back
// to an earlier mark.

#include "twips.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QWidget>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <tuple>
#include <vector>

namespace korvane {

class DrawingSurface : public QWidget
{
    Q_OBJECT

public:
    enum class FillStyle { Transparent, Solid };

    // Everything the program draws, so that a window enlarged beyond its
    // design size shows all of it: the Start run's cleared band (checked
    // against this where the run names it), and its last phasor chains,
    // which reach further right, to x = 12487 twips (832 px) with 4 slits at
    // f = 21.
    static constexpr QSize kLogicalSize{840, 620};
    static const QColor kBackColour;

    explicit DrawingSurface(QWidget *parent = nullptr);

    // Whether `event` may tell of a new device pixel ratio: the window moved
    // to a screen of another ratio, or its screen's ratio changed. Qt 6.4
    // tells of both as a change of screen; from Qt 6.6 on a new ratio is told
    // by an event of its own, and alone where the screen stays the same (a
    // screen's scale changed in the desktop's settings).
    static bool mayChangeRatio(const QEvent *event);

    // The design drawn this many times larger (or smaller, below 1): the
    // widget is kLogicalSize times the zoom, and everything drawn so far is
    // drawn again to fit it.
    void setZoom(double zoom);
    // Memory for the picture at up to `zoom` at the present ratio, taken now
    // and kept from one zoom to the next: each page the system hands over is
    // handed over once, not again at every step.
    void reserve(double zoom);
    double zoom() const { return zoom_; }

    void setLineWidth(int pixels);
    int lineWidth() const { return lineWidth_; }
    void setFillStyle(FillStyle style) { fillStyle_ = style; }
    FillStyle fillStyle() const { return fillStyle_; }
    void setFillColour(QColor colour) { fillColour_ = colour; }
    QColor fillColour() const { return fillColour_; }
    QColor foregroundColour() const;

    // Coordinates and radii in twips. Without a colour, the foreground colour.
    // They are single precision, as the window's drawing calls have always
    // been: the handlers compute in double and hand over floats, and that
    // rounding decides which pixel a dot lands on.
    // Each returns the device rectangle it may have changed (empty when the
    // shape lies wholly outside the picture or a coordinate is not a number).
    QRect line(float x1, float y1, float x2, float y2);
    QRect line(float x1, float y1, float x2, float y2, QColor colour);
    // Outlined in the given or foreground colour, filled as the fill state says.
    QRect circle(float x, float y, float radius);
    QRect circle(float x, float y, float radius, QColor outline);

    // Every device pixel that a line of the given width between the two points
    // (twips) may set, at any zoom and ratio, lies in this rectangle (twips).
    // Inline: the Start run asks it for every bar.
    static QRectF reach(float x1, float y1, float x2, float y2, int lineWidth)
    {
        // Half the pen, and up to a device pixel for snapping the ends and for
        // the painter's own rounding: at most a logical pixel, the scale being
        // at least 1. Two pixels keep clear of any doubt.
        const double margin = (std::max(1, lineWidth) / 2.0 + 2.0) * kTwipsPerPixel;
        const double left = static_cast<double>(std::min(x1, x2)) - margin;
        const double top = static_cast<double>(std::min(y1, y2)) - margin;
        return {left, top, static_cast<double>(std::max(x1, x2)) + margin - left,
                static_cast<double>(std::max(y1, y2)) + margin - top};
    }

    // The device pixels that line() sets, at `scale` device pixels to the
    // design's logical pixel, for a one-pixel line upright at x from y1 to
    // y2 (twips), as the intensity bars are; empty when it sets none.
    // Whatever marks a bar's top from outside the picture asks here.
    static QRect uprightLinePixels(float x, float y1, float y2, double scale);

    // Paints the whole surface in the back colour.
    void erase();
    // Paints a caption onto the surface itself (rect in logical pixels): it is
    // then part of the picture, and drawing covers it.
    void paintCaption(QRect rect, const QString &text, const QFont &font);

    // A place in the sequence of drawing calls, counted from the surface's
    // first: it stays good while nothing drawn after it is forgotten, and
    // painting over forgets only what was drawn before the painting.
    std::uint64_t drawingMark() const { return forgotten_ + drawings_.size(); }
    // A handler that paints an area over in the back colour tells the surface
    // so: what was drawn before `since` and lies wholly within `area` (twips),
    // or has been drawn again just the same since, can no longer be seen and
    // is no longer kept (forgotten once the handler has returned, so that the
    // handler does not wait for it).
    void paintedOver(std::uint64_t since, QRectF area);
    // Takes back every drawing made since `mark`: the picture is drawn again
    // from what was drawn before it, as if nothing had come after.
    void takeBack(std::uint64_t mark);
    // How many drawings are kept, and the memory they take, in bytes.
    std::size_t drawingsKept() const { return drawings_.size(); }
    std::size_t keptBytes() const;

    // The retained picture in device pixels, and how many device pixels make
    // one logical pixel of the design (the zoom times the device pixel ratio).
    const QImage &image() const;
    double scale() const { return scale_; }
    // The colour at a logical pixel (its top-left device pixel).
    QColor pixelAt(int x, int y) const;

    // Counts of drawing calls since the surface was made.
    std::uint64_t linesDrawn() const { return linesDrawn_; }
    std::uint64_t circlesDrawn() const { return circlesDrawn_; }

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // One call of line(), circle() or paintCaption(), as it was made.
    struct Drawing {
        enum class Kind : std::uint8_t { Line, Circle, Caption };
        Kind kind;
        bool solid;       // a circle's fill
        int width;        // the line width in logical pixels; a caption's index
        float a, b, c, d; // x1 y1 x2 y2; x y radius; a caption's rectangle
        QRgb colour;
        QRgb fill;
        auto key() const { return std::tuple(kind, solid, width, a, b, c, d, colour, fill); }
    };
    struct Caption {
        QString text;
        QFont font;
    };

    // An area painted over, and the drawings that painted it.
    struct Cover {
        std::size_t since;
        std::size_t end;
        QRectF area;
    };

    // The picture's pixels, which its images borrow; they outlive the surface
    // while an image copied from it lives.
    struct Pixels {
        std::unique_ptr<uchar[]> bytes;
        std::size_t size = 0;
    };
    // An image of `size` over the kept pixels when no other image still
    // shows them and they are large enough, else over new ones of at least
    // `atLeast` bytes.
    void newImage(QSize size, std::size_t atLeast = 0);

    void forgetCovered();
    double ratio() const;
    // Draws everything kept again when the zoom or the ratio has changed.
    void rescaleIfNeeded();
    // A new image at the present scale with everything kept drawn into it.
    void drawAllAgain();
    QRect draw(const Drawing &drawing);
    QRect drawLine(const Drawing &line);
    QRect drawCircle(const Drawing &circle);
    QRect drawCaption(const Drawing &caption);
    QRectF reach(const Drawing &drawing) const;

    double toDevice(float twips) const { return toDevice(twips, scale_); }
    static double toDevice(float twips, double scale);
    int devicePenWidth(int lineWidth) const { return devicePenWidth(lineWidth, scale_); }
    static int devicePenWidth(int lineWidth, double scale);
    // The device pixels a thin pen sets when drawn through `points`.
    QRect penFootprint(QRect points, int lineWidth) const { return penFootprint(points, lineWidth, scale_); }
    static QRect penFootprint(QRect points, int lineWidth, double scale);
    // The caller has ended painting and clipped `rect` to the image.
    void fillRect(QRect rect, QRgb rgb);
    QPainter &painter();
    void endPainting() const;
    bool drawSpan(QPoint from, QPoint to, int lineWidth, QRgb colour);
    void changed(QRect deviceRect);
    void showChanges();

    std::shared_ptr<Pixels> pixels_;
    QImage image_;
    // One painter serves a whole burst of drawing: opening one per line would
    // cost more than the line. It is closed before anything reads the image,
    // which is why reading is const and closing it is not a change.
    mutable QPainter painter_;
    double zoom_ = 1.0;
    // Device pixels per logical pixel of the widget, and per pixel of the design.
    double ratio_ = 1.0;
    double scale_ = 1.0;
    std::vector<Drawing> drawings_;
    std::vector<Caption> captions_;
    std::vector<Cover> covers_;
    // Drawings forgotten since the surface was made, which marks count too.
    std::uint64_t forgotten_ = 0;
    int lineWidth_ = 1;
    FillStyle fillStyle_ = FillStyle::Transparent;
    QColor fillColour_ = Qt::black;
    QRect dirty_;
    bool showQueued_ = false;
    std::uint64_t linesDrawn_ = 0;
    std::uint64_t circlesDrawn_ = 0;
};

} // namespace korvane
