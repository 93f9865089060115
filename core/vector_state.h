// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// Some of the toolkit's drawing code leaves the upper halves of the AVX
// registers in use without clearing them. On recent Intel cores every plain
// SSE instruction that follows then pays for merging them: the phasor model,
// all SSE arithmetic, ran seven times slower inside the program than alone.
// Clearing them is one instruction, and nothing on processors without AVX.
namespace korvane {

void clearUpperVectorState();

} // namespace korvane
