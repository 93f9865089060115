// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// Korvane's one window: the drawing surface underneath, the controls on top,
// each control event wired to its handler. It puts its parts together and
// routes the events each needs: the Start run's conductor, the view (zoom and
// full screen), the look-out, the layers over the profile and the exports.

#include "design.h"

#include <QImage>
#include <QWidget>

namespace korvane {

class ColumnMarker;
class DrawingSurface;
class Exports;
class FarFieldLayer;
class LookOutNavigation;
class LookOutPanel;
class OrderMarks;
class PauseHint;
class ProfileLayers;
class RunConductor;
class TouchGestures;
class WindowMenu;
class WindowView;
class ZoomStyle;

class MainWindow : public QWidget
{
    Q_OBJECT

public:
    // The client area at first show, in logical pixels (11370 x 8565 twips).
    static constexpr QSize kClientSize{758, 571};

    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    Controls &controls() { return controls_; }
    DrawingSurface &surface() { return *surface_; }
    RunConductor &conductor() { return *conductor_; }
    const RunConductor &conductor() const { return *conductor_; }
    WindowView &view() { return *view_; }
    const WindowView &view() const { return *view_; }
    ProfileLayers &profileLayers() { return *layers_; }
    const LookOutNavigation &lookOut() const { return *lookOut_; }
    Exports &exports() { return *exports_; }
    const PauseHint &pauseHint() const { return *hint_; }

    // The client area as it is seen, controls and picture, at the zoom and
    // ratio; the look-out and the pause's note are about the picture, not in it.
    QImage picture();
    // The window's menu, at a point of the screen.
    void popupMenu(QPoint globalPos);
    // A note in the pause note's place that lasts until the next key or
    // click: the zoom asked for at start, which the screen cannot hold.
    void showZoomLowerThanAsked(double asked);

signals:
    // After each Start run, once its held input has been handed back.
    void runFinished();

protected:
    void closeEvent(QCloseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectHandlers();
    void connectParts();
    // The design at `zoom`, its corner at `offset`: controls, picture, layers and menu.
    void applyZoom(double zoom, QPoint offset);
    // Every layer over the picture, with the design at `zoom`.
    void placeLayers(double zoom, QPoint offset);
    void runStarted();
    void runStopped();
    void showPaused(bool paused);
    void showStanding(int column);
    // What waits for the run that goes on, said at once in the pause note's
    // place, until the run ends or stands paused.
    void showHeldBack(bool exit);
    void showZoomRefused(double zoom);
    void showPassingNote(const QStringList &lines);
    // The menu's commands for the run on screen, which wait for a run to end.
    void copyProfileData();
    void saveProfileDataAs();

    DrawingSurface *surface_ = nullptr;
    Controls controls_;
    RunConductor *conductor_ = nullptr;
    ProfileLayers *layers_ = nullptr;
    LookOutNavigation *lookOut_ = nullptr;
    PauseHint *hint_ = nullptr;
    // The note shown is Exit's, which a later click does not replace; or
    // one that the next key or click puts away.
    bool exitNoteShown_ = false;
    bool passingNoteShown_ = false;
    WindowView *view_ = nullptr;
    Exports *exports_ = nullptr;
    WindowMenu *menu_ = nullptr;
    TouchGestures *gestures_ = nullptr;
    ZoomStyle *style_ = nullptr;
};

} // namespace korvane
