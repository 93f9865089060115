#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Korvane developers
"""Compares the far-field curve in a screenshot of Korvane's window with the
textbook's formula worked here, independently of the program: for every pixel
column x of the window (at 100 %, ratio 1), theta from the slits' middle to
the column P = 15 x, phi = f d sin(theta) with d = 100 and the screen 837000
twips away, I / (N L)^2 = (sin(N phi / 2) / (N sin(phi / 2)))^2, drawn at that
fraction of the run's tallest bar above the screen line (row 433). The
tallest bar is summed here too, over every column, as profile.py sums a bar.

Takes two screenshots as binary PPMs, the curve off and on. Every pixel the
curve changes must lie within 3 rows of the curve over the columns two
either side (the pen is 2 pixels wide, and a pixel is rounded to), or above the
curve's top (its caption); and in every column the curve must change a pixel
within 3 rows of where the formula puts it.

Usage: far_field.py SLITS FREQUENCY OFF.ppm ON.ppm
       far_field.py --at SLITS FREQUENCY COLUMN   (prints I / (N L)^2 in per cent, as the look-out says it)"""

import math
import sys

from profile import height, read_ppm

SCREEN = 6500.0
MARGIN = 3.0


def fraction(slits, f, P):
    n = int(slits)
    middle = 9000.0 + 100.0 * (n - 1) / 2.0
    across = middle - P
    phi = f * 100.0 * across / math.hypot(across, 837000.0)
    half = phi / 2.0
    if abs(math.sin(half)) < 1e-12:
        return 1.0
    return (math.sin(n * half) / (n * math.sin(half))) ** 2


def main():
    if sys.argv[1] == "--at":
        print(f"{fraction(sys.argv[2], float(sys.argv[3]), float(sys.argv[4])) * 100.0:.1f}")
        return 0
    slits, f = sys.argv[1], float(sys.argv[2])
    width, rows, off = read_ppm(open(sys.argv[3], "rb").read())
    width_on, rows_on, on = read_ppm(open(sys.argv[4], "rb").read())
    assert (width, rows) == (width_on, rows_on)
    tallest = max(height(P, slits, f) for P in range(11951))
    # The picture goes on beyond the window's right edge.
    curve = [(SCREEN - fraction(slits, f, 15.0 * x) * tallest) / 15.0 for x in range(width + 3)]
    top = (SCREEN - tallest) / 15.0
    wrong = []
    for x in range(width):
        # The pen is a square of 2 pixels, so a column shows the curve of the
        # columns beside it too.
        near = [curve[i] for i in range(max(0, x - 2), x + 3)]
        low, high = min(near) - MARGIN, max(near) + MARGIN
        changed = [row for row in range(rows)
                   if off[3 * (row * width + x):3 * (row * width + x) + 3]
                   != on[3 * (row * width + x):3 * (row * width + x) + 3]]
        stray = [row for row in changed if not low <= row <= high and row >= top - 1.0]
        if stray:
            wrong.append(f"pixel column {x}: changed at rows {stray[:5]}, the curve runs from {low + MARGIN:.1f} "
                         f"to {high - MARGIN:.1f}")
        if not any(abs(row - curve[x]) <= MARGIN for row in changed):
            wrong.append(f"pixel column {x}: nothing drawn near row {curve[x]:.1f}")
    for line in wrong[:10]:
        print(line)
    if wrong:
        print(f"{len(wrong)} faults")
        return 1
    print(f"{slits} slits, f = {f:g}: the curve where the formula puts it in all {width} pixel columns")
    return 0


if __name__ == "__main__":
    sys.exit(main())
