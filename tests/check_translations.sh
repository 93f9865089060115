#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Korvane developers
# Runs lupdate over the sources into copies of the committed .ts files, as the
# update_translations target does: a text added or changed in the code that a
# language has no translation for yet shows up there as unfinished, and a
# committed file that lupdate would rewrite has missed an update.
# Usage: check_translations.sh LUPDATE "INCLUDE_DIR;..." TS_FILE... -- SOURCE...
set -euo pipefail
lupdate="$1"
includes=()
IFS=';' read -ra folders <<<"$2"
for folder in "${folders[@]}"; do includes+=(-I "$folder"); done
shift 2
ts_files=()
while (($#)) && [ "$1" != "--" ]; do
    ts_files+=("$1")
    shift
done
shift
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

status=0
for ts in "${ts_files[@]}"; do
    copy="$scratch/$(basename "$ts")"
    cp "$ts" "$copy"
    "$lupdate" -silent -no-obsolete -locations none "${includes[@]}" "$@" -ts "$copy"
    for kind in unfinished vanished obsolete; do
        if grep -q "type=\"$kind\"" "$copy"; then
            echo "FAIL: $(basename "$ts") has $kind entries once updated:" >&2
            grep -B2 "type=\"$kind\"" "$copy" | grep "<source>" >&2
            status=1
        fi
    done
    if ! cmp -s "$ts" "$copy"; then
        echo "FAIL: $(basename "$ts") is not as lupdate leaves it; build the update_translations target" >&2
        diff -u "$ts" "$copy" | head -20 >&2 || true
        status=1
    fi
done
[ "$status" -eq 0 ] && echo "PASS: ${#ts_files[@]} translations up to date with the sources"
exit "$status"
