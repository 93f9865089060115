// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// The window's drawing surface. Handlers draw lines and circles in twips; the
// surface keeps every pixel in an image, so covering or resizing the window
// loses nothing, and shows the changed region when the handler returns (or at
// once, from inside a long handler, through flush()).

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QWidget>

#include <cstdint>

class QFont;

namespace korvane {

class DrawingSurface : public QWidget
{
    Q_OBJECT

public:
    enum class FillStyle { Transparent, Solid };

    // Everything the program draws, so that a window enlarged beyond its
    // design size shows all of it: the Start run clears up to x = 12000 and
    // y = 9000 + half a 10-pixel line, and its last phasor chains reach
    // further right, to x = 12487 twips (832 px) with 4 slits at f = 21.
    static constexpr QSize kLogicalSize{840, 620};
    static const QColor kBackColour;

    explicit DrawingSurface(QWidget *parent = nullptr);

    void setLineWidth(int pixels);
    int lineWidth() const { return lineWidth_; }
    void setFillStyle(FillStyle style) { fillStyle_ = style; }
    FillStyle fillStyle() const { return fillStyle_; }
    void setFillColour(QColor colour) { fillColour_ = colour; }
    QColor fillColour() const { return fillColour_; }
    QColor foregroundColour() const;

    // Coordinates and radii in twips. Without a colour, the foreground colour.
    // Each returns the device rectangle it may have changed (empty when the
    // shape lies wholly outside the picture or a coordinate is not a number).
    QRect line(float x1, float y1, float x2, float y2);
    QRect line(float x1, float y1, float x2, float y2, QColor colour);
    // Outlined in the given or foreground colour, filled as the fill state says.
    QRect circle(float x, float y, float radius);
    QRect circle(float x, float y, float radius, QColor outline);

    // Paints the whole surface in the back colour.
    void erase();
    // Paints a caption onto the surface itself (rect in logical pixels): it is
    // then part of the picture, and drawing covers it.
    void paintCaption(QRect rect, const QString &text, const QFont &font);

    // For a handler that does not return to the event loop for a long time:
    // shows everything drawn so far and lets the toolkit paint, without
    // handling any user input.
    void flush();

    // The retained picture in device pixels, and how many device pixels make
    // one logical pixel.
    const QImage &image() const;
    double scale() const { return scale_; }
    // The colour at a logical pixel (its top-left device pixel).
    QColor pixelAt(int x, int y) const;

    // Counts of drawing calls since the surface was made.
    std::uint64_t linesDrawn() const { return linesDrawn_; }
    std::uint64_t circlesDrawn() const { return circlesDrawn_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    double toDevice(float twips) const;
    int devicePenWidth() const;
    // The device pixels a thin pen sets when drawn through `points`.
    QRect penFootprint(QRect points) const;
    // The caller has ended painting and clipped `rect` to the image.
    void fillRect(QRect rect, QRgb rgb);
    QPainter &painter();
    void endPainting() const;
    bool drawSpan(QPoint from, QPoint to, QColor colour);
    void changed(QRect deviceRect);
    void showChanges();

    QImage image_;
    // One painter serves a whole burst of drawing: opening one per line would
    // cost more than the line. It is closed before anything reads the image,
    // which is why reading is const and closing it is not a change.
    mutable QPainter painter_;
    double scale_ = 1.0;
    int lineWidth_ = 1;
    FillStyle fillStyle_ = FillStyle::Transparent;
    QColor fillColour_ = Qt::black;
    QRect dirty_;
    bool showQueued_ = false;
    std::uint64_t linesDrawn_ = 0;
    std::uint64_t circlesDrawn_ = 0;
};

} // namespace korvane
