// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "app/accessible_names.h"

#include "app/design.h"
#include "app/drawing_surface.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace korvane {

namespace {

void name(QWidget *widget, const char *accessibleName, const char *description = nullptr)
{
    widget->setAccessibleName(QString::fromUtf8(accessibleName));
    if (description)
        widget->setAccessibleDescription(QString::fromUtf8(description));
}

} // namespace

void nameForAccessibility(const Controls &c, DrawingSurface &surface)
{
    name(c.nTitul, "Title");
    name(c.cmdStart, "Start", "Runs the animation for the chosen number of slits and frequency");
    name(c.cmdKonec, "Exit", "Ends the program");
    name(c.HScrollSpomaleni, "Slow-down factor", "Moves right for a slower animation");
    name(c.nKmitočet, "Frequency store");
    name(c.nSpomaleni, "Slow-down factor store");
    name(c.nNdirek, "Number of slits store");
    name(c.Picture1, "Frame of the grating picture");
    name(c.Picture2, "Grating picture",
         "White light split by a grating: a white maximum in the middle, then blue, green and red maxima on "
         "either side");
    name(c.nNomKmitočet, "Number of slits");
    name(c.op2, "2 slits");
    name(c.op3Dirky, "3 slits");
    name(c.op4Dírky, "4 slits");
    name(c.op20, "20 slits, a grating");
    name(c.nWavelenghts, "Caption: number of wavelengths per slit spacing");
    name(c.nRelKmitočet, "Number of wavelengths per slit spacing");
    name(c.HScrollKmitočet, "Frequency, for 2 to 4 slits");
    name(c.HScrollKmitocet20, "Frequency, for 20 slits");
    name(c.nSměs, "Caption: equal mixture of red, green and blue");
    name(c.nCornu, "Caption: Cornu spirals");
    name(c.nMřížka, "Caption: diaphragm with grating");
    name(&surface, "Simulation",
         "The incident wave, the diaphragm with its slits, the rays, the phasor chains and the interference "
         "profile on the screen");
}

} // namespace korvane
