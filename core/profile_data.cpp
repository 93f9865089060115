// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "profile_data.h"

#include "phasor_model.h"

#include <cmath>
#include <cstdio>
#include <numbers>

namespace korvane {

namespace {

// The decimals of each number: a thousandth of a degree is 0.2 twips on the
// screen, of a wavelength a third of a degree of phase.
constexpr int kThetaDecimals = 6;
constexpr int kWavesDecimals = 6;
constexpr int kIntensityDecimals = 4;
constexpr int kHeightDecimals = 3;

std::string fixed(double value, int decimals, std::string_view decimalSeparator)
{
    if (!std::isfinite(value))
        return std::isnan(value) ? "NaN" : value > 0 ? "Infinity" : "-Infinity";
    // snprintf rounds the binary value itself, as any reader of the number does.
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string text(buffer);
    if (const std::size_t point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, decimalSeparator);
    // "-0.000" is no number a spreadsheet shows.
    if (text.front() == '-' && text.find_first_not_of("-0.,", 0) == std::string::npos)
        text.erase(0, 1);
    return text;
}

std::string field(const std::string &text, char separator)
{
    if (text.find_first_of(std::string{separator, '"', '\r', '\n'}) == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

} // namespace

std::vector<ProfileRow> ProfileRows(const RunLookOut &run)
{
    const double largest = run.largestRawIntensity();
    const double scale = IntensityScale(run.slitCountText(), run.frequency());
    std::vector<ProfileRow> rows;
    rows.reserve(static_cast<std::size_t>(scene::kLastColumn - scene::kFirstColumn + 1));
    for (int P = scene::kFirstColumn; P <= scene::kLastColumn; ++P) {
        const double raw = run.rawIntensityAt(P);
        rows.push_back({P, run.angleAt(P) * 180.0 / std::numbers::pi, run.meanWaves(P),
                        largest > 0.0 ? raw / largest * 100.0 : 0.0, raw * scale});
    }
    return rows;
}

std::string ProfileText(const RunLookOut &run, const std::vector<std::string> &header, ProfileFormat format,
                        const std::vector<KeptProfile> &kept)
{
    std::string text;
    const auto line = [&](const std::vector<std::string> &fields) {
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (i > 0)
                text += format.fieldSeparator;
            text += field(fields[i], format.fieldSeparator);
        }
        text += format.lineEnd;
    };
    line(header);
    const std::string slits = run.slitCountText();
    const std::string frequency = fixed(run.frequency(), std::trunc(run.frequency()) == run.frequency() ? 0 : 6,
                                        format.decimalSeparator);
    for (const ProfileRow &row : ProfileRows(run)) {
        std::vector<std::string> fields{std::to_string(row.column),
                                        fixed(row.theta, kThetaDecimals, format.decimalSeparator),
                                        fixed(row.waves, kWavesDecimals, format.decimalSeparator),
                                        fixed(row.intensity, kIntensityDecimals, format.decimalSeparator),
                                        fixed(row.height, kHeightDecimals, format.decimalSeparator),
                                        slits,
                                        frequency};
        for (const KeptProfile &earlier : kept)
            fields.push_back(
                fixed(earlier.intensityAt(row.column) * 100.0, kIntensityDecimals, format.decimalSeparator));
        line(fields);
    }
    return text;
}

} // namespace korvane
