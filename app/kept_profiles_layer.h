// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// Earlier runs kept on screen to compare with the later ones: the top of each
// kept run's bars as an outline in a colour of its own, over the later run's
// bars as well as beside them, and a legend at the top of the profile naming
// each by its slit count and read-out, in its colour. A layer over the
// picture like the far-field curve: taking it away gives back the picture
// beneath, pixel for pixel.

#include "kept_profiles.h"
#include "overlay.h"

#include <QColor>
#include <QFont>
#include <QStringList>

#include <cstdint>
#include <utility>
#include <vector>

namespace korvane {

// The colour of a kept run: Okabe and Ito's vermillion, blue and bluish
// green, which readers with any of the common colour blindnesses tell apart,
// and each darker than the window's grey, so a line one pixel wide stands out
// against it.
QColor keptColour(int colour);
// A kept run as the legend and the look-out name it: "4 slits, 3.18".
QString keptRunName(const RunLookOut &run);
// Its column in the profile's data: its slit count and frequency.
QString keptDataHeader(const RunLookOut &run);
// What the look-out says of it at column P: its intensity there.
QString keptLookOutLine(const KeptProfile &kept, int P);

class KeptProfilesLayer : public Overlay
{
    Q_OBJECT

public:
    explicit KeptProfilesLayer(QWidget *parent);

    void setProfiles(const std::vector<KeptProfile> &profiles);
    const QStringList &legend() const { return legend_; }
    // Where the legend lies, in the layer's logical pixels.
    QRect legendArea() const;

protected:
    // Over the whole drawing, its corner on the drawing's corner, so that the
    // outlines' device pixels are the picture's.
    void fit() override;
    void paintEvent(QPaintEvent *event) override;

private:
    // The outlines of the profiles at the present zoom and ratio, each
    // worked out anew only when it is new or the scale has changed.
    void outline(bool scaleChanged);

    struct Outline {
        std::uint64_t serial;
        QColor colour;
        // For each device column, its first and last row; none where the
        // first lies below the last.
        std::vector<std::pair<int, int>> rows;
    };

    std::vector<KeptProfile> profiles_;
    std::vector<Outline> outlines_;
    double ratio_ = 0.0;
    QStringList legend_;
    QFont font_;
};

} // namespace korvane
