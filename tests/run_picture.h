// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// A Start run away from any window: the values read from the stores' texts,
// as the Start handler reads them, and a surface that has never drawn
// anything else; swept without pause, then the read-out written, as the
// handler writes it when the sweep ends.

#include "animation_run.h"
#include "drawing_surface.h"
#include "phasor_model.h"
#include "value_stores.h"
#include "wave_strip.h"

#include <QImage>
#include <QLineEdit>

namespace korvane::test {

struct RunBench {
    RunParameters parameters;
    QLineEdit nKmitočet, nRelKmitočet;
    DrawingSurface surface;

    RunBench(const QString &slits, const QString &f, const QString &slowDown = QStringLiteral("0"))
        : parameters(runParameters(slits, f, slowDown))
        , nKmitočet(f)
    {
    }

    // The picture an untouched run leaves on reaching `column`.
    void runTo(int column)
    {
        AnimationRun run(parameters, surface);
        run.standAt(column);
    }

    void run()
    {
        runTo(scene::kLastColumn);
        ShowRelativeFrequency(nKmitočet, nRelKmitočet, "#.##");
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
