// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "app_icon.h"

#include <QString>

namespace korvane {

QIcon appIcon()
{
    QIcon icon;
    // Bitmaps rather than the SVG: rendering SVG would need one more Qt
    // module, and these sizes cover every place a window icon is shown.
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/res/icons/korvane-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace korvane
