# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Korvane developers
# The hardening Debian builds its packages with (dpkg-buildflags with
# hardening=+all, less what gcc already does by default there: PIE): stack
# protector, fortified C library calls, and a read-only relocation table bound
# at start-up. Off in the sanitizer build, whose own checks these would blunt,
# and in the web build: WebAssembly keeps its call stack out of the program's
# memory, and Emscripten's C library has no stack protector to link.
option(KORVANE_HARDENING "Build with Debian's usual hardening flags" ON)

if(KORVANE_HARDENING AND NOT KORVANE_SANITIZE AND NOT MSVC AND NOT EMSCRIPTEN)
    target_compile_options(korvane_options INTERFACE -fstack-protector-strong)
    if(WIN32)
        # MinGW keeps the stack protector's and the fortified calls' runtime
        # in libssp, which the driver links when told at link time too.
        # Windows probes the stack itself (__chkstk), so there is no clash
        # protection to ask for.
        target_link_options(korvane_options INTERFACE -fstack-protector-strong)
    else()
        target_compile_options(korvane_options INTERFACE -fstack-clash-protection)
    endif()
    # glibc's fortified calls need the optimiser, and warn (an error here) without it.
    target_compile_definitions(korvane_options INTERFACE $<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
    if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
        target_link_options(korvane_options INTERFACE -Wl,-z,relro -Wl,-z,now)
    endif()
endif()
