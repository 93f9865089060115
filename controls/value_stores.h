// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// The value stores read into plain values for the scene, which knows no
// widgets. A text that is not a number reads as 0, as it always has.

#include "animation_run.h"

class QString;

namespace korvane {

struct Controls;

double storedFrequency(const Controls &c);

// Everything a Start run draws with, read once: nothing can change the stores
// while it lasts.
RunParameters storedRunParameters(const Controls &c);
// The same from the stores' three texts: slit count, frequency, slow-down.
RunParameters runParameters(const QString &slitCount, const QString &frequency, const QString &slowDown);

} // namespace korvane
