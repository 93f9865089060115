// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "value_stores.h"

#include "controls.h"
#include "locale_text.h"

#include <QLineEdit>

namespace korvane {

double storedFrequency(const Controls &c)
{
    return numberOrZero(c.nKmitočet->text());
}

RunParameters storedRunParameters(const Controls &c)
{
    return runParameters(c.nNdirek->text(), c.nKmitočet->text(), c.nSpomaleni->text());
}

RunParameters runParameters(const QString &slitCount, const QString &frequency, const QString &slowDown)
{
    return {slitCount.toStdString(), numberOrZero(slitCount), numberOrZero(frequency), numberOrZero(slowDown)};
}

} // namespace korvane
