// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// Korvane's one window: the drawing surface underneath, the controls on top,
// each control event wired to its handler.

#include "design.h"
#include "look_out.h"
#include "run_player.h"

#include <QImage>
#include <QWidget>

class QKeyEvent;

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace korvane {

class ColumnMarker;
class DrawingSurface;
class DroppedInput;
class FarFieldLayer;
class HeldInput;
class LookOutPanel;
class OrderMarks;
class PauseHint;
class WindowMenu;
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

    // The Start run keeps time by this clock (the machine's, unless a test
    // puts in its own) and shows frames at this interval (by default the
    // screen's refresh interval, between 1/120 and 1/50 second).
    void setRunClock(PaceClock &clock);
    void setFrameInterval(std::chrono::nanoseconds interval) { frameInterval_ = interval; }
    std::chrono::nanoseconds frameInterval() const;

    // From Start until the sweep's end, paused or not.
    bool running() const { return running_; }
    bool paused() const;
    // The last column the run under way has drawn.
    int runColumn() const;
    // Space: pauses a run that goes on, resumes one that stands.
    void pauseOrResume();
    // Closed by Exit or through the window frame: nothing runs any more.
    bool unloaded() const { return droppedInput_ != nullptr; }
    const RunReport &lastRun() const { return lastRun_; }

    // The zoom: the whole window drawn as if designed this much larger.
    double zoom() const { return zoom_; }
    // Takes the step above or below, or 100 %; a step that would make the
    // window larger than its screen's free area is not taken.
    void zoomIn();
    void zoomOut();
    void actualSize();
    // Full screen shows the design as large as the screen allows, centred.
    void setFullScreenView(bool on);
    bool fullScreenView() const { return fullScreen_.has_value(); }

    // The client area as it is seen, controls and picture, at the zoom and ratio.
    QImage picture();
    void copyPicture();
    // Asks for a file and writes the picture there; says why when it cannot.
    void savePictureAs();
    // The finished run's numbers, a row per screen column: onto the
    // clipboard for a spreadsheet, or into a CSV file.
    void copyProfileData();
    void saveProfileDataAs();

    // The finished run whose profile is on screen, until the next run paints
    // the scene over; none before the first.
    const std::optional<RunLookOut> &runOnScreen() const { return runOnScreen_; }
    // The panel that looks closer at the column under the pointer, or at the
    // one the keyboard chose on the screen line, marked there.
    const LookOutPanel &lookOut() const { return *lookOut_; }
    const ColumnMarker &lookOutColumn() const { return *marker_; }
    const PauseHint &pauseHint() const { return *hint_; }
    // The orders' ticks under the screen line, asked for in the menu.
    void setShowMaxima(bool on);
    const OrderMarks &orderMarks() const { return *marks_; }
    // The textbook's far-field curve over the profile, asked for in the menu.
    void setShowFarField(bool on);
    const FarFieldLayer &farFieldCurve() const { return *farField_; }

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
    // How the window was before full screen, to go back to it.
    struct Windowed {
        double zoom;
        Qt::WindowStates state;
    };

    void connectHandlers();
    // Start's click handler: reads the value stores and starts the animation
    // with what they hold; the read-out is written when its sweep ends.
    void cmdStartClick();
    void runEnded();
    // After a run, ended or dropped: its held input handed back, in order.
    void afterRun();
    // What goes on at once during a run; the rest waits for its end.
    bool passesDuringRun(QObject *receiver, QEvent *event) const;
    bool isParameterControl(const QWidget *widget) const;
    // The keys that pause and step a run; true when the key was one.
    bool sweepKey(const QKeyEvent *key);
    void showPaused(bool paused);
    void showStanding(int column);
    // The look-out moved by keys on the focused drawing area; true when the key was one.
    bool lookOutKey(const QKeyEvent *key);
    // Where the keyboard's look-out starts.
    int firstKeyColumn() const;
    void lookAtColumn(int column);
    void hideLookOut();
    // The run the look-out can look at, finished or paused, and its last column drawn.
    const RunLookOut *lookable() const;
    int lastLookable() const;
    // A command of the window's menu or shortcuts, which waits for a run to
    // end, as input during a run does.
    void command(std::function<void()> command);
    void setZoom(double zoom);
    // Where the design's corner goes to stand in the middle of a full screen.
    QPoint centredCorner(double zoom) const;
    void applyZoom(double zoom, QPoint offset);
    bool fitsScreen(double zoom) const;
    void fitFullScreen();
    // The look-out for the pointer at `position` on the surface, or none
    // when it is not over the screen line or the profile of a finished run.
    void lookAt(QPointF position);

    DrawingSurface *surface_ = nullptr;
    Controls controls_;

    RunPlayer *player_ = nullptr;
    std::chrono::nanoseconds frameInterval_{0};
    bool running_ = false;
    int startsPending_ = 0;
    RunReport lastRun_;
    std::unique_ptr<HeldInput> heldInput_;
    std::unique_ptr<DroppedInput> droppedInput_;

    double zoom_ = 1.0;
    double ratio_ = 1.0;
    std::optional<Windowed> fullScreen_;
    // Ctrl+wheel turns of less than a notch, summed until they make one.
    int wheelAngle_ = 0;
    WindowMenu *menu_ = nullptr;
    ZoomStyle *style_ = nullptr;
    std::vector<std::function<void()>> afterRun_;

    std::optional<RunLookOut> runOnScreen_;
    std::optional<RunLookOut> runUnderWay_;
    LookOutPanel *lookOut_ = nullptr;
    ColumnMarker *marker_ = nullptr;
    // Where the keyboard's look-out stands, once a key has moved it.
    std::optional<int> keyColumn_;
    OrderMarks *marks_ = nullptr;
    bool showMaxima_ = false;
    FarFieldLayer *farField_ = nullptr;
    bool showFarField_ = false;
    PauseHint *hint_ = nullptr;
    // What the drawing area says of itself when nothing is looked at.
    QString designDescription_;
};

} // namespace korvane
