// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "slow_down.h"

#include "controls.h"
#include "locale_text.h"

#include <QLineEdit>
#include <QScrollBar>

namespace korvane {

void HScrollSpomaleniChange(Controls &c)
{
    c.nSpomaleni->setText(wholeNumberQText(c.HScrollSpomaleni->value()));
    const double n = numberOrZero(c.nSpomaleni->text());
    // A whole number up to 30001: its text has neither separator nor decimals.
    c.nSpomaleni->setText(numberQText(3.0 * n + 1.0));
}

} // namespace korvane
