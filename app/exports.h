// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// What leaves the window for a worksheet or a slide: the picture as it is
// seen and the finished run's numbers, a row per screen column, each onto the
// clipboard or into a file the user chooses (a download in the browser).

#include <QImage>
#include <QObject>

#include <functional>
#include <vector>

class QWidget;

namespace korvane {

class RunLookOut;
struct KeptProfile;

class Exports : public QObject
{
    Q_OBJECT

public:
    // `picture` gives the window's picture as it is seen at the moment of asking.
    Exports(QWidget *window, std::function<QImage()> picture);

    void copyPicture();
    // Asks for a file, named for `slitCount` unless the user chooses another,
    // and writes the picture there; says why when it cannot.
    void savePictureAs(const QString &slitCount);
    // The run's numbers, and each kept run's intensity beside them: onto the
    // clipboard for a spreadsheet, or into a CSV file.
    void copyProfileData(const RunLookOut &run, const std::vector<KeptProfile> &kept);
    void saveProfileDataAs(const RunLookOut &run, const std::vector<KeptProfile> &kept);

private:
    QWidget *window_;
    std::function<QImage()> picture_;
};

} // namespace korvane
