// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// What a screen reader says for each control. Most controls are captionless or
// share captions with their neighbours ("2", "3", three look-alike scroll
// bars), so each gets a name of its own that says what it sets or shows.

namespace korvane {

struct Controls;
class DrawingSurface;

void nameForAccessibility(const Controls &controls, DrawingSurface &surface);

} // namespace korvane
