// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// The slow-down bar: the factor 3 x position + 1 goes into its store; the
// Start run paces itself by it.

namespace korvane {

struct Controls;

void HScrollSpomaleniChange(Controls &controls);

} // namespace korvane
