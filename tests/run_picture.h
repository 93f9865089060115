// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// A Start run away from any window: the value stores and the read-out it
// reads and writes, a surface that has never drawn anything else, and a clock
// that only moves when told to, so the slow-down costs no real time.

#include "fake_clock.h"

#include "app/design.h"
#include "app/drawing_surface.h"
#include "sim/animation_run.h"

#include <QImage>
#include <QLineEdit>

#include <chrono>

namespace korvane::test {

struct RunBench {
    QLineEdit nNdirek, nKmitočet, nSpomaleni, nRelKmitočet;
    Controls controls{.nKmitočet = &nKmitočet, .nSpomaleni = &nSpomaleni, .nRelKmitočet = &nRelKmitočet,
                      .nNdirek = &nNdirek};
    DrawingSurface surface;
    FakeClock clock;

    RunBench(const QString &slits, const QString &f, const QString &slowDown = QStringLiteral("0"))
        : nNdirek(slits)
        , nKmitočet(f)
        , nSpomaleni(slowDown)
    {
    }

    RunReport run() { return RunStart(controls, surface, clock, std::chrono::milliseconds(16)); }
};

// The picture a run leaves on a fresh surface.
inline QImage freshRunPicture(const QString &slits, const QString &f)
{
    RunBench bench(slits, f);
    bench.run();
    return bench.surface.image();
}

} // namespace korvane::test
