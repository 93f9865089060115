// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// Waiting, with the events handled, until a condition holds, then checking it
// as QVERIFY and QCOMPARE do. QtTest's own QTRY_ macros do the same, but from
// Qt 6.8 on they narrow their timeout's count to an int in the caller's code,
// which -Wconversion reports at every use, whatever timeout is given.

#include <QtTest>

#define KORVANE_TRY_VERIFY_WITH_TIMEOUT(expr, timeoutMs)                                                              \
    do {                                                                                                               \
        [[maybe_unused]] const bool korvane_held = QTest::qWaitFor([&] { return static_cast<bool>(expr); }, timeoutMs); \
        QVERIFY(expr);                                                                                                 \
    } while (false)

#define KORVANE_TRY_COMPARE_WITH_TIMEOUT(actual, expected, timeoutMs)                                                  \
    do {                                                                                                               \
        [[maybe_unused]] const bool korvane_held =                                                                     \
            QTest::qWaitFor([&] { return static_cast<bool>((actual) == (expected)); }, timeoutMs);                     \
        QCOMPARE(actual, expected);                                                                                    \
    } while (false)

#define KORVANE_TRY_VERIFY(expr) KORVANE_TRY_VERIFY_WITH_TIMEOUT(expr, 5000)
#define KORVANE_TRY_COMPARE(actual, expected) KORVANE_TRY_COMPARE_WITH_TIMEOUT(actual, expected, 5000)
