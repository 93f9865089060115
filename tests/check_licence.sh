#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Korvane developers
# Every source, script, CMake file and template says in its first lines
# (after a shebang or an XML declaration) under which licence it is and whose
# it is; a new file without them would go out unlicensed.
# Usage: check_licence.sh SOURCE_DIR
set -euo pipefail
cd "$1"
[ -f LICENSE ] && grep -q 'GNU GENERAL PUBLIC LICENSE' LICENSE && grep -q 'Version 3, 29 June 2007' LICENSE \
    || { echo "FAIL: LICENSE is not the GPL version 3" >&2; exit 1; }

missing=()
while IFS= read -r -d '' f; do
    head="$(head -n 4 "$f")"
    grep -qE 'SPDX-License-Identifier: (GPL-3\.0-or-later|CC0-1\.0)( |$)' <<<"$head" \
        && grep -q 'Copyright (C) [0-9]\{4\}.* The Korvane developers' <<<"$head" \
        || missing+=("$f")
done < <(find . \( -path ./build -o -path './build-*' -o -path ./.git -o -path ./.cache \) -prune -o \
              -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.cmake' -o -name CMakeLists.txt \
                         -o -name '*.sh' -o -name '*.h.in' -o -name '*.rc.in' -o -name '*.1.in' -o -name '*.xml.in' \
                         -o -name '*.desktop' -o -path './scripts/*' -o -path ./.ci/run \) -print0)
if ((${#missing[@]})); then
    printf 'FAIL: no SPDX and copyright line at the top of: %s\n' "${missing[@]}" >&2
    exit 1
fi
echo "licence lines: OK"
