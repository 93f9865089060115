# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Korvane developers
# Run as a script after the web program is built: writes the page's service
# worker, PAGE/sw.js from TEMPLATE, with the files it keeps (FILES, in PAGE)
# and the name of their set, a hash of their contents. The same files give
# the same bytes; the file is only written when it changes.
set(listing "")
set(quoted "\"./\"")
foreach(file IN LISTS FILES)
    file(SHA256 ${PAGE}/${file} hash)
    string(APPEND listing "${file} ${hash}\n")
    string(APPEND quoted ", \"${file}\"")
endforeach()
string(SHA256 set_hash "${listing}")
string(SUBSTRING ${set_hash} 0 16 KORVANE_PAGE_SET)
set(KORVANE_PAGE_FILES ${quoted})
configure_file(${TEMPLATE} ${PAGE}/sw.js @ONLY)
