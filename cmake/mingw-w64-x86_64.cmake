# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Korvane developers
# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (the posix thread
# model, which std::thread and Qt need). Used twice: for the static Qt that
# scripts/windows/build-qt makes, and for Korvane itself (preset "windows").
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)

# Search the MinGW sysroot and the prefixes given on the command line (the
# static Qt), never the build machine's own libraries; programs (moc, rcc) are
# the build machine's.
set(CMAKE_FIND_ROOT_PATH /usr/${triple} ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One file, nothing beside it: the C and C++ runtimes and winpthreads are
# linked in rather than taken from DLLs that a school PC does not have.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
