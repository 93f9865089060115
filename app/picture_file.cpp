// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "picture_file.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QSaveFile>
#include <QStandardPaths>

namespace korvane {

QString defaultPictureFile(const QString &slitCount)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    // The slit count comes from a value store, which a script may have filled
    // with anything: only digits go into a file name.
    QString slits;
    for (const QChar c : slitCount)
        if (c.isDigit())
            slits += c;
    return QDir(folder).filePath(
        QStringLiteral("korvane-%1-slits.png").arg(slits.isEmpty() ? QStringLiteral("0") : slits));
}

QString refusedTarget(const QString &fileName)
{
    const QFileInfo target(fileName);
    if (target.isDir())
        return QCoreApplication::translate("SavePicture", "It is a folder.");
    // A device or a pipe would be replaced by a file of that name.
    if (target.exists() && !target.isFile())
        return QCoreApplication::translate("SavePicture", "It is not a file.");
    return {};
}

QString savePicture(const QImage &picture, const QString &fileName)
{
    if (const QString refusal = refusedTarget(fileName); !refusal.isEmpty())
        return refusal;
    // Written beside the target and renamed over it only when whole, so a
    // full disk or a refusal leaves an earlier file untouched.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    QImageWriter writer(&file, "png");
    if (!writer.write(picture)) {
        file.cancelWriting();
        return writer.errorString();
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

QByteArray pngBytes(const QImage &picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "png").write(picture);
    return bytes;
}

} // namespace korvane
