#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Korvane developers
"""Reads what a screen reader reads: the description of the accessible object
called NAME in the running Korvane, through AT-SPI.

Usage: a11y.py NAME"""

import sys

import pyatspi


def find(node, name, depth=0):
    if node is None or depth > 8:
        return None
    try:
        if node.name == name:
            return node
        children = [node.getChildAtIndex(i) for i in range(node.childCount)]
    except Exception:
        return None
    for child in children:
        found = find(child, name, depth + 1)
        if found is not None:
            return found
    return None


def main():
    for application in pyatspi.Registry.getDesktop(0):
        if application is not None and application.name.startswith("korvane"):
            found = find(application, sys.argv[1])
            if found is not None:
                print(found.description)
                return 0
    print(f"no accessible object named {sys.argv[1]}", file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main())
