// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

#include <QString>

namespace korvane {

// "Korvane - " and the home page, or "Korvane" alone for a build without one
// (no dangling dash).
QString titleBarText(const QString &homePage);

// The title for this build's home page.
QString titleBarText();

} // namespace korvane
