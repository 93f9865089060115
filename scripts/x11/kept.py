#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Korvane developers
"""Checks the outlines of the profiles kept to compare in a screenshot of
Korvane's window (100 %, ratio 1, a binary PPM on standard input) against the
phasor sum worked independently in profile.py: for each kept run, the pixel
at the top of its profile, where the sum puts it, is the run's colour in at
least 90 % of the pixel columns, and in some of them over a bar of the later
run; the later run's own bars reach where the sum puts them (their top pixel
ink, or a kept run's colour lying over it) in at least 90 % of the columns.

Usage: convert shot.png ppm:- | kept.py LATER_SLITS LATER_F SLITS:F:RRGGBB ...
Prints what it found, and exits 1 when a share falls short."""

import sys

from profile import Scale, height, read_ppm, single


def tops(slits, f, width, scale):
    """Per pixel column, the topmost row the run's bars set."""
    top = [None] * width
    for P in range(11951):
        row = scale.pixel(single(6500.0 - height(P, slits, float(f)))) - scale.before
        first = scale.pixel(P) - scale.before
        for x in range(max(0, first), min(width, first + scale.pen)):
            top[x] = row if top[x] is None else min(top[x], row)
    return [max(t, 0) for t in top]


def main():
    later_slits, later_f = sys.argv[1], int(sys.argv[2])
    kept = []
    for argument in sys.argv[3:]:
        slits, f, colour = argument.split(":")
        kept.append((slits, int(f), tuple(bytes.fromhex(colour))))
    scale = Scale(1.0)
    width, _, pixels = read_ppm(sys.stdin.buffer.read())
    width = min(width, 758)

    def pixel(x, y):
        return tuple(pixels[3 * (y * width + x):3 * (y * width + x) + 3])

    later = tops(later_slits, later_f, width, scale)
    colours = [colour for _, _, colour in kept]
    status = 0
    for slits, f, colour in kept:
        top = tops(slits, f, width, scale)
        outlined = [x for x in range(width) if pixel(x, top[x]) == colour]
        over = [x for x in outlined if later[x] <= top[x]]
        share = len(outlined) / width
        print(f"{slits} slits, f = {f}, kept: its colour at its top in {len(outlined)} of {width} pixel columns "
              f"({share:.1%}), {len(over)} of them over the {later_slits}-slit bars")
        if share < 0.9 or not over:
            status = 1
    own = [x for x in range(width) if max(pixel(x, later[x])) < 64 or pixel(x, later[x]) in colours]
    print(f"{later_slits} slits, f = {later_f}, on screen: its bars' tops where the sum puts them in {len(own)} of "
          f"{width} pixel columns ({len(own) / width:.1%})")
    if len(own) < 0.9 * width:
        status = 1
    return status


if __name__ == "__main__":
    sys.exit(main())
