// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "order_marks.h"

#include "design.h"
#include "drawing_surface.h"
#include "look_out_view.h"
#include "twips.h"

#include <QPainter>

#include <cmath>
#include <utility>

namespace korvane {

OrderMarks::OrderMarks(QWidget *parent)
    : Overlay(parent, QStringLiteral("orderMarks"), tr("Orders of the grating equation"))
{
}

void OrderMarks::setOrders(std::vector<Order> orders)
{
    orders_ = std::move(orders);
    QStringList labels;
    for (const Order &order : orders_)
        labels << orderLabel(order.m);
    setAccessibleDescription(labels.join(QStringLiteral(", ")));
    update();
}

void OrderMarks::fit()
{
    // From the screen line's row down.
    const int top = static_cast<int>(std::floor(scene::kScreenY / kTwipsPerPixel * zoom()));
    const int width = static_cast<int>(std::ceil(DrawingSurface::kLogicalSize.width() * zoom()));
    setGeometry(design().x(), design().y() + top, width, orderMarksDepth(zoom(), smallFont(zoom())));
    update();
}

void OrderMarks::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawOrderMarks(painter, orders_, zoom(), smallFont(zoom()), palette().color(QPalette::WindowText),
                   DrawingSurface::kBackColour);
}

} // namespace korvane
