#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Korvane developers
"""Compares the interference profile in a screenshot of Korvane's window with
a phasor sum worked here, independently of the program, from the scene's
geometry: slits 100 twips apart from x = 9000, the screen 837000 twips away,
each slit's phase f r, phasors of length L end to end, the bar's height the
squared resultant times the run's scale. Only columns 0 to COLUMN are summed;
every pixel column beyond them must be empty.

Reads the window at a zoom (100 % unless given), ratio 1, from a binary PPM on
standard input, and looks at the rows under the chains (row 320 at 100 %) and
over the screen line (row 433): there the picture holds nothing but bars. At
a zoom the pens are that many pixels wide, each a square of pixels from half
its width before the point, as the program's are.

Usage: convert shot.png ppm:- | profile.py SLITS FREQUENCY COLUMN [ZOOM]
Prints the pixel columns that differ, and exits 1 when any does."""

import math
import struct
import sys

TOP_ROW = 320


def lround(value):
    return math.floor(value + 0.5) if value >= 0 else -math.floor(-value + 0.5)


def single(value):
    """A double handed to the drawing calls, which take single precision."""
    return struct.unpack("f", struct.pack("f", value))[0]


def scale(text, f):
    u = f - 5
    if text == "2":
        return 0.012
    if text == "3":
        return ((f - 20) * 0.002 + 1) * 0.005
    if text == "4":
        return ((f - 20) * 0.006 + 1) * 0.003
    if text == "20":
        a, b = (0.4, 0.0359) if 32 < f < 40 else (0.37, 0.035)
        return (u * 0.25 + 1 - (u * a + 1) ** 2 * b) * 0.0038
    return 1.0


def raw(P, slits, f):
    """The squared resultant, the chain laid from (P, 3500) one phasor at a time."""
    L = {"2": 200.0, "3": 200.0, "4": 190.0, "20": 60.0}[slits]
    x, y = float(P), 3500.0
    for J in range(int(slits)):
        dx = 9000.0 + 100.0 * J - P
        r = math.sqrt(dx * dx + 837000.0 * 837000.0)
        x += L * math.cos(f * r)
        y += L * math.sin(f * r)
    return (x - P) ** 2 + (y - 3500.0) ** 2


def height(P, slits, f):
    return raw(P, slits, f) * scale(slits, f)


class Scale:
    def __init__(self, zoom):
        self.zoom = zoom
        self.pen = max(1, lround(zoom))
        self.before = self.pen // 2
        self.top = int(math.ceil(TOP_ROW * zoom))
        # The first row above the screen line's pen.
        self.above = lround(6500.0 * zoom / 15.0) - self.before - 1

    def pixel(self, twips):
        return lround(twips * self.zoom / 15.0)


def expected_runs(slits, f, column, width, scale):
    """Per pixel column, how many rows from just above the screen line up are ink."""
    top = [None] * width
    for P in range(column + 1):
        row = scale.pixel(single(6500.0 - height(P, slits, float(f)))) - scale.before
        first = scale.pixel(P) - scale.before
        for x in range(max(0, first), min(width, first + scale.pen)):
            top[x] = row if top[x] is None else min(top[x], row)
    return [0 if t is None or t > scale.above else scale.above + 1 - max(t, scale.top) for t in top]


def read_ppm(data):
    fields, position = [], 0
    while len(fields) < 4:
        while data[position:position + 1].isspace():
            position += 1
        if data[position:position + 1] == b"#":
            position = data.index(b"\n", position)
            continue
        end = position
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[position:end])
        position = end
    assert fields[0] == b"P6" and fields[3] == b"255", "a binary PPM with 8 bits a channel"
    width, rows = int(fields[1]), int(fields[2])
    return width, rows, data[position + 1:]


def drawn_runs(width, pixels, scale):
    runs = []
    for x in range(width):
        count = 0
        for row in range(scale.above, scale.top - 1, -1):
            r, g, b = pixels[3 * (row * width + x):3 * (row * width + x) + 3]
            if max(r, g, b) >= 64:
                break
            count += 1
        runs.append(count)
    return runs


def main():
    slits, f, column = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
    scale = Scale(float(sys.argv[4]) if len(sys.argv) > 4 else 1.0)
    width, rows, pixels = read_ppm(sys.stdin.buffer.read())
    assert rows > scale.above + scale.pen, "the whole window, from its top"
    want = expected_runs(slits, f, column, width, scale)
    got = drawn_runs(width, pixels, scale)
    wrong = [x for x in range(width) if want[x] != got[x]]
    for x in wrong[:10]:
        print(f"pixel column {x}: {got[x]} rows of bar drawn, {want[x]} worked out")
    if wrong:
        print(f"{len(wrong)} pixel columns differ")
        return 1
    bars = sum(1 for run in want if run)
    print(f"{slits} slits, f = {f}, to column {column}, at {scale.zoom * 100:g} %: {bars} pixel columns of bars "
          f"and {width - bars} empty, as the phasor sum puts them")
    return 0


if __name__ == "__main__":
    sys.exit(main())
