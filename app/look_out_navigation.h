// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// Where the look-out looks: at the column under the pointer over the screen
// line or the profile, or at the one the keys choose on the focused drawing
// area, marked there; and what the drawing area says of itself meanwhile.
// It looks at the run that can be looked at, finished or paused, and puts
// the panel away at any key or click elsewhere.

#include <QObject>
#include <QPointF>
#include <QString>
#include <QStringList>

#include <optional>

class QEvent;
class QKeyEvent;
class QWidget;

namespace korvane {

class ColumnMarker;
class DrawingSurface;
class KeptProfiles;
class RunLookOut;
class LookOutPanel;
class RunConductor;

class LookOutNavigation : public QObject
{
    Q_OBJECT

public:
    // The panel and the marker are made as children of `window`, over
    // `surface`; `run` says which run can be looked at, `kept` which earlier
    // runs are compared with it.
    LookOutNavigation(QWidget *window, DrawingSurface &surface, const RunConductor &run, const KeptProfiles &kept);

    const LookOutPanel &panel() const { return *panel_; }
    const ColumnMarker &marker() const { return *marker_; }

    // The pointer now stands over another column; the next move shows it.
    void setZoom(double zoom);
    // What the drawing area says of itself with the look-out put away: the
    // note of a paused run, or with none, the design's own description.
    void setNote(const QStringList &note);

    // The drawing area's own events: the pointer, a finger put down, the
    // focus, Esc. True when taken.
    bool surfaceEvent(QEvent *event);
    // Whether the look-out answers at `position` on the drawing: over the
    // screen line or the profile of a run that can be looked at.
    bool answersAt(QPointF position) const;
    // The column keys on the focused drawing area; true when the key was one.
    bool key(const QKeyEvent *key);
    void hide();
    // Whether the far-field curve is shown, and so its line in the look-out.
    void setShowFarField(bool on) { showFarField_ = on; }
    // Puts it away, and the keys start again where they start after a run.
    void forget();

private:
    // Where the keyboard's look-out starts.
    int firstKeyColumn() const;
    void lookAtColumn(int column);
    void showPanel(const RunLookOut &run, double column, QPoint point);
    // The look-out for the pointer at `position` on the surface, or none
    // when it is not over the screen line or the profile of a finished run.
    void lookAt(QPointF position);
    // The column the look-out answers for at `position`, if any.
    std::optional<double> columnAt(QPointF position) const;

    QWidget *window_;
    DrawingSurface &surface_;
    const RunConductor &run_;
    const KeptProfiles &kept_;
    LookOutPanel *panel_;
    ColumnMarker *marker_;
    double zoom_ = 1.0;
    bool showFarField_ = false;
    // Where the keyboard's look-out stands, once a key has moved it.
    std::optional<int> keyColumn_;
    const QString designDescription_;
    QString restingDescription_;
};

} // namespace korvane
