// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "title_bar.h"

#include "publisher.h"

#include <QCoreApplication>

namespace korvane {

QString titleBarText(const QString &homePage, const QString &state)
{
    QString name = QStringLiteral("Korvane");
    if (!state.isEmpty())
        name += QStringLiteral(" (") + state + QLatin1Char(')');
    return homePage.isEmpty() ? name : name + QStringLiteral(" - ") + homePage;
}

QString titleBarText()
{
    return titleBarText(QString::fromUtf8(kHomePageUrl));
}

QString pausedTitleBarText()
{
    //: In the title bar while a run stands paused: "Korvane (paused)".
    return titleBarText(QString::fromUtf8(kHomePageUrl), QCoreApplication::translate("TitleBar", "paused"));
}

} // namespace korvane
