// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "zoom_style.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QStyleFactory>
#include <QStyleOptionSlider>

#include <cmath>

namespace korvane {

ZoomStyle::ZoomStyle()
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name()))
{
}

int ZoomStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    const int size = QProxyStyle::pixelMetric(metric, option, widget);
    switch (metric) {
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
    case PM_RadioButtonLabelSpacing:
    case PM_ButtonMargin:
    case PM_ScrollBarSliderMin:
    case PM_ScrollBarExtent:
        return zoom_ == 1.0 || atDesignSize_ ? size : static_cast<int>(std::lround(size * zoom_));
    default:
        return size;
    }
}

} // namespace korvane

namespace korvane {

void ZoomStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                                   const QWidget *widget) const
{
    const auto *bar = qstyleoption_cast<const QStyleOptionSlider *>(option);
    if (control != CC_ScrollBar || zoom_ == 1.0 || !bar || option->rect.isEmpty()) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    // The bar at its design size, drawn at the zoom as device pixels: the
    // style's arrows and lines grow with it, as they do at a higher ratio.
    // A scroll bar has no text, so nothing is drawn twice as large.
    const double ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    QPixmap pixmap(option->rect.size() * ratio);
    pixmap.setDevicePixelRatio(zoom_ * ratio);
    pixmap.fill(Qt::transparent);
    QStyleOptionSlider design = *bar;
    design.rect = QRect(QPoint(), (QSizeF(option->rect.size()) / zoom_).toSize());
    {
        QPainter pixmapPainter(&pixmap);
        atDesignSize_ = true;
        QProxyStyle::drawComplexControl(control, &design, &pixmapPainter, widget);
        atDesignSize_ = false;
    }
    painter->drawPixmap(option->rect, pixmap);
}

} // namespace korvane
