// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "far_field_layer.h"

#include "design.h"
#include "drawing_surface.h"
#include "look_out_view.h"
#include "twips.h"

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace korvane {

FarFieldLayer::FarFieldLayer(QWidget *parent)
    : Overlay(parent, QStringLiteral("farField"), tr("Far-field curve"))
{
}

void FarFieldLayer::setRun(const RunLookOut &run)
{
    run_ = run;
    setAccessibleDescription(farFieldCaption());
    fit();
}

void FarFieldLayer::fit()
{
    const double scale = zoom();
    if (!run_) {
        curve_.clear();
        drawn_ = QImage();
        return;
    }
    curve_ = farFieldCurve(*run_, scale, std::ceil(DrawingSurface::kLogicalSize.width() * scale));
    // Across the whole picture, from the caption over the tallest bar down to
    // just under the screen line: the curve is never higher than that bar.
    const QFont font = smallFont(scale);
    const double screen = scene::kScreenY / kTwipsPerPixel * scale;
    const double peak = (scene::kScreenY - run_->tallestBar()) / kTwipsPerPixel * scale;
    const int top = std::isfinite(peak)
                        ? std::clamp(static_cast<int>(std::floor(peak - 2.0 * QFontMetricsF(font).height())), 0,
                                     static_cast<int>(screen))
                        : 0;
    const int bottom = static_cast<int>(std::ceil(screen + 2.0 * scale));
    const int width = static_cast<int>(std::ceil(DrawingSurface::kLogicalSize.width() * scale));
    setGeometry(design().x(), design().y() + top, width, bottom - top);

    const double ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (drawn_.size() != pixels)
        drawn_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    drawn_.setDevicePixelRatio(ratio);
    drawn_.fill(Qt::transparent);
    QPainter painter(&drawn_);
    painter.translate(0.0, -top);
    drawFarFieldCurve(painter, curve_, scale, font, *run_, design().width());
    update();
}

void FarFieldLayer::paintEvent(QPaintEvent *event)
{
    if (drawn_.devicePixelRatio() != devicePixelRatioF())
        fit();
    QPainter painter(this);
    painter.drawImage(event->rect(), drawn_,
                      QRectF(QPointF(event->rect().topLeft()) * drawn_.devicePixelRatio(),
                             QSizeF(event->rect().size()) * drawn_.devicePixelRatio()));
}

} // namespace korvane
