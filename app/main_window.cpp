// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "main_window.h"

#include "about_box.h"
#include "accessible_names.h"
#include "app_icon.h"
#include "drawing_surface.h"
#include "frequency.h"
#include "held_input.h"
#include "look_out_panel.h"
#include "order_marks.h"
#include "picture_file.h"
#include "slit_count.h"
#include "slow_down.h"
#include "startup.h"
#include "title_bar.h"
#include "twips.h"
#include "value_stores.h"
#include "wave_strip.h"
#include "window_menu.h"
#include "zoom.h"
#include "zoom_style.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>

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
    controls_ = createControls(this);
    nameForAccessibility(controls_, *surface_);
    connectHandlers();
    // Over everything, the controls included.
    lookOut_ = new LookOutPanel(this);
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
                                     [this] { command([this] { zoomIn(); }); },
                                     [this] { command([this] { zoomOut(); }); },
                                     [this] { command([this] { actualSize(); }); },
                                     [this](bool on) { command([this, on] { setFullScreenView(on); }); },
                                     [this](bool on) { command([this, on] { setShowMaxima(on); }); },
                                     [this] { command([this] { copyPicture(); }); },
                                     [this] { command([this] { savePictureAs(); }); },
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
    // The pointer now stands over another column; the next move shows it.
    lookOut_->hide();
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
    if (watched == surface_ && event->type() == QEvent::MouseMove)
        lookAt(static_cast<QMouseEvent *>(event)->position());
    if (watched == surface_ && event->type() == QEvent::Leave)
        lookOut_->hide();
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::ContextMenu:
        // Any key or click puts the look-out away, wherever in the window.
        if (watched->isWidgetType() && static_cast<QWidget *>(watched)->window() == this)
            lookOut_->hide();
        break;
    default:
        break;
    }
    if (event->type() != QEvent::Wheel || !watched->isWidgetType())
        return QWidget::eventFilter(watched, event);
    auto *wheel = static_cast<QWheelEvent *>(event);
    if (!(wheel->modifiers() & Qt::ControlModifier) || static_cast<QWidget *>(watched)->window() != this)
        return QWidget::eventFilter(watched, event);
    // A notch is 120; finer wheels send parts of one.
    wheelAngle_ += wheel->angleDelta().y();
    for (; wheelAngle_ >= 120; wheelAngle_ -= 120)
        zoomIn();
    for (; wheelAngle_ <= -120; wheelAngle_ += 120)
        zoomOut();
    return true;
}

void MainWindow::contextMenuEvent(QContextMenuEvent *event)
{
    menu_->popup(event->globalPos());
}

QImage MainWindow::picture()
{
    // The look-out is about the picture, not in it.
    lookOut_->hide();
    return grab().toImage();
}

void MainWindow::setShowMaxima(bool on)
{
    showMaxima_ = on;
    menu_->showMaximaAction()->setChecked(on);
    marks_->setVisible(on && runOnScreen_.has_value());
}

void MainWindow::lookAt(QPointF position)
{
    if (!runOnScreen_ || running_) {
        lookOut_->hide();
        return;
    }
    // The surface's logical pixels are the design's at the zoom.
    const double x = position.x() / zoom_ * kTwipsPerPixel;
    const double y = position.y() / zoom_ * kTwipsPerPixel;
    // The screen line with the profile above it and the orders' marks below.
    const double below = marks_->height() / zoom_ * kTwipsPerPixel;
    // The lowest first: a bar that is not a number (a damaged store's) leaves it.
    const double above = std::max(kLowestProfile, runOnScreen_->tallestBar()) + kProfileMargin;
    const double column = std::round(x);
    if (column < scene::kFirstColumn || column > scene::kLastColumn || y < scene::kScreenY - above
        || y > scene::kScreenY + below) {
        lookOut_->hide();
        return;
    }
    lookOut_->showAt(*runOnScreen_, runOnScreen_->at(column), surface_->mapTo(this, position.toPoint()));
}

void MainWindow::copyPicture()
{
    QGuiApplication::clipboard()->setImage(picture());
}

void MainWindow::savePictureAs()
{
    // The picture as it is now, before the dialog takes the focus.
    const QImage shown = picture();
    QFileDialog dialog(this, tr("Save picture"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(tr("PNG image (*.png)"));
    dialog.setDefaultSuffix(QStringLiteral("png"));
    const QString suggested = defaultPictureFile(controls_.nNdirek->text());
    dialog.setDirectory(QFileInfo(suggested).absolutePath());
    dialog.selectFile(QFileInfo(suggested).fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString fileName = dialog.selectedFiles().constFirst();
    const QString error = savePicture(shown, fileName);
    if (!error.isEmpty())
        QMessageBox::warning(
            this, tr("Save picture"),
            //: %1 is the file's name, %2 the reason, as the system gives it.
            tr("The picture could not be saved as %1.\n\n%2").arg(QDir::toNativeSeparators(fileName), error));
}

void MainWindow::cmdStartClick()
{
    if (unloaded())
        return;
    if (running_) {
        // Only a click made by code can get here during a run; it runs next,
        // as a user's click held back during the run does.
        ++startsPending_;
        return;
    }
    running_ = true;
    {
        HeldInput held;
        // The run paints the scene over: what was said about the last one goes.
        runOnScreen_.reset();
        lookOut_->hide();
        marks_->hide();
        const RunParameters parameters = storedRunParameters(controls_);
        lastRun_ = RunAnimation(parameters, *surface_, *runClock_, frameInterval());
        runOnScreen_.emplace(parameters.slitCountText, parameters.slitCount, parameters.frequency);
        marks_->setOrders(runOnScreen_->orders());
        marks_->setVisible(showMaxima_);
        ShowRelativeFrequency(*controls_.nKmitočet, *controls_.nRelKmitočet, "#.##");
        running_ = false;
        if (closePending_) {
            // X11 keeps a close request from the window frame in order with
            // the input held back during the run; a window system that hands
            // it over at once gets here, where the order of the two is not
            // known. The request is carried out first, and unloading drops
            // the held input, as it drops whatever comes after Exit.
            closePending_ = false;
            close();
        }
    }

    for (; startsPending_ > 0; --startsPending_)
        QMetaObject::invokeMethod(this, &MainWindow::cmdStartClick, Qt::QueuedConnection);
    for (std::function<void()> &waiting : std::exchange(afterRun_, {}))
        QMetaObject::invokeMethod(this, std::move(waiting), Qt::QueuedConnection);
    // Input the window system held back is waiting in the toolkit's queue,
    // where a dispatcher asleep in poll() would not see it until some other
    // event came; wake it so the input is handled now.
    if (QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance())
        dispatcher->wakeUp();
    emit runFinished();
}

void MainWindow::command(std::function<void()> command)
{
    // Keys from the window system wait in its queue during a run; a key
    // posted by a script reaches the shortcuts before any event filter, so
    // its command is held back here.
    if (running_)
        afterRun_.push_back(std::move(command));
    else
        command();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (running_) {
        // A run cannot be cut short: the window closes after its last column.
        closePending_ = true;
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
    // Unloaded: the program ends when control gets back to its event loop,
    // and whatever the user did after Exit, still queued, is dropped on the
    // way; a Start clicked after Exit would otherwise run unseen to its end.
    if (event->isAccepted() && !droppedInput_)
        droppedInput_ = std::make_unique<DroppedInput>();
}

} // namespace korvane
