// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// Number <-> text conversions as the window shows them. Whole numbers are
// always plain digits; everything else uses the user's decimal separator,
// which the caller passes in (this library knows nothing of locales).

#include <optional>
#include <string>
#include <string_view>

namespace korvane {

// Plain decimal digits, a leading '-' for negatives, never a group separator.
std::string wholeNumberText(long long value);

// Up to 15 significant digits, trailing zeros dropped, no exponent for the
// magnitudes this program meets: 20 / 6.28 gives "3.18471337579618".
std::string numberText(double value, std::string_view decimalSeparator);

// Reads an optional sign, digits and at most one decimal separator, with
// optional surrounding spaces. Anything else, or no digit at all, is no number.
std::optional<double> parseNumber(std::string_view text, std::string_view decimalSeparator);

// A display pattern of '0' and '#' digit places around one '.', as "0.00" or
// "#.##". The value is rounded half away from zero to the pattern's decimals
// from its 15-digit decimal text, so what is shown agrees with what was written.
// '0' places are always shown, '#' places only when they carry a digit other
// than a leading or trailing zero; the separator is always kept when the
// pattern has one ("#.##" shows 25 as "25.").
std::string formatNumber(double value, std::string_view pattern, std::string_view decimalSeparator);

} // namespace korvane
