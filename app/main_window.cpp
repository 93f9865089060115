// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "main_window.h"

#include "about_box.h"
#include "accessible_names.h"
#include "app_icon.h"
#include "drawing_surface.h"
#include "far_field_layer.h"
#include "frequency.h"
#include "held_input.h"
#include "look_out_panel.h"
#include "order_marks.h"
#include "pause_hint.h"
#include "picture_file.h"
#include "profile_file.h"
#include "slit_count.h"
#include "slow_down.h"
#include "startup.h"
#include "sweep_steps.h"
#include "title_bar.h"
#include "twips.h"
#include "value_stores.h"
#include "wave_strip.h"
#include "window_menu.h"
#ifdef Q_OS_WASM
#include "web_page.h"
#endif
#include "zoom.h"
#include "zoom_style.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <utility>

namespace korvane {

namespace {

// The look-out answers over the profile up to its tallest bar, and never
// over less than this, so that a dim profile can be looked at too (twips).
constexpr double kLowestProfile = 600.0;
constexpr double kProfileMargin = 150.0;

} // namespace

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
    // Over the picture, under the controls.
    marks_ = new OrderMarks(this);
    marks_->place(1.0, QPoint());
    farField_ = new FarFieldLayer(this);
    farField_->place(1.0, QRect(QPoint(), kClientSize));
    controls_ = createControls(this);
    nameForAccessibility(controls_, *surface_);
    designDescription_ = surface_->accessibleDescription();
    // The drawing area joins the keyboard's round after the design's
    // controls, once there is a run to look at (its focus policy says when).
    QWidget::setTabOrder(controls_.nWavelenghts, surface_);
    player_ = new RunPlayer(this);
    connectHandlers();
    // Over everything, the controls included.
    hint_ = new PauseHint(this);
    hint_->place(1.0, QRect(QPoint(), kClientSize));
    lookOut_ = new LookOutPanel(this);
    marker_ = new ColumnMarker(this);
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

    menu_ = new WindowMenu(this, {
                                     [this] { pauseOrResume(); },
                                     [this] { command([this] { zoomIn(); }); },
                                     [this] { command([this] { zoomOut(); }); },
                                     [this] { command([this] { actualSize(); }); },
                                     [this](bool on) { command([this, on] { setFullScreenView(on); }); },
                                     [this](bool on) { command([this, on] { setShowMaxima(on); }); },
                                     [this](bool on) { command([this, on] { setShowFarField(on); }); },
                                     [this] { command([this] { copyPicture(); }); },
                                     [this] { command([this] { savePictureAs(); }); },
                                     [this] { command([this] { copyProfileData(); }); },
                                     [this] { command([this] { saveProfileDataAs(); }); },
                                     [this] { command([this] { showAbout(this); }); },
                                 });
    // Ctrl with the wheel zooms over any control, the scroll bars included.
    qApp->installEventFilter(this);

    resize(kClientSize);
    ratio_ = devicePixelRatioF();
    controls_.cmdStart->setFocus();
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

    connect(c.cmdStart, &QPushButton::clicked, this, &MainWindow::cmdStartClick);
    connect(c.cmdKonec, &QPushButton::clicked, this, &QWidget::close);

    connect(player_, &RunPlayer::ended, this, &MainWindow::runEnded);
    connect(player_, &RunPlayer::pausedChanged, this, &MainWindow::showPaused);
    connect(player_, &RunPlayer::stoodAt, this, &MainWindow::showStanding);
}

void MainWindow::setRunClock(PaceClock &clock)
{
    player_->setClock(clock);
}

bool MainWindow::paused() const
{
    return running_ && player_->paused();
}

int MainWindow::runColumn() const
{
    return player_->reached();
}

std::chrono::nanoseconds MainWindow::frameInterval() const
{
    if (frameInterval_.count() > 0)
        return frameInterval_;
    // As often as the display can show a frame, but never less than 50 a second.
    const double hz = screen() ? screen()->refreshRate() : 60.0;
    const double seconds = std::clamp(1.0 / (hz > 0.0 ? hz : 60.0), 1.0 / 120.0, 1.0 / 50.0);
    return std::chrono::nanoseconds(std::llround(seconds * 1e9));
}

MainWindow::~MainWindow()
{
    qApp->removeEventFilter(this);
}

bool MainWindow::fitsScreen(double zoom) const
{
    const QScreen *here = screen();
    if (!here)
        return true;
    // The frame is the window system's, and does not grow with the zoom.
    const QSize frame = frameGeometry().size() - geometry().size();
    const QSize needed = zoomed(kClientSize, zoom) + frame;
    const QSize free = here->availableGeometry().size();
    return needed.width() <= free.width() && needed.height() <= free.height();
}

QPoint MainWindow::centredCorner(double zoom) const
{
    const QSize design = zoomed(kClientSize, zoom);
    return {(width() - design.width()) / 2, (height() - design.height()) / 2};
}

void MainWindow::setZoom(double zoom)
{
    if (zoom == zoom_)
        return;
    if (fullScreen_) {
        // Any smaller step, centred; none larger than the screen allows.
        if (zoom <= fittingZoom(kClientSize, size()) + 1e-9)
            applyZoom(zoom, centredCorner(zoom));
        return;
    }
    if (zoom > zoom_ && !fitsScreen(zoom))
        return;
    applyZoom(zoom, QPoint());
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
        resize(zoomed(kClientSize, zoom));
        // Grown to the right and down; moved back in so that it stays whole
        // on its screen.
        if (const QScreen *here = screen()) {
            const QRect free = here->availableGeometry();
            QRect frame = frameGeometry();
            frame.setSize(frame.size() - geometry().size() + zoomed(kClientSize, zoom));
            const QPoint shift(std::min(0, free.right() - frame.right()), std::min(0, free.bottom() - frame.bottom()));
            if (!shift.isNull())
                move(pos() + shift);
        }
    }
}

void MainWindow::applyZoom(double zoom, QPoint offset)
{
    zoom_ = zoom;
    style_->setZoom(zoom);
    menu_->setZoom(zoom);
    zoomControls(this, zoom, offset);
    surface_->move(offset);
    surface_->setZoom(zoom);
    marks_->place(zoom, offset);
    farField_->place(zoom, QRect(offset, zoomed(kClientSize, zoom)));
    hint_->place(zoom, QRect(offset, zoomed(kClientSize, zoom)));
    // The pointer now stands over another column; the next move shows it.
    hideLookOut();
    lookOut_->setZoom(zoom);
}

void MainWindow::zoomIn()
{
    setZoom(zoomStepAbove(zoom_));
}

void MainWindow::zoomOut()
{
    setZoom(zoomStepBelow(zoom_));
}

void MainWindow::actualSize()
{
    setZoom(1.0);
}

void MainWindow::setFullScreenView(bool on)
{
    if (on == fullScreenView()) {
        menu_->showFullScreen(on);
        return;
    }
    if (on) {
        fullScreen_ = Windowed{zoom_, windowState()};
        showFullScreen();
        fitFullScreen();
    } else {
        const Windowed before = *fullScreen_;
        fullScreen_.reset();
        applyZoom(before.zoom, QPoint());
        if (before.state & Qt::WindowMaximized)
            showMaximized();
        else
            showNormal();
    }
    menu_->showFullScreen(on);
}

void MainWindow::fitFullScreen()
{
    const double fit = fittingZoom(kClientSize, size());
    applyZoom(fit, centredCorner(fit));
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // The window system makes the window full screen in its own time; the
    // fit follows the size it gives.
    if (fullScreen_ && isFullScreen())
        fitFullScreen();
}

bool MainWindow::event(QEvent *event)
{
    // At another device pixel ratio the window keeps its size in logical
    // pixels, the design's at the zoom; X11 leaves the native size as it was,
    // which would cut the design to a quarter at twice the ratio.
    if (event->type() == QEvent::ScreenChangeInternal && devicePixelRatioF() != ratio_) {
        ratio_ = devicePixelRatioF();
        if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
            QMetaObject::invokeMethod(
                this, [this] { resize(zoomed(kClientSize, zoom_)); }, Qt::QueuedConnection);
    }
    return QWidget::event(event);
}

void MainWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // Full screen left some other way (the window manager's own key): the
    // zoom goes back as with F11.
    if (event->type() == QEvent::WindowStateChange && fullScreen_ && !isFullScreen())
        setFullScreenView(false);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    const bool ours = watched->isWidgetType() && static_cast<QWidget *>(watched)->window() == this;
    const QEvent::Type type = event->type();
    if (ours && (type == QEvent::KeyPress || type == QEvent::KeyRelease)) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((watched == surface_ && lookOutKey(key)) || sweepKey(key))
            return true;
    }
    if (watched == surface_) {
        switch (type) {
        case QEvent::MouseMove:
            lookAt(static_cast<QMouseEvent *>(event)->position());
            break;
        case QEvent::Leave:
            if (!surface_->hasFocus())
                hideLookOut();
            break;
        case QEvent::FocusIn:
            if (lookable())
                lookAtColumn(keyColumn_.value_or(firstKeyColumn()));
            break;
        case QEvent::FocusOut:
            hideLookOut();
            break;
        case QEvent::ShortcutOverride:
            // Esc puts the look-out away before it leaves full screen.
            if (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape && lookOut_->isVisible()) {
                event->accept();
                return true;
            }
            break;
        default:
            break;
        }
    }
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::ContextMenu:
        // Any key or click puts the look-out away, wherever in the window.
        if (ours)
            hideLookOut();
        break;
    default:
        break;
    }
    if (type != QEvent::Wheel || !watched->isWidgetType())
        return QWidget::eventFilter(watched, event);
    auto *wheel = static_cast<QWheelEvent *>(event);
    if (!(wheel->modifiers() & Qt::ControlModifier) || !ours)
        return QWidget::eventFilter(watched, event);
    // A notch is 120; finer wheels send parts of one.
    wheelAngle_ += wheel->angleDelta().y();
    for (; wheelAngle_ >= 120; wheelAngle_ -= 120)
        zoomIn();
    for (; wheelAngle_ <= -120; wheelAngle_ += 120)
        zoomOut();
    return true;
}

namespace {

Qt::KeyboardModifiers withoutKeypad(const QKeyEvent *key)
{
    return key->modifiers() & ~Qt::KeypadModifier;
}

// Space pauses and resumes a run; while it stands, the arrows (with Shift or
// without), Home and End step it. Anything else is the controls' own.
bool isSweepKey(const QKeyEvent *key, bool paused)
{
    switch (key->key()) {
    case Qt::Key_Space:
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
        return paused && (withoutKeypad(key) == Qt::NoModifier || withoutKeypad(key) == Qt::ShiftModifier);
    case Qt::Key_Home:
    case Qt::Key_End:
        return paused && withoutKeypad(key) == Qt::NoModifier;
    default:
        return false;
    }
}

} // namespace

bool MainWindow::sweepKey(const QKeyEvent *key)
{
    if (!running_ || !isSweepKey(key, paused()))
        return false;
    // The press acts; its release, and a key held down, do nothing more.
    if (key->type() != QEvent::KeyPress)
        return true;
    const bool shift = withoutKeypad(key) == Qt::ShiftModifier;
    const int at = player_->reached();
    switch (key->key()) {
    case Qt::Key_Space:
        if (!key->isAutoRepeat())
            pauseOrResume();
        break;
    case Qt::Key_Left:
        player_->standAt(shift ? previousPixelColumn(at, zoom_) : previousChainColumn(at));
        break;
    case Qt::Key_Right:
        player_->standAt(shift ? nextPixelColumn(at, zoom_) : nextChainColumn(at));
        break;
    case Qt::Key_Home:
        player_->standAt(scene::kFirstColumn);
        break;
    case Qt::Key_End:
        player_->finishNow();
        break;
    default:
        break;
    }
    return true;
}

bool MainWindow::lookOutKey(const QKeyEvent *key)
{
    if (!lookable())
        return false;
    const int code = key->key();
    if (code == Qt::Key_Escape) {
        if (!lookOut_->isVisible())
            return false;
        if (key->type() == QEvent::KeyPress)
            hideLookOut();
        return true;
    }
    const bool plain = withoutKeypad(key) == Qt::NoModifier;
    const bool shift = withoutKeypad(key) == Qt::ShiftModifier;
    const int at = keyColumn_.value_or(firstKeyColumn());
    int to = at;
    if (code == Qt::Key_Left && (plain || shift))
        to = shift ? previousPixelColumn(at, zoom_) : previousChainColumn(at);
    else if (code == Qt::Key_Right && (plain || shift))
        to = shift ? nextPixelColumn(at, zoom_) : nextChainColumn(at);
    else if (code == Qt::Key_Home && plain)
        to = scene::kFirstColumn;
    else if (code == Qt::Key_End && plain)
        to = lastLookable();
    else
        return false;
    if (key->type() == QEvent::KeyPress)
        lookAtColumn(std::clamp(to, scene::kFirstColumn, lastLookable()));
    return true;
}

int MainWindow::firstKeyColumn() const
{
    // Where the sweep stands; after a run, at the central order.
    if (running_)
        return std::max(scene::kFirstColumn, player_->reached());
    if (const RunLookOut *run = lookable())
        for (const Order &order : run->orders())
            if (order.m == 0)
                return static_cast<int>(std::lround(order.column));
    return (scene::kFirstColumn + scene::kLastColumn) / 2;
}

const RunLookOut *MainWindow::lookable() const
{
    if (running_)
        return paused() && player_->reached() >= scene::kFirstColumn && runUnderWay_ ? &*runUnderWay_ : nullptr;
    return runOnScreen_ ? &*runOnScreen_ : nullptr;
}

int MainWindow::lastLookable() const
{
    return running_ ? player_->reached() : scene::kLastColumn;
}

void MainWindow::lookAtColumn(int column)
{
    const RunLookOut *run = lookable();
    if (!run)
        return;
    keyColumn_ = column;
    // The column on the screen line, in the surface's logical pixels.
    const QPointF onLine(column / static_cast<double>(kTwipsPerPixel) * zoom_,
                         scene::kScreenY / kTwipsPerPixel * zoom_);
    const QPoint point = surface_->mapTo(this, onLine.toPoint());
    lookOut_->showAt(*run, run->at(column), point);
    marker_->showAt(point, zoom_);
    // The drawing area has the focus: what it describes is read out.
    surface_->setAccessibleDescription(lookOut_->lines().join(QLatin1Char('\n')));
}

void MainWindow::hideLookOut()
{
    lookOut_->hide();
    marker_->hide();
    const QString description = paused() ? hint_->lines().join(QLatin1Char('\n')) : designDescription_;
    if (surface_->accessibleDescription() != description)
        surface_->setAccessibleDescription(description);
}

void MainWindow::contextMenuEvent(QContextMenuEvent *event)
{
    menu_->popup(event->globalPos());
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
    // The look-out and the pause's note are about the picture, not in it.
    hideLookOut();
    const bool hinted = hint_->isVisible();
    hint_->hide();
    QImage picture = grab().toImage();
    hint_->setVisible(hinted);
    return picture;
}

void MainWindow::setShowMaxima(bool on)
{
    showMaxima_ = on;
    menu_->showMaximaAction()->setChecked(on);
    marks_->setVisible(on && runOnScreen_.has_value());
}

void MainWindow::setShowFarField(bool on)
{
    showFarField_ = on;
    menu_->showFarFieldAction()->setChecked(on);
    if (on && (runUnderWay_ || runOnScreen_))
        farField_->setRun(runUnderWay_ ? *runUnderWay_ : *runOnScreen_);
    farField_->setVisible(on && (runUnderWay_ || runOnScreen_));
}

void MainWindow::lookAt(QPointF position)
{
    const RunLookOut *run = lookable();
    if (!run) {
        hideLookOut();
        return;
    }
    // The surface's logical pixels are the design's at the zoom.
    const double x = position.x() / zoom_ * kTwipsPerPixel;
    const double y = position.y() / zoom_ * kTwipsPerPixel;
    // The screen line with the profile above it and the orders' marks below.
    const double below = marks_->height() / zoom_ * kTwipsPerPixel;
    // The lowest first: a bar that is not a number (a damaged store's) leaves it.
    const double above = std::max(kLowestProfile, run->tallestBar()) + kProfileMargin;
    const double column = std::round(x);
    if (column < scene::kFirstColumn || column > lastLookable() || y < scene::kScreenY - above
        || y > scene::kScreenY + below) {
        hideLookOut();
        return;
    }
    marker_->hide();
    lookOut_->showAt(*run, run->at(column), surface_->mapTo(this, position.toPoint()));
}

void MainWindow::copyPicture()
{
#ifdef Q_OS_WASM
    if (!clipboardTakesPictures()) {
        auto *box = new QMessageBox(QMessageBox::Information, tr("Copy picture"),
                                    tr("This browser does not let the page put a picture on the clipboard. "
                                       "Save picture offers it as a download instead."),
                                    QMessageBox::Ok, this);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
        return;
    }
#endif
    QGuiApplication::clipboard()->setImage(picture());
}

#ifndef Q_OS_WASM
namespace {

// The file chosen in a save dialog opened at `suggested`, or none.
QString askSaveFile(QWidget *parent, const QString &title, const QString &filter, const QString &suffix,
                    const QString &suggested)
{
    QFileDialog dialog(parent, title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(suffix);
    dialog.setDirectory(QFileInfo(suggested).absolutePath());
    dialog.selectFile(QFileInfo(suggested).fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace
#endif

void MainWindow::savePictureAs()
{
    // The picture as it is now, before the dialog takes the focus.
    const QImage shown = picture();
    const QString suggested = defaultPictureFile(controls_.nNdirek->text());
#ifdef Q_OS_WASM
    // A page writes no file of its own: the browser offers it as a download.
    QFileDialog::saveFileContent(pngBytes(shown), QFileInfo(suggested).fileName());
#else
    const QString fileName = askSaveFile(this, tr("Save picture"), tr("PNG image (*.png)"), QStringLiteral("png"),
                                         suggested);
    if (fileName.isEmpty())
        return;
    const QString error = savePicture(shown, fileName);
    if (!error.isEmpty())
        QMessageBox::warning(
            this, tr("Save picture"),
            //: %1 is the file's name, %2 the reason, as the system gives it.
            tr("The picture could not be saved as %1.\n\n%2").arg(QDir::toNativeSeparators(fileName), error));
#endif
}

void MainWindow::copyProfileData()
{
    if (runOnScreen_)
        QGuiApplication::clipboard()->setText(profileTable(*runOnScreen_, QLocale()));
}

void MainWindow::saveProfileDataAs()
{
    if (!runOnScreen_)
        return;
    // The numbers of the run on screen now, whatever happens while the dialog is open.
    const QByteArray csv = profileCsv(*runOnScreen_);
    const QString suggested = defaultProfileFile(QString::fromStdString(runOnScreen_->slitCountText()),
                                                 runOnScreen_->frequency());
#ifdef Q_OS_WASM
    QFileDialog::saveFileContent(csv, QFileInfo(suggested).fileName());
#else
    const QString fileName = askSaveFile(this, tr("Save profile data"), tr("CSV table (*.csv)"), QStringLiteral("csv"),
                                         suggested);
    if (fileName.isEmpty())
        return;
    const QString error = saveProfile(csv, fileName);
    if (!error.isEmpty())
        QMessageBox::warning(
            this, tr("Save profile data"),
            //: %1 is the file's name, %2 the reason, as the system gives it.
            tr("The profile data could not be saved as %1.\n\n%2").arg(QDir::toNativeSeparators(fileName), error));
#endif
}

void MainWindow::cmdStartClick()
{
    if (unloaded())
        return;
    if (paused()) {
        // Start again from the beginning: the run standing here is dropped,
        // what was held while it stood is acted on, then the new run starts
        // with whatever the controls hold by then.
        player_->drop();
        runUnderWay_.reset();
        afterRun();
        QMetaObject::invokeMethod(this, &MainWindow::cmdStartClick, Qt::QueuedConnection);
        return;
    }
    if (running_) {
        // Only a click made by code can get here during a run; it runs next,
        // as a user's click held back during the run does.
        ++startsPending_;
        return;
    }
    running_ = true;
    heldInput_ = std::make_unique<HeldInput>(
        [this](QObject *receiver, QEvent *event) { return passesDuringRun(receiver, event); });
    // The run paints the scene over: what was said about the last one goes.
    runOnScreen_.reset();
    keyColumn_.reset();
    hideLookOut();
    marks_->hide();
    const RunParameters parameters = storedRunParameters(controls_);
    runUnderWay_.emplace(parameters.slitCountText, parameters.slitCount, parameters.frequency);
    menu_->showProfileData(false);
    // Over the run as it builds: the theory is known before the sweep.
    setShowFarField(showFarField_);
    menu_->showRun(true, false);
    player_->start(parameters, *surface_, frameInterval());
}

void MainWindow::runEnded()
{
    runOnScreen_ = std::move(runUnderWay_);
    runUnderWay_.reset();
    marks_->setOrders(runOnScreen_->orders());
    marks_->setVisible(showMaxima_);
    ShowRelativeFrequency(*controls_.nKmitočet, *controls_.nRelKmitočet, "#.##");
    afterRun();
}

void MainWindow::afterRun()
{
    running_ = false;
    lastRun_ = player_->report();
    menu_->showRun(false, false);
    menu_->showProfileData(runOnScreen_.has_value());
    showPaused(false);
    // There is something to look at by keyboard from now on.
    if (runOnScreen_)
        surface_->setFocusPolicy(Qt::TabFocus);
    // Handed back in order, a close request held among them; a Start clicked
    // by code during the run follows them.
    heldInput_.reset();
    for (; startsPending_ > 0; --startsPending_)
        QMetaObject::invokeMethod(this, &MainWindow::cmdStartClick, Qt::QueuedConnection);
    for (std::function<void()> &waiting : std::exchange(afterRun_, {}))
        QMetaObject::invokeMethod(this, std::move(waiting), Qt::QueuedConnection);
    emit runFinished();
}

void MainWindow::pauseOrResume()
{
    if (!running_)
        return;
    if (player_->paused())
        player_->resume();
    else
        player_->pause();
}

void MainWindow::showPaused(bool paused)
{
    menu_->showRun(running_, paused);
    setWindowTitle(paused ? pausedTitleBarText() : titleBarText());
    keyColumn_.reset();
    hideLookOut();
    if (paused) {
        surface_->setFocusPolicy(Qt::TabFocus);
        showStanding(player_->reached());
    } else {
        hint_->hide();
        surface_->setAccessibleDescription(designDescription_);
    }
}

void MainWindow::showStanding(int column)
{
    if (!paused())
        return;
    keyColumn_.reset();
    hint_->showFor(column);
    hideLookOut();
    // The title says paused; the note, and what a screen reader hears of the
    // drawing area, say where and how to go on.
    surface_->setAccessibleDescription(hint_->lines().join(QLatin1Char('\n')));
}

bool MainWindow::isParameterControl(const QWidget *widget) const
{
    for (; widget && widget != this; widget = widget->parentWidget())
        if (widget == controls_.nNomKmitočet || widget == controls_.HScrollKmitočet
            || widget == controls_.HScrollKmitocet20 || widget == controls_.HScrollSpomaleni)
            return true;
    return false;
}

bool MainWindow::passesDuringRun(QObject *receiver, QEvent *event) const
{
    // The window system hands input to the window first, then to the control
    // it is for.
    const bool atWindow = receiver == static_cast<const QObject *>(windowHandle());
    const QWidget *target = atWindow ? this : nullptr;
    if (receiver->isWidgetType())
        target = static_cast<const QWidget *>(receiver);
    // Input for another window (the context menu, a dialog) is that window's.
    if (!target || target->window() != this)
        return true;
    switch (event->type()) {
    case QEvent::ContextMenu:
        // The menu, with Pause in it.
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        if (static_cast<const QMouseEvent *>(event)->button() == Qt::RightButton)
            return true;
        break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto *key = static_cast<const QKeyEvent *>(event);
        if (isSweepKey(key, paused()) || key->key() == Qt::Key_Menu)
            return true;
        if (paused() && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab))
            return true;
        break;
    }
    case QEvent::Wheel:
        if (paused() && (static_cast<const QWheelEvent *>(event)->modifiers() & Qt::ControlModifier))
            return true;
        break;
    default:
        break;
    }
    if (!paused())
        return false;
    // Standing still, the window is alive; only what would change the
    // parameters waits, judged at the control it reaches.
    return atWindow || !isParameterControl(target);
}

void MainWindow::command(std::function<void()> command)
{
    // Keys from the window system reach the shortcuts before any event
    // filter, so a command asked for while a run goes on is held back here,
    // as input is; a run that stands still does them at once.
    if (running_ && !paused())
        afterRun_.push_back(std::move(command));
    else
        command();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (running_ && !paused()) {
        // A run that goes on is not cut short: the window closes after its
        // last column, in its place among the input held meanwhile.
        heldInput_->holdCall(this, [this] { close(); });
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
    if (!event->isAccepted())
        return;
    // Unloaded: the program ends when control gets back to its event loop,
    // and whatever the user did after Exit, still queued, is dropped on the
    // way; a Start clicked after Exit would otherwise run unseen to its end.
    if (!droppedInput_)
        droppedInput_ = std::make_unique<DroppedInput>();
    if (running_) {
        // A run standing still has nothing left to wait for.
        player_->drop();
        runUnderWay_.reset();
        afterRun();
    }
}

} // namespace korvane
