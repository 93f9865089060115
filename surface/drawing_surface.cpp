// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "drawing_surface.h"

#include "twips.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace korvane {

const QColor DrawingSurface::kBackColour(0xC0, 0xC0, 0xC0);

DrawingSurface::DrawingSurface(QWidget *parent)
    : QWidget(parent)
    , ratio_(ratio())
    , scale_(ratio_)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    resize(kLogicalSize);
    const QSize deviceSize(static_cast<int>(std::ceil(kLogicalSize.width() * scale_)),
                           static_cast<int>(std::ceil(kLogicalSize.height() * scale_)));
    newImage(deviceSize);
    image_.fill(kBackColour);
}

void DrawingSurface::newImage(QSize size, std::size_t atLeast)
{
    // Let go of the present image first: if nothing else shows its pixels,
    // they are ours to draw on again.
    image_ = QImage();
    const std::size_t bytes = std::max(atLeast, static_cast<std::size_t>(size.width())
                                                    * static_cast<std::size_t>(size.height()) * 4);
    if (!pixels_ || pixels_.use_count() > 1 || pixels_->size < bytes) {
        pixels_ = std::make_shared<Pixels>();
        // Left uninitialised: the system hands a page over when it is first
        // painted, and a larger zoom may never come.
        pixels_->size = bytes;
        pixels_->bytes.reset(new uchar[bytes]);
    }
    // Each image holds the pixels for as long as it, or a copy of it, lives.
    image_ = QImage(
        pixels_->bytes.get(), size.width(), size.height(), size.width() * 4, QImage::Format_RGB32,
        [](void *holder) { delete static_cast<std::shared_ptr<Pixels> *>(holder); },
        new std::shared_ptr<Pixels>(pixels_));
}

void DrawingSurface::reserve(double zoom)
{
    const double scale = zoom * ratio();
    const std::size_t bytes = static_cast<std::size_t>(std::ceil(kLogicalSize.width() * scale))
                              * static_cast<std::size_t>(std::ceil(kLogicalSize.height() * scale)) * 4;
    if (pixels_->size >= bytes)
        return;
    endPainting();
    // Drawn into the larger pixels as it stands, so that nothing is lost.
    const QImage standing = image_.copy();
    newImage(standing.size(), bytes);
    std::memcpy(image_.bits(), standing.constBits(), static_cast<std::size_t>(standing.sizeInBytes()));
}

double DrawingSurface::ratio() const
{
    return std::max(1.0, devicePixelRatioF());
}

void DrawingSurface::setZoom(double zoom)
{
    // Below 100 % too: a phone's page shows the design scaled down to fit.
    if (!(zoom > 0.0))
        return;
    zoom_ = zoom;
    resize(static_cast<int>(std::ceil(kLogicalSize.width() * zoom_)),
           static_cast<int>(std::ceil(kLogicalSize.height() * zoom_)));
    rescaleIfNeeded();
}

void DrawingSurface::rescaleIfNeeded()
{
    const double ratio = this->ratio();
    if (ratio == ratio_ && zoom_ * ratio == scale_)
        return;
    forgetCovered();
    ratio_ = ratio;
    scale_ = zoom_ * ratio;
    drawAllAgain();
}

void DrawingSurface::drawAllAgain()
{
    endPainting();
    const QSize deviceSize(static_cast<int>(std::ceil(kLogicalSize.width() * scale_)),
                           static_cast<int>(std::ceil(kLogicalSize.height() * scale_)));
    if (image_.size() != deviceSize)
        newImage(deviceSize);
    image_.fill(kBackColour);
    // Every call again, in its order: the same calls give the pixels they
    // would have given had they been made at this scale first.
    for (const Drawing &drawing : drawings_)
        draw(drawing);
    endPainting();
    dirty_ = QRect();
    update();
}

void DrawingSurface::takeBack(std::uint64_t mark)
{
    if (mark < forgotten_ || mark >= drawingMark())
        return;
    const std::size_t kept = static_cast<std::size_t>(mark - forgotten_);
    drawings_.resize(kept);
    // A painting over that is taken back forgets nothing.
    std::erase_if(covers_, [kept](const Cover &cover) { return cover.end > kept; });
    drawAllAgain();
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

// QRect's own intersection and union are not inline, and every line asks for both.
QRect clipped(QRect r, QSize size)
{
    const int left = std::max(r.left(), 0);
    const int top = std::max(r.top(), 0);
    const int right = std::min(r.right(), size.width() - 1);
    const int bottom = std::min(r.bottom(), size.height() - 1);
    return left > right || top > bottom ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

QRect united(QRect a, QRect b)
{
    if (a.isEmpty())
        return b;
    if (b.isEmpty())
        return a;
    return {QPoint(std::min(a.left(), b.left()), std::min(a.top(), b.top())),
            QPoint(std::max(a.right(), b.right()), std::max(a.bottom(), b.bottom()))};
}

QPoint snapped(QPointF device)
{
    // Twips snap to the nearest device pixel, as the original scale mapping did.
    return {static_cast<int>(std::lround(device.x())), static_cast<int>(std::lround(device.y()))};
}

} // namespace

double DrawingSurface::toDevice(float twips, double scale)
{
    return static_cast<double>(twips) * scale / kTwipsPerPixel;
}

int DrawingSurface::devicePenWidth(int lineWidth, double scale)
{
    return std::max(1, static_cast<int>(std::lround(lineWidth * scale)));
}

QRect DrawingSurface::uprightLinePixels(float x, float y1, float y2, double scale)
{
    if (!finite(x, y1) || !std::isfinite(y2))
        return {};
    QPointF fromF(toDevice(x, scale), toDevice(y1, scale));
    QPointF toF(toDevice(x, scale), toDevice(y2, scale));
    if (!clipToFar(fromF, toF))
        return {};
    return penFootprint(spanning(snapped(fromF), snapped(toF)), 1, scale);
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

QRectF DrawingSurface::reach(const Drawing &drawing) const
{
    switch (drawing.kind) {
    case Drawing::Kind::Line:
        return reach(drawing.a, drawing.b, drawing.c, drawing.d, drawing.width);
    case Drawing::Kind::Circle: {
        const float r = std::fabs(drawing.c);
        return reach(drawing.a - r, drawing.b - r, drawing.a + r, drawing.b + r, drawing.width);
    }
    case Drawing::Kind::Caption:
        break;
    }
    // A caption's text may run a little beyond its box.
    return reach(drawing.a, drawing.b, drawing.a + drawing.c, drawing.b + drawing.d, 4);
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
    drawings_.push_back({Drawing::Kind::Line, false, lineWidth_, x1, y1, x2, y2, colour.rgb(), 0});
    return drawLine(drawings_.back());
}

QRect DrawingSurface::drawLine(const Drawing &line)
{
    QPointF fromF(toDevice(line.a), toDevice(line.b));
    QPointF toF(toDevice(line.c), toDevice(line.d));
    if (!clipToFar(fromF, toF))
        return {};
    const QPoint from = snapped(fromF);
    const QPoint to = snapped(toF);
    const int width = devicePenWidth(line.width);
    const QRect bounds = clipped(spanning(from, to).adjusted(-width, -width, width, width), image_.size());
    if (bounds.isEmpty())
        return {};
    if (!drawSpan(from, to, line.width, line.colour)) {
        QPainter &p = painter();
        // Thin lines include both end pixels; wide ones get round ends.
        p.setPen(QPen(QColor(line.colour), width, Qt::SolidLine, line.width > 1 ? Qt::RoundCap : Qt::SquareCap));
        p.drawLine(from, to);
    }
    changed(bounds);
    return bounds;
}

bool DrawingSurface::drawSpan(QPoint from, QPoint to, int lineWidth, QRgb colour)
{
    // A thin row or column, the intensity bars above all, is written straight
    // into the image: the painter would set exactly these pixels, both ends
    // included, at many times the cost. At a higher ratio the pen is a square
    // of device pixels centred on each point of the line.
    if (lineWidth != 1 || (from.x() != to.x() && from.y() != to.y()))
        return false;
    const QRect span = clipped(penFootprint(spanning(from, to), lineWidth), image_.size());
    if (span.isEmpty())
        return true;
    endPainting();
    fillRect(span, colour);
    return true;
}

void DrawingSurface::fillRect(QRect rect, QRgb rgb)
{
    if (rect.isEmpty())
        return;
    const qsizetype stride = image_.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    auto *row = reinterpret_cast<QRgb *>(image_.bits()) + rect.top() * stride + rect.left();
    const int width = rect.width();
    for (int y = rect.top(); y <= rect.bottom(); ++y, row += stride) {
        // Most spans are the one-pixel columns of the intensity bars.
        if (width == 1)
            *row = rgb;
        else
            std::fill(row, row + width, rgb);
    }
}

QRect DrawingSurface::penFootprint(QRect points, int lineWidth, double scale)
{
    const int width = devicePenWidth(lineWidth, scale);
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
    drawings_.push_back({Drawing::Kind::Circle, fillStyle_ == FillStyle::Solid, lineWidth_, x, y, radius, 0.0f,
                         outline.rgb(), fillColour_.rgb()});
    return drawCircle(drawings_.back());
}

QRect DrawingSurface::drawCircle(const Drawing &circle)
{
    const QPointF centreF(toDevice(circle.a), toDevice(circle.b));
    const double radiusF = std::min(std::fabs(toDevice(circle.c)), kFar);
    if (std::fabs(centreF.x()) > kFar || std::fabs(centreF.y()) > kFar)
        return {};
    const QPoint centre = snapped(centreF);
    const int r = static_cast<int>(std::lround(radiusF));
    const int width = devicePenWidth(circle.width);
    const QRect bounds = clipped(QRect(centre, centre).adjusted(-r - width, -r - width, r + width, r + width),
                                 image_.size());
    if (bounds.isEmpty())
        return {};
    if (circle.width == 1 && 2 * radiusF < width) {
        // A circle narrower than the pen is the pen's own dot, one pixel at
        // ratio 1: the strip draws 5001 of them.
        endPainting();
        const QRect dot = clipped(penFootprint(QRect(centre, QSize(1, 1)), circle.width), image_.size());
        fillRect(dot, circle.colour);
        changed(dot);
        return dot;
    }
    QPainter &p = painter();
    p.setPen(QPen(QColor(circle.colour), width, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(circle.solid ? QBrush(QColor(circle.fill)) : QBrush());
    if (r == 0)
        p.drawPoint(centre);
    else
        p.drawEllipse(centre, r, r);
    changed(bounds);
    return bounds;
}

QRect DrawingSurface::draw(const Drawing &drawing)
{
    switch (drawing.kind) {
    case Drawing::Kind::Line:
        return drawLine(drawing);
    case Drawing::Kind::Circle:
        return drawCircle(drawing);
    case Drawing::Kind::Caption:
        break;
    }
    return drawCaption(drawing);
}

void DrawingSurface::erase()
{
    endPainting();
    image_.fill(kBackColour);
    drawings_.clear();
    captions_.clear();
    covers_.clear();
    changed(image_.rect());
}

void DrawingSurface::paintCaption(QRect rect, const QString &text, const QFont &font)
{
    const auto index = static_cast<int>(captions_.size());
    captions_.push_back({text, font});
    const auto twips = [](int pixels) { return static_cast<float>(pixels * kTwipsPerPixel); };
    drawings_.push_back({Drawing::Kind::Caption, false, index, twips(rect.x()), twips(rect.y()), twips(rect.width()),
                         twips(rect.height()), 0, 0});
    drawCaption(drawings_.back());
}

QRect DrawingSurface::drawCaption(const Drawing &caption)
{
    const QRect rect(static_cast<int>(caption.a) / kTwipsPerPixel, static_cast<int>(caption.b) / kTwipsPerPixel,
                     static_cast<int>(caption.c) / kTwipsPerPixel, static_cast<int>(caption.d) / kTwipsPerPixel);
    const Caption &text = captions_[static_cast<std::size_t>(caption.width)];
    const QRectF deviceRect(rect.x() * scale_, rect.y() * scale_, rect.width() * scale_, rect.height() * scale_);
    endPainting();
    {
        QPainter painter(&image_);
        painter.scale(scale_, scale_);
        painter.fillRect(rect, kBackColour);
        painter.setFont(text.font);
        painter.setPen(foregroundColour());
        painter.drawText(rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text.text);
    }
    changed(deviceRect.toAlignedRect());
    return deviceRect.toAlignedRect().intersected(image_.rect());
}

void DrawingSurface::paintedOver(std::uint64_t since, QRectF area)
{
    if (covers_.empty())
        QMetaObject::invokeMethod(this, &DrawingSurface::forgetCovered, Qt::QueuedConnection);
    const std::size_t index = since < forgotten_ ? 0 : static_cast<std::size_t>(since - forgotten_);
    covers_.push_back({std::min(index, drawings_.size()), drawings_.size(), area});
}

void DrawingSurface::forgetCovered()
{
    // Nothing outside the picture is ever seen, so the part of a drawing that
    // lies there does not keep it. Plain arithmetic: this looks at every
    // drawing of the last run.
    const double width = kLogicalSize.width() * kTwipsPerPixel;
    const double height = kLogicalSize.height() * kTwipsPerPixel;
    std::vector<bool> gone(drawings_.size());
    for (const Cover &cover : covers_) {
        std::vector<decltype(std::declval<Drawing>().key())> again;
        again.reserve(cover.end - cover.since);
        for (std::size_t i = cover.since; i < cover.end; ++i)
            again.push_back(drawings_[i].key());
        std::sort(again.begin(), again.end());
        const QRectF &area = cover.area;
        for (std::size_t i = 0; i < cover.since; ++i) {
            if (gone[i])
                continue;
            const Drawing &d = drawings_[i];
            const QRectF r = reach(d);
            const double left = std::max(r.left(), 0.0);
            const double top = std::max(r.top(), 0.0);
            const double right = std::min(r.right(), width);
            const double bottom = std::min(r.bottom(), height);
            gone[i] = left >= right || top >= bottom
                      || (left >= area.left() && right <= area.right() && top >= area.top() && bottom <= area.bottom())
                      || std::binary_search(again.begin(), again.end(), d.key());
        }
    }
    covers_.clear();
    std::size_t kept = 0;
    for (std::size_t i = 0; i < drawings_.size(); ++i)
        if (!gone[i])
            drawings_[kept++] = drawings_[i];
    forgotten_ += drawings_.size() - kept;
    drawings_.resize(kept);
}

std::size_t DrawingSurface::keptBytes() const
{
    std::size_t bytes = drawings_.capacity() * sizeof(Drawing) + captions_.capacity() * sizeof(Caption);
    for (const Caption &caption : captions_)
        bytes += static_cast<std::size_t>(caption.text.capacity()) * sizeof(QChar);
    return bytes;
}

void DrawingSurface::changed(QRect deviceRect)
{
    dirty_ = united(dirty_, clipped(deviceRect, image_.size()));
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
    const QRectF logical(dirty_.x() / ratio_, dirty_.y() / ratio_, dirty_.width() / ratio_, dirty_.height() / ratio_);
    update(logical.toAlignedRect());
    dirty_ = QRect();
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

bool DrawingSurface::mayChangeRatio(const QEvent *event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    if (event->type() == QEvent::DevicePixelRatioChange)
        return true;
#endif
    return event->type() == QEvent::ScreenChangeInternal;
}

bool DrawingSurface::event(QEvent *event)
{
    if (mayChangeRatio(event))
        rescaleIfNeeded();
    return QWidget::event(event);
}

void DrawingSurface::paintEvent(QPaintEvent *event)
{
    // Should a ratio change come without its notice, the first paint at the
    // new ratio still draws the picture for it.
    rescaleIfNeeded();
    endPainting();
    QPainter painter(this);
    const QRect target = event->rect();
    const QRectF source(target.x() * ratio_, target.y() * ratio_, target.width() * ratio_, target.height() * ratio_);
    painter.drawImage(QRectF(target), image_, source);
}

} // namespace korvane
