// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "startup.h"

#include "design.h"
#include "wave_strip.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>

namespace korvane {

void KorvaneLoad(Controls &c)
{
    c.nNdirek->setText(QStringLiteral("4"));
    c.op4Dírky->setChecked(true);
    c.nSpomaleni->setText(QStringLiteral("1"));
    // The rest repeats what the selection just did, so the start-up state does
    // not depend on whether the selection ran its handler.
    c.nKmitočet->setText(QStringLiteral("20"));
    ShowRelativeFrequency(*c.nKmitočet, *c.nRelKmitočet, "0.00");
    c.HScrollKmitočet->show();
    c.HScrollKmitocet20->hide();
}

} // namespace korvane
