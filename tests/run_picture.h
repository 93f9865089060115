// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// A Start run away from any window: the values read from the stores' texts,
// as the Start handler reads them, a surface that has never drawn anything
// else, and a clock that only moves when told to, so the slow-down costs no
// real time. Then the read-out, as the handler writes it after the run.

#include "fake_clock.h"

#include "animation_run.h"
#include "drawing_surface.h"
#include "value_stores.h"
#include "wave_strip.h"

#include <QImage>
#include <QLineEdit>

#include <chrono>

namespace korvane::test {

struct RunBench {
    RunParameters parameters;
    QLineEdit nKmitočet, nRelKmitočet;
    DrawingSurface surface;
    FakeClock clock;

    RunBench(const QString &slits, const QString &f, const QString &slowDown = QStringLiteral("0"))
        : parameters(runParameters(slits, f, slowDown))
        , nKmitočet(f)
    {
    }

    RunReport run()
    {
        const RunReport report = RunAnimation(parameters, surface, clock, std::chrono::milliseconds(16));
        ShowRelativeFrequency(nKmitočet, nRelKmitočet, "#.##");
        return report;
    }
};

// The picture a run leaves on a fresh surface.
inline QImage freshRunPicture(const QString &slits, const QString &f)
{
    RunBench bench(slits, f);
    bench.run();
    return bench.surface.image();
}

} // namespace korvane::test
