#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Korvane developers
"""Reads a profile CSV that Korvane saved with Python's csv module and checks
every row against the model worked here, independently of the program, to
the digits printed: the column, the angle from the slits' middle to it, the
mean path difference of neighbouring slits in wavelengths, the intensity as a
percentage of the brightest column and the bar's height (as profile.py sums
a bar), and the slit count and frequency.

Usage: profile_csv.py FILE.csv SLITS FREQUENCY"""

import csv
import math
import sys

from profile import raw, scale

D = 837000.0


def path(J, P):
    dx = 9000.0 + 100.0 * J - P
    return math.sqrt(dx * dx + D * D)


def main():
    name, slits, f = sys.argv[1], sys.argv[2], float(sys.argv[3])
    n = int(slits)
    with open(name, newline="", encoding="utf-8") as file:
        rows = list(csv.reader(file))
    header, rows = rows[0], rows[1:]
    assert len(header) == 7, header
    assert len(rows) == 11951, len(rows)
    intensities = [raw(P, slits, f) for P in range(11951)]
    largest = max(intensities)
    middle = 9000.0 + 50.0 * (n - 1)
    wrong = []
    for P, row in enumerate(rows):
        left, right = 9000.0, 9000.0 + 100.0 * (n - 1)
        # r(N - 1) - r(0) without the cancellation of two distances of 837000.
        mean = (right - left) * (right + left - 2.0 * P) / (path(n - 1, P) + path(0, P)) / (n - 1)
        worked = [P, math.degrees(math.atan2(middle - P, D)), f * mean / (2.0 * math.pi),
                  intensities[P] / largest * 100.0, intensities[P] * scale(slits, f)]
        for value, (text, decimals) in zip(worked, zip(row[:5], (0, 6, 6, 4, 3))):
            if abs(float(text) - value) > 0.5 * 10.0 ** -decimals + 1e-9:
                wrong.append(f"column {P}: {text} read, {value:.{decimals + 3}f} worked out")
        if row[5] != slits or float(row[6]) != f:
            wrong.append(f"column {P}: slits {row[5]}, frequency {row[6]}")
    for line in wrong[:10]:
        print(line)
    if wrong:
        print(f"{len(wrong)} values differ")
        return 1
    print(f"{name}: {len(rows)} rows, each as the phasor sum worked here gives it, to the digits printed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
