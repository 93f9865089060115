// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

#include <QString>

namespace korvane {

// "Korvane - " and the home page, or "Korvane" alone for a build without one
// (no dangling dash). A state, when there is one, follows the name in
// brackets: "Korvane (paused) - " and the home page.
QString titleBarText(const QString &homePage, const QString &state = {});

// The title for this build's home page.
QString titleBarText();
// The same while a run stands paused.
QString pausedTitleBarText();

} // namespace korvane
