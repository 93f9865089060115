// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// The user's regional number format applied to the value stores and read-outs.
// The decimal separator comes from the default QLocale, which is the system's
// unless a test sets another.

#include <QString>

#include <optional>
#include <string_view>

namespace korvane {

QString wholeNumberQText(long long value);
QString numberQText(double value);
std::optional<double> parseQNumber(const QString &text);
QString formatQNumber(double value, std::string_view pattern);

// A value store's text as a number; a text that is not a number reads as 0.
double numberOrZero(const QString &text);

} // namespace korvane
