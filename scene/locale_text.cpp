// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "locale_text.h"

#include "number_format.h"

#include <QLocale>

namespace korvane {

namespace {

std::string decimalSeparator()
{
    return QLocale().decimalPoint().toStdString();
}

} // namespace

QString wholeNumberQText(long long value)
{
    return QString::fromStdString(wholeNumberText(value));
}

QString numberQText(double value)
{
    return QString::fromStdString(numberText(value, decimalSeparator()));
}

std::optional<double> parseQNumber(const QString &text)
{
    return parseNumber(text.toStdString(), decimalSeparator());
}

QString formatQNumber(double value, std::string_view pattern)
{
    return QString::fromStdString(formatNumber(value, pattern, decimalSeparator()));
}

double numberOrZero(const QString &text)
{
    return parseQNumber(text).value_or(0.0);
}

} // namespace korvane
