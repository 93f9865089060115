// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "frequency.h"

#include "controls.h"
#include "locale_text.h"
#include "value_stores.h"
#include "wave_strip.h"

#include <QLineEdit>
#include <QScrollBar>

#include <cstdint>

namespace korvane {

namespace {

// The frequency is the bar's position plus its offset: 20 to 200 on the bar
// for 2 to 4 slits, 5 up on the grating's, whose maximum is raised to 40 at
// its first move.
constexpr std::int16_t kOffset = 20;
constexpr std::int16_t kGratingOffset = 5;
constexpr int kGratingMaximum = 40;

void storeFrequency(Controls &c, DrawingSurface &surface, const QScrollBar &bar, std::int16_t offset)
{
    // Positions are 16-bit; the bars' ranges keep the sum within 5..200.
    const auto f = static_cast<std::int16_t>(bar.value() + offset);
    c.nKmitočet->setText(wholeNumberQText(f));
    DrawIncidentWaveStrip(surface, storedFrequency(c));
    ShowRelativeFrequency(*c.nKmitočet, *c.nRelKmitočet, "#.##");
}

} // namespace

void HScrollKmitočetChange(Controls &c, DrawingSurface &surface)
{
    storeFrequency(c, surface, *c.HScrollKmitočet, kOffset);
}

void HScrollKmitocet20Change(Controls &c, DrawingSurface &surface)
{
    // Raised before the position is read; it never moves the position, since
    // the bar is at most at 10 until the maximum is 40.
    c.HScrollKmitocet20->setMaximum(kGratingMaximum);
    storeFrequency(c, surface, *c.HScrollKmitocet20, kGratingOffset);
}

} // namespace korvane
