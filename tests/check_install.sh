#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Korvane developers
# Installs the build into a scratch prefix and checks what a desktop needs:
# the program, a valid desktop entry, the icon in every size it claims, and
# AppStream metadata that its validator accepts.
# Usage: check_install.sh BUILD_DIR PROJECT_VERSION
set -euo pipefail
build="$1"
version="$2"
source="$(cd "$(dirname "$0")/.." && pwd)"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

expected="bin/korvane
share/applications/korvane.desktop
share/doc/korvane/changelog.gz
share/doc/korvane/copyright
share/icons/hicolor/128x128/apps/korvane.png
share/icons/hicolor/16x16/apps/korvane.png
share/icons/hicolor/24x24/apps/korvane.png
share/icons/hicolor/256x256/apps/korvane.png
share/icons/hicolor/32x32/apps/korvane.png
share/icons/hicolor/48x48/apps/korvane.png
share/icons/hicolor/64x64/apps/korvane.png
share/icons/hicolor/scalable/apps/korvane.svg
share/man/man1/korvane.1.gz
share/metainfo/io.github.korvane.korvane.metainfo.xml"
actual="$(cd "$prefix" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)"
[ "$actual" = "$expected" ] || fail "installed files differ:"$'\n'"$(diff <(echo "$expected") <(echo "$actual"))"

[ -x "$prefix/bin/korvane" ] || fail "the program is not executable"
if readelf -d "$prefix/bin/korvane" | grep -qE 'RPATH|RUNPATH'; then
    fail "the installed program carries a library search path"
fi

desktop="$prefix/share/applications/korvane.desktop"
# Not even a hint: menus act on what the validators only hint at.
out="$(desktop-file-validate "$desktop" 2>&1)" && [ -z "$out" ] || fail "desktop-file-validate: $out"
grep -qx 'Categories=Education;Physics;' "$desktop" || fail "desktop entry categories"
grep -qx 'Icon=korvane' "$desktop" || fail "desktop entry icon"
grep -qx 'Exec=korvane' "$desktop" || fail "desktop entry command"
# The actions a desktop offers in the program's menu or dock, in every language.
grep -qx 'Actions=full-screen;projector;' "$desktop" || fail "desktop entry actions"
for action in full-screen projector; do
    section="$(sed -n "/^\[Desktop Action $action\]/,/^\[/p" "$desktop")"
    exec_line="$(sed -n 's/^Exec=//p' <<<"$section")"
    [ -n "$exec_line" ] || fail "the desktop action $action has no command"
    # The command's options are the program's own: it takes them without a window.
    (cd "$prefix/bin" && ./korvane ${exec_line#korvane} --help >/dev/null) || fail "the desktop action $action: $exec_line"
done

for dir in "$prefix"/share/icons/hicolor/*x*/apps; do
    size="$(basename "$(dirname "$dir")")"
    file "$dir/korvane.png" | grep -q "PNG image data, ${size/x/ x }," \
        || fail "icon in $size is not a ${size} PNG: $(file -b "$dir/korvane.png")"
done
grep -q '<svg ' "$prefix/share/icons/hicolor/scalable/apps/korvane.svg" || fail "the scalable icon is not SVG"

metainfo="$prefix/share/metainfo/io.github.korvane.korvane.metainfo.xml"
out="$(appstreamcli validate --pedantic --no-net --no-color "$metainfo" 2>&1)" \
    && [ "$out" = "✔ Validation was successful." ] || fail "appstreamcli: $out"
# Every word a teacher might search the menu for, in any of the program's
# languages, is known to software centres too.
while IFS= read -r line; do
    language="$(sed -n 's/^Keywords\[\(.*\)\]=.*/\1/p' <<<"$line")"
    tag="<keyword${language:+ xml:lang=\"$language\"}>"
    IFS=';' read -ra words <<<"${line#*=}"
    for word in "${words[@]}"; do
        grep -qF "$tag$word</keyword>" "$metainfo" \
            || fail "the metainfo lacks the desktop keyword \"$word\"${language:+ in $language}"
    done
done < <(grep '^Keywords' "$desktop")
# The desktop entry and the metainfo speak the languages the program speaks.
for ts in "$source"/translations/korvane_*.ts; do
    language="$(basename "$ts" .ts)"
    language="${language#korvane_}"
    for key in GenericName Comment Keywords; do
        grep -q "^$key\[$language\]=" "$desktop" || fail "the desktop entry has no $key in $language"
    done
    for element in summary p keyword; do
        grep -q "<$element xml:lang=\"$language\">" "$metainfo" || fail "the metainfo has no $element in $language"
    done
done
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo's newest release is not $version"
grep -q '<launchable type="desktop-id">korvane.desktop</launchable>' "$metainfo" || fail "metainfo launchable"

echo "install tree, desktop entry, icons and metainfo: OK"
