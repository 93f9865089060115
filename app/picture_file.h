// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// The window's picture as a PNG file: the name offered, and the writing,
// which either leaves a whole file or changes nothing.

#include <QString>

class QImage;

namespace korvane {

// korvane-<slits>-slits.png in the user's pictures folder (the home folder
// when there is none).
QString defaultPictureFile(const QString &slitCount);

// Why a file may not be written at `fileName` at all, in words for the user:
// a folder, a device or a pipe, which a file of that name would replace; an
// empty text when it may.
QString refusedTarget(const QString &fileName);

// Writes `picture` as a PNG; on failure, why, in words for the user, and any
// file that was there before is as it was.
QString savePicture(const QImage &picture, const QString &fileName);

// The picture as a PNG file's bytes, for a download.
QByteArray pngBytes(const QImage &picture);

} // namespace korvane
