// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// The run on screen as numbers: tab-separated text in the desktop's number
// format for the clipboard, which a spreadsheet pastes as numbers, and an
// RFC 4180 CSV file for saving, in UTF-8 with a decimal point.

#include "kept_profiles.h"

#include <QByteArray>
#include <QString>

#include <vector>

class QLocale;

namespace korvane {

// A header row and a row per screen column, tab-separated, with the
// locale's decimal separator; a column more for each kept run.
QString profileTable(const RunLookOut &run, const QLocale &locale, const std::vector<KeptProfile> &kept = {});

// The same as CSV: commas, a decimal point, CRLF line ends.
QByteArray profileCsv(const RunLookOut &run, const std::vector<KeptProfile> &kept = {});

// korvane-<slits>-slits-f<frequency>.csv in the user's documents folder (the
// home folder when there is none).
QString defaultProfileFile(const QString &slitCount, double frequency);

// Writes `data`; on failure, why, in words for the user, and any file that
// was there before is as it was.
QString saveProfile(const QByteArray &data, const QString &fileName);

} // namespace korvane
