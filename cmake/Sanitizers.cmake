# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Korvane developers
# The build options every project target takes, on one interface target
# (korvane_options), beside the warnings: the sanitizers here, the hardening
# in Hardening.cmake. Qt and anything else found stays as it is.
#
# AddressSanitizer and UndefinedBehaviorSanitizer for the asan preset. Any report
# stops the program at once, so a test cannot pass with a report in its output.
option(KORVANE_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

add_library(korvane_options INTERFACE)
if(KORVANE_SANITIZE)
    target_compile_options(korvane_options INTERFACE -fsanitize=address,undefined -fno-sanitize-recover=all
                                                     -fno-omit-frame-pointer -g)
    target_link_options(korvane_options INTERFACE -fsanitize=address,undefined -fno-sanitize-recover=all)
endif()
