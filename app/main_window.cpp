// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "main_window.h"

#include "about_box.h"
#include "accessible_names.h"
#include "app_icon.h"
#include "control_tips.h"
#include "drawing_surface.h"
#include "exports.h"
#include "frequency.h"
#include "look_out_navigation.h"
#include "overlay.h"
#include "pause_hint.h"
#include "profile_layers.h"
#include "run_conductor.h"
#include "slit_count.h"
#include "slow_down.h"
#include "startup.h"
#include "title_bar.h"
#include "touch_gestures.h"
#include "twips.h"
#include "window_menu.h"
#include "window_view.h"
#include "zoom.h"
#include "zoom_style.h"
#ifdef Q_OS_WASM
#include "command_line.h"
#include "lesson_link.h"
#include "web_page.h"

#include <QClipboard>
#endif

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QWheelEvent>

#include <cmath>
#include <functional>
#include <optional>
#include <utility>

namespace korvane {

MainWindow::MainWindow(QWidget *parent)
    : QWidget(parent)
{
    installFontSubstitutes();
    setObjectName(QStringLiteral("Korvane"));
    setWindowTitle(titleBarText());
    setWindowIcon(appIcon());
    setPalette(designPalette());
    setAutoFillBackground(true);

    // Made first, so every control stacks in front of the drawing.
    surface_ = new DrawingSurface(this);
    surface_->move(0, 0);
    surface_->setMouseTracking(true);
    conductor_ = new RunConductor(this, controls_, *surface_);
    view_ = new WindowView(this, kClientSize);
    // Over the picture, under the controls.
    layers_ = new ProfileLayers(this, *conductor_);
    controls_ = createControls(this);
    nameForAccessibility(controls_, *surface_);
    explainUncaptionedControls(controls_);
    // The drawing area joins the keyboard's round after the design's
    // controls, once there is a run to look at (its focus policy says when).
    QWidget::setTabOrder(controls_.nWavelenghts, surface_);
    connectHandlers();
    // Over everything, the controls included.
    hint_ = new PauseHint(this);
    lookOut_ = new LookOutNavigation(this, *surface_, *conductor_, layers_->keptProfiles());
    placeLayers(1.0, QPoint());
    exports_ = new Exports(this, [this] { return picture(); });
    style_ = new ZoomStyle;
    style_->setParent(this);
    const QList<QWidget *> children = findChildren<QWidget *>();
    for (QWidget *child : children)
        child->setStyle(style_);

    KorvaneLoad(controls_);

    // The start-up selection drew the strip while the window was not yet on
    // screen; none of that is seen: the window opens on the bare surface.
    surface_->erase();
    surface_->paintCaption(twipsRect(labKlepnete.left, labKlepnete.top, labKlepnete.width, labKlepnete.height),
                           QCoreApplication::translate("Korvane", labKlepnete.caption), labKlepnete.font());

    // Every command but Pause waits for a run that goes on to end.
    const auto later = [this](std::function<void()> command) {
        return [this, command] { conductor_->command(command); };
    };
    WindowMenu::Commands commands{
        [this] { conductor_->pauseOrResume(); },
        later([this] { view_->zoomIn(); }),
        later([this] { view_->zoomOut(); }),
        later([this] { view_->actualSize(); }),
        [this](bool on) { conductor_->command([this, on] { view_->setFullScreenView(on); }); },
        [this](bool on) { conductor_->command([this, on] { layers_->setShowMaxima(on); }); },
        [this](bool on) { conductor_->command([this, on] { layers_->setShowFarField(on); }); },
        [this](bool on) { conductor_->command([this, on] { layers_->setKeepProfiles(on); }); },
        later([this] { layers_->clearKeptProfiles(); }),
        later([this] { exports_->copyPicture(); }),
        later([this] { exports_->savePictureAs(controls_.nNdirek->text()); }),
        later([this] { copyProfileData(); }),
        later([this] { saveProfileDataAs(); }),
        later([this] { showAbout(this); }),
        {},
    };
#ifdef Q_OS_WASM
    commands.copyLink = later(
        [this] { QGuiApplication::clipboard()->setText(pageAddress() + lessonLinkQuery(currentSetup(*this))); });
#endif
    menu_ = new WindowMenu(this, std::move(commands));
    gestures_ = new TouchGestures(this, surface_, [this](QPointF at) { return lookOut_->answersAt(at); });
    connectParts();
    // Ctrl with the wheel zooms over any control, the scroll bars included.
    qApp->installEventFilter(this);

    resize(kClientSize);
    controls_.cmdStart->setFocus();
}

MainWindow::~MainWindow()
{
    qApp->removeEventFilter(this);
}

void MainWindow::connectHandlers()
{
    Controls &c = controls_;
    const auto onSelected = [this](QRadioButton *option, const SlitCountChoice &choice) {
        connect(option, &QRadioButton::toggled, this, [this, option, &choice](bool selected) {
            // Tab reaches only the selected button of the group; a click reaches any.
            option->setFocusPolicy(selected ? Qt::StrongFocus : Qt::ClickFocus);
            if (selected)
                SelectSlitCount(controls_, *surface_, choice);
        });
    };
    onSelected(c.op2, kTwoSlits);
    onSelected(c.op3Dirky, kThreeSlits);
    onSelected(c.op4Dírky, kFourSlits);
    onSelected(c.op20, kTwentySlits);

    connect(c.HScrollKmitočet, &QScrollBar::valueChanged, this,
            [this] { HScrollKmitočetChange(controls_, *surface_); });
    connect(c.HScrollKmitocet20, &QScrollBar::valueChanged, this,
            [this] { HScrollKmitocet20Change(controls_, *surface_); });
    connect(c.HScrollSpomaleni, &QScrollBar::valueChanged, this, [this] { HScrollSpomaleniChange(controls_); });

    connect(c.cmdStart, &QPushButton::clicked, conductor_, &RunConductor::cmdStartClick);
    connect(c.cmdKonec, &QPushButton::clicked, this, &QWidget::close);
}

void MainWindow::connectParts()
{
    connect(conductor_, &RunConductor::started, this, &MainWindow::runStarted);
    connect(conductor_, &RunConductor::ended, layers_, &ProfileLayers::runEnded);
    connect(conductor_, &RunConductor::stopped, this, &MainWindow::runStopped);
    connect(conductor_, &RunConductor::pausedChanged, this, &MainWindow::showPaused);
    connect(conductor_, &RunConductor::stoodAt, this, &MainWindow::showStanding);
    connect(conductor_, &RunConductor::runFinished, this, &MainWindow::runFinished);
    connect(view_, &WindowView::scaled, this, &MainWindow::applyZoom);
    connect(view_, &WindowView::zoomRefused, this, &MainWindow::showZoomRefused);
    connect(conductor_, &RunConductor::heldBack, this, &MainWindow::showHeldBack);
    connect(view_, &WindowView::fullScreenShown, menu_, &WindowMenu::showFullScreen);
    connect(layers_, &ProfileLayers::showMaximaChanged, menu_->showMaximaAction(), &QAction::setChecked);
    connect(layers_, &ProfileLayers::showFarFieldChanged, menu_->showFarFieldAction(), &QAction::setChecked);
    connect(layers_, &ProfileLayers::showFarFieldChanged, lookOut_, &LookOutNavigation::setShowFarField);
    connect(layers_, &ProfileLayers::keepProfilesChanged, menu_->keepProfilesAction(), &QAction::setChecked);
    connect(layers_, &ProfileLayers::keptProfilesChanged, menu_, &WindowMenu::showKeptProfiles);
    connect(conductor_, &RunConductor::paintingOver, layers_, &ProfileLayers::paintingOver);
    connect(gestures_, &TouchGestures::longPressed, this, &MainWindow::popupMenu);
#ifdef Q_OS_WASM
    // Once Qt has finished with the cancel, never within it.
    connect(gestures_, &TouchGestures::cancelled, this, &endCancelledTouches, Qt::QueuedConnection);
#endif
}

void MainWindow::applyZoom(double zoom, QPoint offset)
{
    style_->setZoom(zoom);
    menu_->setZoom(zoom);
    zoomControls(this, zoom, offset);
    surface_->move(offset);
    // The next step's memory too, so that stepping on to it has the system
    // hand over only the pages it adds.
    surface_->reserve(zoomStepAbove(zoom));
    surface_->setZoom(zoom);
    lookOut_->setZoom(zoom);
    placeLayers(zoom, offset);
}

void MainWindow::placeLayers(double zoom, QPoint offset)
{
    const QRect design(offset, zoomed(kClientSize, zoom));
    const QList<Overlay *> layers = findChildren<Overlay *>(Qt::FindDirectChildrenOnly);
    for (Overlay *layer : layers)
        layer->place(zoom, design);
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    view_->windowResized();
}

bool MainWindow::event(QEvent *event)
{
    if (DrawingSurface::mayChangeRatio(event))
        view_->screenChanged();
    return QWidget::event(event);
}

void MainWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        view_->windowStateChanged();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (gestures_->filter(watched, event))
        return true;
    const bool ours = watched->isWidgetType() && static_cast<QWidget *>(watched)->window() == this;
    const QEvent::Type type = event->type();
    if (ours && (type == QEvent::KeyPress || type == QEvent::KeyRelease)) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((watched == surface_ && lookOut_->key(key)) || conductor_->sweepKey(key, view_->zoom()))
            return true;
    }
    if (watched == surface_ && lookOut_->surfaceEvent(event))
        return true;
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::ContextMenu:
        // Any key or click puts the look-out away, wherever in the window,
        // and a note that said why a zoom was not taken.
        if (ours)
            lookOut_->hide();
        if (ours && passingNoteShown_ && type != QEvent::ContextMenu) {
            passingNoteShown_ = false;
            hint_->hide();
        }
        break;
    case QEvent::Wheel:
        if (ours && view_->wheel(static_cast<QWheelEvent *>(event)))
            return true;
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::contextMenuEvent(QContextMenuEvent *event)
{
    popupMenu(event->globalPos());
}

void MainWindow::popupMenu(QPoint globalPos)
{
    lookOut_->hide();
    menu_->popup(globalPos);
}

void MainWindow::mousePressEvent(QMouseEvent *event)
{
    // A right press is the menu's, whatever it lands on. Taken here, because
    // the browser's Qt closes every popup after a press that nobody took,
    // the menu it has just opened included.
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

QImage MainWindow::picture()
{
    lookOut_->hide();
    const bool hinted = hint_->isVisible();
    hint_->hide();
    QImage picture = grab().toImage();
    hint_->setVisible(hinted);
    return picture;
}

void MainWindow::copyProfileData()
{
    if (const std::optional<RunLookOut> &run = conductor_->runOnScreen())
        exports_->copyProfileData(*run, layers_->keptProfiles().profiles());
}

void MainWindow::saveProfileDataAs()
{
    if (const std::optional<RunLookOut> &run = conductor_->runOnScreen())
        exports_->saveProfileDataAs(*run, layers_->keptProfiles().profiles());
}

void MainWindow::runStarted()
{
    passingNoteShown_ = false;
    // The run paints the scene over: what was said about the last one goes.
    lookOut_->forget();
    layers_->runStarted();
    menu_->showProfileData(false);
    menu_->showRun(true, false);
}

void MainWindow::runStopped()
{
    menu_->showRun(false, false);
    menu_->showProfileData(conductor_->runOnScreen().has_value());
    showPaused(false);
    // There is something to look at by keyboard from now on.
    if (conductor_->runOnScreen())
        surface_->setFocusPolicy(Qt::TabFocus);
}

void MainWindow::showHeldBack(bool exit)
{
    if (exitNoteShown_ && !exit)
        return;
    exitNoteShown_ = exit;
    passingNoteShown_ = false;
    hint_->showNote({exit ? tr("Exit waits for the run to end; Space pauses, and then Exit ends at once")
                          : tr("Clicks wait for the run to end; Space pauses it")});
}

void MainWindow::showZoomRefused(double zoom)
{
    //: %1 is a zoom step in per cent.
    showPassingNote({tr("Zoom %1 % would not fit this screen").arg(std::lround(zoom * 100.0)),
                     tr("F11 fills the screen with the window.")});
}

void MainWindow::showZoomLowerThanAsked(double asked)
{
    //: %1 is the zoom the window opened at, %2 the one asked for, in per cent.
    showPassingNote({tr("Opened at %1 %: %2 % would not fit this screen")
                         .arg(std::lround(view_->zoom() * 100.0))
                         .arg(std::lround(asked * 100.0)),
                     tr("F11 fills the screen with the window.")});
}

void MainWindow::showPassingNote(const QStringList &lines)
{
    // A run's own notes come first.
    if (conductor_->running())
        return;
    passingNoteShown_ = true;
    hint_->showNote(lines);
}

void MainWindow::showPaused(bool paused)
{
    menu_->showRun(conductor_->running(), paused);
    setWindowTitle(paused ? pausedTitleBarText() : titleBarText());
    lookOut_->forget();
    if (paused) {
        exitNoteShown_ = false;
        surface_->setFocusPolicy(Qt::TabFocus);
        showStanding(conductor_->runColumn());
    } else {
        hint_->hide();
        exitNoteShown_ = false;
        lookOut_->setNote({});
    }
}

void MainWindow::showStanding(int column)
{
    if (!conductor_->paused())
        return;
    hint_->showFor(column);
    // The title says paused; the note, and what a screen reader hears of the
    // drawing area, say where and how to go on.
    lookOut_->setNote(hint_->lines());
    lookOut_->forget();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (conductor_->holdsClose()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
    if (event->isAccepted())
        conductor_->unload();
}

} // namespace korvane
