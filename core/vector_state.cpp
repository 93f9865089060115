// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "vector_state.h"

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#endif

namespace korvane {

#if defined(__x86_64__) && defined(__GNUC__)

namespace {

__attribute__((target("avx"))) void zeroUpper()
{
    _mm256_zeroupper();
}

const bool kHasAvx = __builtin_cpu_supports("avx");

} // namespace

void clearUpperVectorState()
{
    if (kHasAvx)
        zeroUpper();
}

#else

void clearUpperVectorState()
{
}

#endif

} // namespace korvane
