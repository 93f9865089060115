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
    return palette().color(QPalette::ButtonText);
}

int DrawingSurface::toDevice(float twips) const
{
    // Twips snap to the nearest device pixel, as the original scale mapping did.
    return static_cast<int>(std::lround(static_cast<double>(twips) * scale_ / kTwipsPerPixel));
}

int DrawingSurface::devicePenWidth() const
{
    return std::max(1, static_cast<int>(std::lround(lineWidth_ * scale_)));
}

void DrawingSurface::line(float x1, float y1, float x2, float y2)
{
    line(x1, y1, x2, y2, foregroundColour());
}

void DrawingSurface::line(float x1, float y1, float x2, float y2, QColor colour)
{
    ++linesDrawn_;
    const QPoint from(toDevice(x1), toDevice(y1));
    const QPoint to(toDevice(x2), toDevice(y2));
    const int width = devicePenWidth();
    {
        QPainter painter(&image_);
        // Thin lines include both end pixels; wide ones get round ends.
        painter.setPen(QPen(colour, width, Qt::SolidLine, width > 1 ? Qt::RoundCap : Qt::SquareCap));
        painter.drawLine(from, to);
    }
    changed(QRect(from, to).normalized().adjusted(-width, -width, width, width));
}

void DrawingSurface::circle(float x, float y, float radius)
{
    circle(x, y, radius, foregroundColour());
}

void DrawingSurface::circle(float x, float y, float radius, QColor outline)
{
    ++circlesDrawn_;
    const QPoint centre(toDevice(x), toDevice(y));
    const int r = toDevice(radius);
    const int width = devicePenWidth();
    if (r == 0 && width == 1) {
        // A circle smaller than a pixel is one pixel: the strip draws 5001 of them.
        if (image_.rect().contains(centre))
            image_.setPixel(centre, outline.rgb());
        changed(QRect(centre, QSize(1, 1)));
        return;
    }
    {
        QPainter painter(&image_);
        painter.setPen(QPen(outline, width, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(fillStyle_ == FillStyle::Solid ? QBrush(fillColour_) : QBrush());
        if (r == 0)
            painter.drawPoint(centre);
        else
            painter.drawEllipse(centre, r, r);
    }
    changed(QRect(centre, centre).adjusted(-r - width, -r - width, r + width, r + width));
}

void DrawingSurface::erase()
{
    image_.fill(kBackColour);
    changed(image_.rect());
}

void DrawingSurface::paintCaption(QRect rect, const QString &text, const QFont &font)
{
    const QRectF deviceRect(rect.x() * scale_, rect.y() * scale_, rect.width() * scale_, rect.height() * scale_);
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

QColor DrawingSurface::pixelAt(int x, int y) const
{
    const QPoint device(static_cast<int>(x * scale_), static_cast<int>(y * scale_));
    return image_.rect().contains(device) ? image_.pixelColor(device) : kBackColour;
}

void DrawingSurface::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect target = event->rect();
    const QRectF source(target.x() * scale_, target.y() * scale_, target.width() * scale_, target.height() * scale_);
    painter.drawImage(QRectF(target), image_, source);
}

} // namespace korvane
