// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "exports.h"

#include "kept_profiles.h"
#include "look_out.h"
#include "picture_file.h"
#include "profile_file.h"
#ifdef Q_OS_WASM
#include "web_page.h"
#endif

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QMessageBox>

#include <utility>

namespace korvane {

#ifndef Q_OS_WASM
namespace {

// Asks in a save dialog opened at `suggested` for a file, and writes it with
// `write`, which gives the reason when it cannot; the box then says why.
void saveThroughDialog(QWidget *parent, const QString &title, const QString &filter, const QString &suffix,
                       const QString &suggested, const std::function<QString(const QString &)> &write,
                       const QString &failure)
{
    QFileDialog dialog(parent, title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(suffix);
    dialog.setDirectory(QFileInfo(suggested).absolutePath());
    dialog.selectFile(QFileInfo(suggested).fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString fileName = dialog.selectedFiles().constFirst();
    const QString error = write(fileName);
    if (!error.isEmpty())
        QMessageBox::warning(parent, title, failure.arg(QDir::toNativeSeparators(fileName), error));
}

} // namespace
#endif

Exports::Exports(QWidget *window, std::function<QImage()> picture)
    : QObject(window)
    , window_(window)
    , picture_(std::move(picture))
{
}

void Exports::copyPicture()
{
#ifdef Q_OS_WASM
    if (!clipboardTakesPictures()) {
        auto *box = new QMessageBox(QMessageBox::Information, tr("Copy picture"),
                                    tr("This browser does not let the page put a picture on the clipboard. "
                                       "Save picture offers it as a download instead."),
                                    QMessageBox::Ok, window_);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
        return;
    }
#endif
    QGuiApplication::clipboard()->setImage(picture_());
}

void Exports::savePictureAs(const QString &slitCount)
{
    // The picture as it is now, before the dialog takes the focus.
    const QImage shown = picture_();
    const QString suggested = defaultPictureFile(slitCount);
#ifdef Q_OS_WASM
    // A page writes no file of its own: the browser offers it as a download.
    QFileDialog::saveFileContent(pngBytes(shown), QFileInfo(suggested).fileName());
#else
    saveThroughDialog(
        window_, tr("Save picture"), tr("PNG image (*.png)"), QStringLiteral("png"), suggested,
        [&shown](const QString &fileName) { return savePicture(shown, fileName); },
        //: %1 is the file's name, %2 the reason, as the system gives it.
        tr("The picture could not be saved as %1.\n\n%2"));
#endif
}

void Exports::copyProfileData(const RunLookOut &run, const std::vector<KeptProfile> &kept)
{
    QGuiApplication::clipboard()->setText(profileTable(run, QLocale(), kept));
}

void Exports::saveProfileDataAs(const RunLookOut &run, const std::vector<KeptProfile> &kept)
{
    // The numbers of the run on screen now, whatever happens while the dialog is open.
    const QByteArray csv = profileCsv(run, kept);
    const QString suggested = defaultProfileFile(QString::fromStdString(run.slitCountText()), run.frequency());
#ifdef Q_OS_WASM
    QFileDialog::saveFileContent(csv, QFileInfo(suggested).fileName());
#else
    saveThroughDialog(
        window_, tr("Save profile data"), tr("CSV table (*.csv)"), QStringLiteral("csv"), suggested,
        [&csv](const QString &fileName) { return saveProfile(csv, fileName); },
        //: %1 is the file's name, %2 the reason, as the system gives it.
        tr("The profile data could not be saved as %1.\n\n%2"));
#endif
}

} // namespace korvane
