# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Korvane developers
# One interface target carries the warning flags; every project target links it.
# Warnings stop the build only where a preset asks (the developers' presets
# do): a packager's newer compiler may warn of something new.
option(KORVANE_WARNINGS_AS_ERRORS "Treat compiler warnings as errors" OFF)

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
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    # GCC's further checks that the code passes today, so that it keeps
    # passing them. -Wuseless-cast and -Wcast-align=strict are not among them:
    # the chrono casts that say a unit and QImage's scan lines read as QRgb
    # are what those two complain of.
    target_compile_options(korvane_warnings INTERFACE
        -Wcast-qual -Wduplicated-cond -Wduplicated-branches -Wlogical-op -Wextra-semi -Wredundant-decls
        -Wmissing-declarations -Wundef -Wsuggest-override -Wzero-as-null-pointer-constant -Wmismatched-tags
        -Wredundant-tags)
endif()
