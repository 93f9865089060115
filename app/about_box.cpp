// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "app/about_box.h"

#include "publisher.h"

#include <QMessageBox>

namespace korvane {

QString aboutText(const QString &homePage)
{
    QString text = QStringLiteral("<p><b>Korvane %1</b></p>"
                                  "<p>Light passing through a diaphragm with 2, 3, 4 or 20 slits: for each point "
                                  "of the screen the slits' phasors added into a chain, and the interference "
                                  "profile they make.</p>"
                                  "<p>Free software under the GNU General Public License, version 3 or later "
                                  "(GPL-3.0-or-later).</p>")
                       .arg(QString::fromLatin1(kVersion));
    if (!homePage.isEmpty())
        text += QStringLiteral("<p><a href=\"%1\">%1</a></p>").arg(homePage.toHtmlEscaped());
    return text;
}

QString aboutText()
{
    return aboutText(QString::fromUtf8(kHomePageUrl));
}

void showAbout(QWidget *parent)
{
    QMessageBox::about(parent, QStringLiteral("About Korvane"), aboutText());
}

} // namespace korvane
