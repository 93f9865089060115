// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "number_format.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#ifdef __EMSCRIPTEN__
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#endif

namespace korvane {

namespace {

constexpr int kSignificantDigits = 15;

// std::to_chars and std::from_chars ignore the C locale, which the toolkit
// sets from the environment; printf and strtod would not. Emscripten's C++
// library converts only whole numbers with them; its C library's printf and
// strtod are exact and use '.' in every locale, and to_chars is defined as
// printf in the C locale.
std::string toChars(double value, std::chars_format format, int precision)
{
    char buffer[64];
#ifdef __EMSCRIPTEN__
    const int length = format == std::chars_format::scientific
                           ? std::snprintf(buffer, sizeof buffer, "%.*e", precision, value)
                           : std::snprintf(buffer, sizeof buffer, "%.*g", precision, value);
    return {buffer, static_cast<std::size_t>(length)};
#else
    const auto result = std::to_chars(std::begin(buffer), std::end(buffer), value, format, precision);
    return {buffer, result.ptr};
#endif
}

std::optional<double> fromChars(const std::string &plain)
{
    double value = 0.0;
#ifdef __EMSCRIPTEN__
    errno = 0;
    value = std::strtod(plain.c_str(), nullptr);
    if (errno == ERANGE)
        return std::nullopt;
#else
    const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (result.ec != std::errc{})
        return std::nullopt;
#endif
    return value;
}

std::string withSeparator(std::string text, std::string_view decimalSeparator)
{
    if (const auto dot = text.find('.'); dot != std::string::npos)
        text.replace(dot, 1, decimalSeparator);
    return text;
}

// The value's 15 significant digits with the decimal point placed, rounded half
// away from zero to `decimals` places: returns the integer digits (no leading
// zeros, possibly empty) and exactly `decimals` fraction digits.
struct RoundedDigits {
    std::string integer;
    std::string fraction;
};

RoundedDigits roundDecimal(double magnitude, int decimals)
{
    // "d.dddddddddddddde±x": one digit, the point, 14 digits, the exponent.
    const std::string scientific = toChars(magnitude, std::chars_format::scientific, kSignificantDigits - 1);
    const std::size_t e = scientific.find('e');
    std::string digits = scientific.substr(0, 1) + scientific.substr(2, e - 2);
    const int exponent = std::stoi(scientific.substr(e + 1));

    // Lay the digits out so that the point sits after `integerDigits` of them.
    int integerDigits = exponent + 1;
    if (integerDigits < 0) {
        digits.insert(0, static_cast<std::size_t>(-integerDigits), '0');
        integerDigits = 0;
    }
    const auto keep = static_cast<std::size_t>(integerDigits + decimals);
    if (digits.size() < keep + 1)
        digits.append(keep + 1 - digits.size(), '0');

    const bool roundUp = digits[keep] >= '5';
    digits.resize(keep);
    if (roundUp) {
        std::size_t i = keep;
        while (i > 0 && digits[i - 1] == '9')
            digits[--i] = '0';
        if (i == 0) {
            digits.insert(0, 1, '1');
            ++integerDigits;
        } else {
            ++digits[i - 1];
        }
    }

    RoundedDigits rounded{digits.substr(0, static_cast<std::size_t>(integerDigits)),
                          digits.substr(static_cast<std::size_t>(integerDigits))};
    const std::size_t firstNonZero = rounded.integer.find_first_not_of('0');
    rounded.integer.erase(0, firstNonZero == std::string::npos ? rounded.integer.size() : firstNonZero);
    return rounded;
}

} // namespace

std::string wholeNumberText(long long value)
{
    char buffer[32];
    const auto result = std::to_chars(std::begin(buffer), std::end(buffer), value);
    return {buffer, result.ptr};
}

std::string numberText(double value, std::string_view decimalSeparator)
{
    if (value == 0.0)
        return "0"; // also for -0.0, which would otherwise show a sign
    return withSeparator(toChars(value, std::chars_format::general, kSignificantDigits), decimalSeparator);
}

std::optional<double> parseNumber(std::string_view text, std::string_view decimalSeparator)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return std::nullopt;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);

    std::string plain;
    bool negative = false;
    if (text.front() == '-' || text.front() == '+') {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    bool digitSeen = false;
    bool separatorSeen = false;
    while (!text.empty()) {
        if (text.front() >= '0' && text.front() <= '9') {
            plain += text.front();
            digitSeen = true;
            text.remove_prefix(1);
        } else if (!separatorSeen && !decimalSeparator.empty() && text.starts_with(decimalSeparator)) {
            plain += '.';
            separatorSeen = true;
            text.remove_prefix(decimalSeparator.size());
        } else {
            return std::nullopt;
        }
    }
    if (!digitSeen)
        return std::nullopt;

    const std::optional<double> value = fromChars(plain);
    if (!value)
        return std::nullopt; // out of range: a run of hundreds of digits
    return negative ? -*value : *value;
}

std::string formatNumber(double value, std::string_view pattern, std::string_view decimalSeparator)
{
    if (!std::isfinite(value))
        return numberText(value, decimalSeparator);

    const std::size_t point = pattern.find('.');
    const std::string_view integerPlaces = pattern.substr(0, point);
    const std::string_view fractionPlaces = point == std::string_view::npos ? std::string_view{}
                                                                            : pattern.substr(point + 1);
    const auto count = [](std::string_view places, char c) {
        std::size_t n = 0;
        for (const char p : places)
            n += p == c ? 1 : 0;
        return n;
    };

    const auto decimals = static_cast<int>(fractionPlaces.size());
    RoundedDigits rounded = roundDecimal(std::fabs(value), decimals);

    const std::size_t minimumInteger = count(integerPlaces, '0');
    if (rounded.integer.size() < minimumInteger)
        rounded.integer.insert(0, minimumInteger - rounded.integer.size(), '0');
    const std::size_t minimumFraction = count(fractionPlaces, '0');
    while (rounded.fraction.size() > minimumFraction && rounded.fraction.back() == '0')
        rounded.fraction.pop_back();

    const bool isZero = rounded.integer.find_first_not_of('0') == std::string::npos
                        && rounded.fraction.find_first_not_of('0') == std::string::npos;
    std::string text = value < 0 && !isZero ? "-" : "";
    text += rounded.integer;
    if (point != std::string_view::npos) {
        text += decimalSeparator;
        text += rounded.fraction;
    }
    return text;
}

} // namespace korvane
