// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "slit_count.h"

#include "controls.h"
#include "value_stores.h"
#include "wave_strip.h"

#include <QLineEdit>
#include <QScrollBar>

namespace korvane {

void SelectSlitCount(Controls &c, DrawingSurface &surface, const SlitCountChoice &choice)
{
    c.nNdirek->setText(QString::fromLatin1(choice.slitCount));
    c.nKmitočet->setText(QString::fromLatin1(choice.defaultFrequency));
    // Setting a position that differs runs that bar's own change handler here,
    // nested, which draws the strip once more for the same frequency.
    if (choice.gratingBar) {
        c.HScrollKmitočet->hide();
        c.HScrollKmitocet20->show();
        c.HScrollKmitocet20->setValue(choice.barPosition);
    } else {
        c.HScrollKmitočet->show();
        c.HScrollKmitočet->setValue(choice.barPosition);
        c.HScrollKmitocet20->hide();
    }
    DrawIncidentWaveStrip(surface, storedFrequency(c));
    ShowRelativeFrequency(*c.nKmitočet, *c.nRelKmitočet, "#.##");
}

} // namespace korvane
