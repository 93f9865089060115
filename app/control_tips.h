// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// The tooltips of the controls that have no caption of their own: the
// slow-down bar (how long a run lasts at its setting), the frequency bars and
// the read-out (the frequency and what the read-out makes of it). A screen
// reader hears the same, as each control's description. They follow the
// value stores, so they always say what the next run will use.

namespace korvane {

struct Controls;

void explainUncaptionedControls(const Controls &controls);

} // namespace korvane
