// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// The orders of the grating equation, marked under the screen line when the
// teacher asks for them. They lie over the picture in a layer of their own:
// taking them away gives back the rays beneath, which painting over them in
// grey would not.

#include "look_out.h"
#include "overlay.h"

#include <vector>

namespace korvane {

class OrderMarks : public Overlay
{
    Q_OBJECT

public:
    explicit OrderMarks(QWidget *parent);

    void setOrders(std::vector<Order> orders);
    const std::vector<Order> &orders() const { return orders_; }

protected:
    // Under the screen line of the design, across the whole picture.
    void fit() override;
    void paintEvent(QPaintEvent *event) override;

private:
    std::vector<Order> orders_;
};

} // namespace korvane
