// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// The keys that move along the screen line, alike for a paused sweep and for
// the look-out: Left and Right a chain back or on, with Shift a pixel column
// at the zoom; Home to the first column and End to the last.

#include <optional>

class QKeyEvent;

namespace korvane {

// Left or Right, plain or with Shift, or plain Home or End, from the main
// keys or the keypad.
bool isColumnKey(const QKeyEvent *key);
// The column a column key other than End moves to from `at`; none for any
// other key. End's last column is the caller's to say.
std::optional<int> columnStep(const QKeyEvent *key, int at, double zoom);

} // namespace korvane
