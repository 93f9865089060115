// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "accessible_names.h"

#include "design.h"
#include "drawing_surface.h"

#include <QCoreApplication>
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
    widget->setAccessibleName(QCoreApplication::translate("Accessibility", accessibleName));
    if (description)
        widget->setAccessibleDescription(QCoreApplication::translate("Accessibility", description));
}

} // namespace

void nameForAccessibility(const Controls &c, DrawingSurface &surface)
{
    name(c.nTitul, QT_TRANSLATE_NOOP("Accessibility", "Title"));
    name(c.cmdStart, QT_TRANSLATE_NOOP("Accessibility", "Start"),
         QT_TRANSLATE_NOOP("Accessibility", "Runs the animation for the chosen number of slits and frequency"));
    name(c.cmdKonec, QT_TRANSLATE_NOOP("Accessibility", "Exit"),
         QT_TRANSLATE_NOOP("Accessibility", "Ends the program"));
    // Its description is its tooltip, which says how long a run lasts
    // (control_tips.h).
    name(c.HScrollSpomaleni, QT_TRANSLATE_NOOP("Accessibility", "Slow-down factor"));
    name(c.nKmitočet, QT_TRANSLATE_NOOP("Accessibility", "Frequency store"));
    name(c.nSpomaleni, QT_TRANSLATE_NOOP("Accessibility", "Slow-down factor store"));
    name(c.nNdirek, QT_TRANSLATE_NOOP("Accessibility", "Number of slits store"));
    name(c.Picture1, QT_TRANSLATE_NOOP("Accessibility", "Frame of the grating picture"));
    name(c.Picture2, QT_TRANSLATE_NOOP("Accessibility", "Grating picture"),
         QT_TRANSLATE_NOOP("Accessibility", "White light split by a grating: a white maximum in the middle, then "
                                            "blue, green and red maxima on either side"));
    name(c.nNomKmitočet, QT_TRANSLATE_NOOP("Accessibility", "Number of slits"));
    name(c.op2, QT_TRANSLATE_NOOP("Accessibility", "2 slits"));
    name(c.op3Dirky, QT_TRANSLATE_NOOP("Accessibility", "3 slits"));
    name(c.op4Dírky, QT_TRANSLATE_NOOP("Accessibility", "4 slits"));
    name(c.op20, QT_TRANSLATE_NOOP("Accessibility", "20 slits, a grating"));
    name(c.nWavelenghts, QT_TRANSLATE_NOOP("Accessibility", "Caption: number of wavelengths per slit spacing"));
    name(c.nRelKmitočet, QT_TRANSLATE_NOOP("Accessibility", "Number of wavelengths per slit spacing"));
    name(c.HScrollKmitočet, QT_TRANSLATE_NOOP("Accessibility", "Frequency, for 2 to 4 slits"));
    name(c.HScrollKmitocet20, QT_TRANSLATE_NOOP("Accessibility", "Frequency, for 20 slits"));
    name(c.nSměs, QT_TRANSLATE_NOOP("Accessibility", "Caption: equal mixture of red, green and blue"));
    name(c.nCornu, QT_TRANSLATE_NOOP("Accessibility", "Caption: Cornu spirals"));
    name(c.nMřížka, QT_TRANSLATE_NOOP("Accessibility", "Caption: diaphragm with grating"));
    name(&surface, QT_TRANSLATE_NOOP("Accessibility", "Simulation"),
         QT_TRANSLATE_NOOP("Accessibility", "The incident wave, the diaphragm with its slits, the rays, the phasor "
                                            "chains and the interference profile on the screen"));
}

} // namespace korvane
