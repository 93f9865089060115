// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "title_bar.h"

#include "publisher.h"

namespace korvane {

QString titleBarText(const QString &homePage)
{
    const QString name = QStringLiteral("Korvane");
    return homePage.isEmpty() ? name : name + QStringLiteral(" - ") + homePage;
}

QString titleBarText()
{
    return titleBarText(QString::fromUtf8(kHomePageUrl));
}

} // namespace korvane
