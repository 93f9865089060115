// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

namespace korvane {

struct Controls;

// The window's load handler: 4 slits, frequency 20, slow-down factor 1. Runs
// once, before the window is first shown; selecting the 4-slit button runs
// that button's handler nested.
void KorvaneLoad(Controls &controls);

} // namespace korvane
