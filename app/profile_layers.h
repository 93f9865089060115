// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// The layers the teacher asks for over the profile, each on or off from the
// menu or the command line: the orders' ticks under the screen line, shown
// with a finished run; the far-field curve, shown from the start of each
// run; and the profiles of earlier runs, kept at each Start to compare.

#include "kept_profiles.h"

#include <QObject>
#include <QRect>

class QWidget;

namespace korvane {

class FarFieldLayer;
class KeptProfilesLayer;
class OrderMarks;
class RunConductor;

class ProfileLayers : public QObject
{
    Q_OBJECT

public:
    // The layers are made as children of `window`; `run` says which run they
    // are about.
    ProfileLayers(QWidget *window, const RunConductor &run);

    void setShowMaxima(bool on);
    void setShowFarField(bool on);
    bool showMaxima() const { return showMaxima_; }
    bool showFarField() const { return showFarField_; }
    const OrderMarks &orderMarks() const { return *marks_; }
    const FarFieldLayer &farFieldCurve() const { return *farField_; }

    // Off, nothing is kept and the picture is the design's; turning it off
    // lets go of what was kept.
    void setKeepProfiles(bool on);
    bool keepProfiles() const { return keepProfiles_; }
    void clearKeptProfiles();
    const KeptProfiles &keptProfiles() const { return kept_; }
    const KeptProfilesLayer &keptProfilesLayer() const { return *keptLayer_; }

    // A run has painted the scene over, or ended with its profile on screen.
    void runStarted();
    void runEnded();
    // A new run is about to paint over `finished`'s profile, whose columns
    // had these raw intensities.
    void paintingOver(const RunLookOut &finished, const std::vector<double> &raw);

signals:
    void showMaximaChanged(bool on);
    void showFarFieldChanged(bool on);
    void keepProfilesChanged(bool on);
    void keptProfilesChanged(bool any);

private:
    void showKept();

    const RunConductor &run_;
    KeptProfilesLayer *keptLayer_;
    OrderMarks *marks_;
    FarFieldLayer *farField_;
    bool showMaxima_ = false;
    bool showFarField_ = false;
    bool keepProfiles_ = false;
    KeptProfiles kept_;
};

} // namespace korvane
