// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "control_tips.h"

#include "controls.h"
#include "locale_text.h"
#include "pacer.h"
#include "phasor_model.h"
#include "wave_strip.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QScrollBar>

#include <chrono>
#include <cmath>

namespace korvane {

namespace {

constexpr int kColumns = scene::kLastColumn - scene::kFirstColumn + 1;

void tell(QWidget *widget, const QString &text)
{
    widget->setToolTip(text);
    widget->setAccessibleDescription(text);
}

// How long a run lasts at the slow-down store's factor, in whole seconds, or
// minutes and seconds; the drawing itself takes a few milliseconds.
QString runLength(const QString &slowDownStore)
{
    const std::chrono::duration<double> pause = Pacer::sweepPause(numberOrZero(slowDownStore), kColumns);
    const long long seconds = std::llround(pause.count());
    if (seconds < 1)
        return QCoreApplication::translate("ControlTips", "Slow-down: a run takes under a second. "
                                                          "Move right for a slower run, up to two minutes.");
    if (seconds < 60)
        //: %1 seconds.
        return QCoreApplication::translate("ControlTips", "Slow-down: a run takes about %1 s. "
                                                          "Move right for a slower run, up to two minutes.")
            .arg(wholeNumberQText(seconds));
    //: %1 minutes and %2 seconds.
    return QCoreApplication::translate("ControlTips", "Slow-down: a run takes about %1 min %2 s. "
                                                      "Move left for a faster run.")
        .arg(wholeNumberQText(seconds / 60), wholeNumberQText(seconds % 60));
}

} // namespace

void explainUncaptionedControls(const Controls &c)
{
    const auto slowDown = [&c] { tell(c.HScrollSpomaleni, runLength(c.nSpomaleni->text())); };
    // The read-out is written last when the frequency changes, so both its
    // tip and the bars' are made from it and the frequency store together.
    const auto frequency = [&c] {
        const QString f = c.nKmitočet->text();
        const QString readOut = c.nRelKmitočet->text();
        //: %1 names the frequency as the look-out does: the read-out, then the frequency.
        const QString bar = QCoreApplication::translate("ControlTips", "Frequency bar. Wavelengths per slit spacing: %1")
                                .arg(frequencyName(numberOrZero(f)));
        tell(c.HScrollKmitočet, bar);
        tell(c.HScrollKmitocet20, bar);
        //: %1 is the read-out, %2 the frequency it is worked out from, %3 the divisor 6.28.
        tell(c.nRelKmitočet,
             QCoreApplication::translate("ControlTips",
                                         "%1 wavelengths per slit spacing: the frequency, %2, divided by %3")
                 .arg(readOut, f, numberQText(kReadOutDivisor)));
    };
    QObject::connect(c.nSpomaleni, &QLineEdit::textChanged, c.HScrollSpomaleni, slowDown);
    QObject::connect(c.nRelKmitočet, &QLineEdit::textChanged, c.nRelKmitočet, frequency);
    slowDown();
    frequency();
}

} // namespace korvane
