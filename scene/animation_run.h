// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// The Start run's picture as far as the sweep has come: it clears the window,
// draws the incident-wave strip and the scene, then sweeps the screen column
// by column with rays, phasor chains and intensity bars. It can stand at any
// column, go on from there, or go back to an earlier one, where it leaves the
// picture that an untouched run leaves on reaching that column. Its
// parameters are the value stores' texts, which the Start handler reads once
// and hands over as plain values. When to draw is the player's business
// (run_player.h).

#include "sweep_steps.h"

#include <QColor>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace korvane {

class DrawingSurface;

struct RunParameters {
    // The model tells "2", "3", "4" and "20" apart by their exact text, and
    // takes the count of slits from the same text read as a number.
    std::string slitCountText;
    double slitCount = 0.0;
    double frequency = 0.0;
    double slowDown = 0.0;
};

class AnimationRun
{
public:
    // Clears the band and draws the strip and the scene: the picture before
    // the first column.
    AnimationRun(const RunParameters &parameters, DrawingSurface &surface);
    ~AnimationRun();
    AnimationRun(const AnimationRun &) = delete;
    AnimationRun &operator=(const AnimationRun &) = delete;

    const RunParameters &parameters() const { return parameters_; }
    // The last column drawn, kBeforeFirstColumn before the first.
    int reached() const { return reached_; }
    bool sweptToTheEnd() const;

    // The raw intensity of each column drawn, from the first, handed over:
    // the run's profile as numbers, for whatever compares it with a later run.
    std::vector<double> takeRawIntensities() { return std::move(raw_); }

    void drawNextColumn();
    // Draws on up to `column`, or takes the picture back to it, drawing again
    // what lies before it.
    void standAt(int column);

private:
    class SlitStubs;

    void drawColumn(int P);
    // A line in the foreground colour, which may cover a stub.
    void inked(double x1, double y1, double x2, double y2, int P);

    RunParameters parameters_;
    DrawingSurface &surface_;
    int slits_;
    double phasorLength_;
    double scale_;
    QColor ink_;
    std::unique_ptr<SlitStubs> stubs_;
    int reached_ = kBeforeFirstColumn;
    // The surface's mark before each column drawn, and after the last: going
    // back to a column takes back whatever came after it.
    std::vector<std::uint64_t> marks_;
    std::vector<double> raw_;
};

} // namespace korvane
