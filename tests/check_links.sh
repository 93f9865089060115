#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Korvane developers
# Every relative link in the Markdown files leads somewhere: to a file or
# folder that is there and, after a #, to a heading of it, named as GitHub
# names a heading's anchor. Links to the web are left to the web.
# Usage: check_links.sh SOURCE_DIR
set -euo pipefail
cd "$1"
export LC_ALL=C.UTF-8

# A heading's anchor: lower case, only letters, digits, spaces, hyphens and
# underscores kept, each space a hyphen.
anchors() {
    sed -n 's/^#\{1,6\} \+//p' "$1" | tr '[:upper:]' '[:lower:]' | sed 's/[^[:alnum:] _-]//g; s/ /-/g'
}

broken=()
while IFS= read -r -d '' page; do
    dir="$(dirname "$page")"
    # Outside code: neither a fenced block nor a line indented as one.
    targets="$(awk '/^```/ { fenced = !fenced; next } !fenced && !/^    / { print }' "$page" \
               | grep -o '\]([^)]*)' | sed 's/^](//; s/)$//' || true)"
    while IFS= read -r target; do
        [ -n "$target" ] || continue
        case "$target" in http://* | https://* | mailto:*) continue ;; esac
        path="${target%%#*}"
        file="$page"
        if [ -n "$path" ]; then
            file="$dir/$path"
            [ -e "$file" ] || { broken+=("$page: $target (no such file)"); continue; }
        fi
        if [[ "$target" == *#* ]]; then
            anchor="${target#*#}"
            [ -f "$file" ] && anchors "$file" | grep -qxF -- "$anchor" \
                || broken+=("$page: $target (no such heading)")
        fi
    done <<<"$targets"
done < <(find . \( -path ./build -o -path './build-*' -o -path ./.git -o -path ./.cache \) -prune -o \
              -type f -name '*.md' -print0)
if ((${#broken[@]})); then
    printf 'FAIL: a broken link in %s\n' "${broken[@]}" >&2
    exit 1
fi
echo "Markdown links: OK"
