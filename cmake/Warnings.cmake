# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Korvane developers
# One interface target carries the warning flags; every project target links it.
option(KORVANE_WARNINGS_AS_ERRORS "Treat compiler warnings as errors" ON)

add_library(korvane_warnings INTERFACE)
if(MSVC)
    # Only Debian is tested; elsewhere the compiler's own high level will do.
    target_compile_options(korvane_warnings INTERFACE /W4 $<$<BOOL:${KORVANE_WARNINGS_AS_ERRORS}>:/WX>)
    return()
endif()
target_compile_options(korvane_warnings INTERFACE
    -Wall                # the usual suspects
    -Wextra              # and the less usual ones
    -Wpedantic           # stay within standard C++
    -Wshadow             # a local hiding a member has bitten us in handlers
    -Wconversion         # twips are doubles, pixels are ints: make every narrowing explicit
    -Wsign-conversion    # indices and counts must not wrap silently
    -Wold-style-cast     # casts should say what they do
    -Wnon-virtual-dtor   # classes with virtual functions need virtual destructors
    -Woverloaded-virtual # a handler that hides a base overload is a bug
    -Wnull-dereference   # catch the obvious ones at compile time
    -Wdouble-promotion   # float coordinates must not widen by accident
    -Wformat=2           # printf-style formats are checked
    -Wimplicit-fallthrough # every switch fallthrough is deliberate
    $<$<BOOL:${KORVANE_WARNINGS_AS_ERRORS}>:-Werror>
)
