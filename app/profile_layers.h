// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// The layers the teacher asks for over the profile, each on or off from the
// menu or the command line: the orders' ticks under the screen line, shown
// with a finished run, and the far-field curve, shown from the start of each
// run.

#include <QObject>
#include <QRect>

class QWidget;

namespace korvane {

class FarFieldLayer;
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

    // A run has painted the scene over, or ended with its profile on screen.
    void runStarted();
    void runEnded();

signals:
    void showMaximaChanged(bool on);
    void showFarFieldChanged(bool on);

private:
    const RunConductor &run_;
    OrderMarks *marks_;
    FarFieldLayer *farField_;
    bool showMaxima_ = false;
    bool showFarField_ = false;
};

} // namespace korvane
