// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "about_box.h"

#include "publisher.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace korvane {

QString aboutText(const QString &homePage)
{
    QString text = QStringLiteral("<p><b>Korvane %1</b></p><p>%2</p><p>%3</p>")
                       .arg(QString::fromLatin1(kVersion),
                            QCoreApplication::translate(
                                "About", "Light passing through a diaphragm with 2, 3, 4 or 20 slits: for each point "
                                         "of the screen the slits' phasors added into a chain, and the interference "
                                         "profile they make.")
                                .toHtmlEscaped(),
                            QCoreApplication::translate("About", "Free software under the GNU General Public License, "
                                                                 "version 3 or later (GPL-3.0-or-later).")
                                .toHtmlEscaped());
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
    // QMessageBox::about() as it looks, but opened rather than run in a loop
    // of its own, which a browser's page cannot wait in.
    auto *box = new QMessageBox(QMessageBox::NoIcon, QCoreApplication::translate("About", "About Korvane"), aboutText(),
                                QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    const QIcon icon = box->windowIcon();
    box->setIconPixmap(icon.pixmap(icon.actualSize(QSize(64, 64))));
    // A window manager hands the keys back to the window; a browser's page
    // has none, and would leave the window deaf until clicked.
    if (parent)
        QObject::connect(box, &QDialog::finished, parent, [parent] { parent->activateWindow(); });
    box->open();
}

} // namespace korvane
