// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

#include <QIcon>

namespace korvane {

// The program's icon in every size drawn for it (the same files the
// installation puts into the desktop's icon theme).
QIcon appIcon();

} // namespace korvane
