// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "profile_layers.h"

#include "far_field_layer.h"
#include "kept_profiles_layer.h"
#include "order_marks.h"
#include "run_conductor.h"

#include <QWidget>

namespace korvane {

ProfileLayers::ProfileLayers(QWidget *window, const RunConductor &run)
    : QObject(window)
    , run_(run)
    // Under the far-field curve, which is about the run on screen.
    , keptLayer_(new KeptProfilesLayer(window))
    , marks_(new OrderMarks(window))
    , farField_(new FarFieldLayer(window))
{
}

void ProfileLayers::setShowMaxima(bool on)
{
    showMaxima_ = on;
    emit showMaximaChanged(on);
    marks_->setVisible(on && run_.runOnScreen().has_value());
}

void ProfileLayers::setShowFarField(bool on)
{
    showFarField_ = on;
    emit showFarFieldChanged(on);
    const RunLookOut *shown = run_.runShown();
    if (on && shown)
        farField_->setRun(*shown);
    farField_->setVisible(on && shown);
}

void ProfileLayers::setKeepProfiles(bool on)
{
    keepProfiles_ = on;
    emit keepProfilesChanged(on);
    if (!on)
        clearKeptProfiles();
}

void ProfileLayers::clearKeptProfiles()
{
    kept_.clear();
    showKept();
}

void ProfileLayers::paintingOver(const RunLookOut &finished, const std::vector<double> &raw)
{
    if (!keepProfiles_)
        return;
    kept_.keep(finished, raw);
    showKept();
}

void ProfileLayers::showKept()
{
    keptLayer_->setProfiles(kept_.profiles());
    emit keptProfilesChanged(!kept_.empty());
}

void ProfileLayers::runStarted()
{
    marks_->hide();
    // Over the run as it builds: the theory is known before the sweep.
    setShowFarField(showFarField_);
}

void ProfileLayers::runEnded()
{
    marks_->setOrders(run_.runOnScreen()->orders());
    marks_->setVisible(showMaxima_);
}

} // namespace korvane
