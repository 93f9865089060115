// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "app/drawing_surface.h"

#include "app/twips.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace korvane {

const QColor DrawingSurface::kBackColour(0xC0, 0xC0, 0xC0);

DrawingSurface::DrawingSurface(QWidget *parent)
    : QWidget(parent)
    , scale_(std::max(1.0, devicePixelRatioF()))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    resize(kLogicalSize);
    const QSize deviceSize(static_cast<int>(std::ceil(kLogicalSize.width() * scale_)),
                           static_cast<int>(std::ceil(kLogicalSize.height() * scale_)));
    image_ = QImage(deviceSize, QImage::Format_RGB32);
    image_.fill(kBackColour);
}

void DrawingSurface::setLineWidth(int pixels)
{
    lineWidth_ = std::max(1, pixels);
}

QColor DrawingSurface::foregroundColour() const
{
    // The active group's, so that the ink does not change when the window
    // loses the focus.
    return palette().color(QPalette::Active, QPalette::ButtonText);
}

namespace {

// Nothing this far outside the picture can ever be seen. Lines are cut here
// so that the painter's fixed-point arithmetic never meets the astronomic bar
// heights that a damaged value store could produce.
constexpr double kFar = 1 << 20;

// Cuts the segment to the square of half-side kFar (Liang-Barsky); false when
// nothing of it is inside. Segments that lie inside are returned untouched.
bool clipToFar(QPointF &from, QPointF &to)
{
    const QRectF box(-kFar, -kFar, 2 * kFar, 2 * kFar);
    if (box.contains(from) && box.contains(to))
        return true;
    const double dx = to.x() - from.x();
    const double dy = to.y() - from.y();
    double enter = 0.0;
    double leave = 1.0;
    const auto edge = [&](double p, double q) {
        if (p == 0.0)
            return q >= 0.0;
        const double t = q / p;
        if (p < 0.0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
        return enter <= leave;
    };
    if (!(edge(-dx, from.x() + kFar) && edge(dx, kFar - from.x()) && edge(-dy, from.y() + kFar)
          && edge(dy, kFar - from.y())))
        return false;
    const QPointF start = from;
    from = start + QPointF(dx, dy) * enter;
    to = start + QPointF(dx, dy) * leave;
    return true;
}

bool finite(float a, float b)
{
    return std::isfinite(a) && std::isfinite(b);
}

// The pixels from one corner to the other, both included. QRect(a, b).normalized()
// would lose a pixel when b lies above or left of a.
QRect spanning(QPoint a, QPoint b)
{
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

QPoint snapped(QPointF device)
{
    // Twips snap to the nearest device pixel, as the original scale mapping did.
    return {static_cast<int>(std::lround(device.x())), static_cast<int>(std::lround(device.y()))};
}

} // namespace

double DrawingSurface::toDevice(float twips) const
{
    return static_cast<double>(twips) * scale_ / kTwipsPerPixel;
}

int DrawingSurface::devicePenWidth() const
{
    return std::max(1, static_cast<int>(std::lround(lineWidth_ * scale_)));
}

QPainter &DrawingSurface::painter()
{
    if (!painter_.isActive())
        painter_.begin(&image_);
    return painter_;
}

void DrawingSurface::endPainting() const
{
    if (painter_.isActive())
        painter_.end();
}

QRect DrawingSurface::line(float x1, float y1, float x2, float y2)
{
    return line(x1, y1, x2, y2, foregroundColour());
}

QRect DrawingSurface::line(float x1, float y1, float x2, float y2, QColor colour)
{
    ++linesDrawn_;
    if (!finite(x1, y1) || !finite(x2, y2))
        return {};
    QPointF fromF(toDevice(x1), toDevice(y1));
    QPointF toF(toDevice(x2), toDevice(y2));
    if (!clipToFar(fromF, toF))
        return {};
    const QPoint from = snapped(fromF);
    const QPoint to = snapped(toF);
    const int width = devicePenWidth();
    const QRect bounds = spanning(from, to).adjusted(-width, -width, width, width);
    if (!bounds.intersects(image_.rect()))
        return {};
    if (!drawSpan(from, to, colour)) {
        QPainter &p = painter();
        // Thin lines include both end pixels; wide ones get round ends.
        p.setPen(QPen(colour, width, Qt::SolidLine, lineWidth_ > 1 ? Qt::RoundCap : Qt::SquareCap));
        p.drawLine(from, to);
    }
    changed(bounds);
    return bounds.intersected(image_.rect());
}

bool DrawingSurface::drawSpan(QPoint from, QPoint to, QColor colour)
{
    // A thin row or column, the intensity bars above all, is written straight
    // into the image: the painter would set exactly these pixels, both ends
    // included, at many times the cost. At a higher ratio the pen is a square
    // of device pixels centred on each point of the line.
    if (lineWidth_ != 1 || (from.x() != to.x() && from.y() != to.y()))
        return false;
    const QRect span = penFootprint(spanning(from, to)).intersected(image_.rect());
    if (span.isEmpty())
        return true;
    endPainting();
    fillRect(span, colour.rgb());
    return true;
}

void DrawingSurface::fillRect(QRect rect, QRgb rgb)
{
    uchar *const bits = image_.bits();
    const qsizetype stride = image_.bytesPerLine();
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(bits + y * stride);
        std::fill(row + rect.left(), row + rect.right() + 1, rgb);
    }
}

QRect DrawingSurface::penFootprint(QRect points) const
{
    const int width = devicePenWidth();
    const int before = width / 2;
    return points.adjusted(-before, -before, width - 1 - before, width - 1 - before);
}

QRect DrawingSurface::circle(float x, float y, float radius)
{
    return circle(x, y, radius, foregroundColour());
}

QRect DrawingSurface::circle(float x, float y, float radius, QColor outline)
{
    ++circlesDrawn_;
    if (!finite(x, y) || !std::isfinite(radius))
        return {};
    const QPointF centreF(toDevice(x), toDevice(y));
    const double radiusF = std::min(std::fabs(toDevice(radius)), kFar);
    if (std::fabs(centreF.x()) > kFar || std::fabs(centreF.y()) > kFar)
        return {};
    const QPoint centre = snapped(centreF);
    const int r = static_cast<int>(std::lround(radiusF));
    const int width = devicePenWidth();
    const QRect bounds = QRect(centre, centre).adjusted(-r - width, -r - width, r + width, r + width);
    if (!bounds.intersects(image_.rect()))
        return {};
    if (lineWidth_ == 1 && 2 * radiusF < width) {
        // A circle narrower than the pen is the pen's own dot, one pixel at
        // ratio 1: the strip draws 5001 of them.
        endPainting();
        const QRect dot = penFootprint(QRect(centre, QSize(1, 1)));
        fillRect(dot.intersected(image_.rect()), outline.rgb());
        changed(dot);
        return dot.intersected(image_.rect());
    }
    QPainter &p = painter();
    p.setPen(QPen(outline, width, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(fillStyle_ == FillStyle::Solid ? QBrush(fillColour_) : QBrush());
    if (r == 0)
        p.drawPoint(centre);
    else
        p.drawEllipse(centre, r, r);
    changed(bounds);
    return bounds.intersected(image_.rect());
}

void DrawingSurface::erase()
{
    endPainting();
    image_.fill(kBackColour);
    changed(image_.rect());
}

void DrawingSurface::paintCaption(QRect rect, const QString &text, const QFont &font)
{
    const QRectF deviceRect(rect.x() * scale_, rect.y() * scale_, rect.width() * scale_, rect.height() * scale_);
    endPainting();
    {
        QPainter painter(&image_);
        painter.scale(scale_, scale_);
        painter.fillRect(rect, kBackColour);
        painter.setFont(font);
        painter.setPen(foregroundColour());
        painter.drawText(rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    }
    changed(deviceRect.toAlignedRect());
}

void DrawingSurface::changed(QRect deviceRect)
{
    dirty_ |= deviceRect.intersected(image_.rect());
    if (!showQueued_) {
        // Many small changes in one handler become one update when it returns.
        showQueued_ = true;
        QMetaObject::invokeMethod(this, &DrawingSurface::showChanges, Qt::QueuedConnection);
    }
}

void DrawingSurface::showChanges()
{
    showQueued_ = false;
    endPainting();
    if (dirty_.isEmpty())
        return;
    const QRectF logical(dirty_.x() / scale_, dirty_.y() / scale_, dirty_.width() / scale_, dirty_.height() / scale_);
    update(logical.toAlignedRect());
    dirty_ = QRect();
}

void DrawingSurface::flush()
{
    showChanges();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

const QImage &DrawingSurface::image() const
{
    endPainting();
    return image_;
}

QColor DrawingSurface::pixelAt(int x, int y) const
{
    endPainting();
    const QPoint device(static_cast<int>(x * scale_), static_cast<int>(y * scale_));
    return image_.rect().contains(device) ? image_.pixelColor(device) : kBackColour;
}

void DrawingSurface::paintEvent(QPaintEvent *event)
{
    endPainting();
    QPainter painter(this);
    const QRect target = event->rect();
    const QRectF source(target.x() * scale_, target.y() * scale_, target.width() * scale_, target.height() * scale_);
    painter.drawImage(QRectF(target), image_, source);
}

} // namespace korvane
