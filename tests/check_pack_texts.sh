#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Korvane developers
# The texts that every release carries: README.txt says where the source is,
# word for word as the publisher's home page has it, an ampersand or a bar in
# its query too; LICENSE.txt has Korvane's licence first, then Qt's, then
# whatever else the release carries.
# Usage: check_pack_texts.sh SOURCE_DIR
set -euo pipefail
cd "$1"
source scripts/pack-texts
fail() { echo "FAIL: $*" >&2; exit 1; }

for template in packaging/README-web.txt.in packaging/README-windows.txt.in; do
    for homepage in "" "https://school.example/korvane?lang=cs&v=1|2"; do
        readme="$(readme_text "$template" 0.1.0 6.4.2 6.4.2+dfsg-10 "$homepage" | tr '\n' ' ')"
        grep -qF "$(source_note "$homepage")" <<<"$readme" || fail "$template with '$homepage': no source note"
        ! grep -q '@[A-Z_]*@' <<<"$readme" || fail "$template: a placeholder is left"
    done
done

qt="$(mktemp -d)"
trap 'rm -rf "$qt"' EXIT
mkdir -p "$qt/share/licenses"
echo "Qt's LGPL" >"$qt/share/licenses/LGPL-3.0-only.txt"
echo "Qt's notices" >"$qt/share/licenses/copyright"
echo "the fonts' licence" >"$qt/fonts"
sections="$(licence_text 6.4.2 "$qt" "Fonts=$qt/fonts" | grep -E '^(=== |Qt|the fonts|  +GNU GENERAL PUBLIC LICENSE$)')"
expected="                    GNU GENERAL PUBLIC LICENSE
=== Qt 6.4.2: GNU Lesser General Public License, version 3 ===
Qt's LGPL
=== Qt 6.4.2 and the code it bundles: copyright and licence notices ===
Qt's notices
=== Fonts ===
the fonts' licence"
[ "$sections" = "$expected" ] || fail "LICENSE.txt's sections: $sections"
echo "release texts: OK"
