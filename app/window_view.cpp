// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "window_view.h"

#include "zoom.h"

#include <QScreen>
#include <QWheelEvent>
#include <QWidget>

#include <algorithm>

namespace korvane {

WindowView::WindowView(QWidget *window, QSize design)
    : QObject(window)
    , window_(window)
    , design_(design)
    , ratio_(window->devicePixelRatioF())
{
}

bool WindowView::fitsScreen(double zoom) const
{
    const QScreen *here = window_->screen();
    if (!here)
        return true;
    // The frame is the window system's, and does not grow with the zoom.
    const QSize frame = window_->frameGeometry().size() - window_->geometry().size();
    const QSize needed = zoomed(design_, zoom) + frame;
    const QSize free = here->availableGeometry().size();
    return needed.width() <= free.width() && needed.height() <= free.height();
}

QPoint WindowView::centredCorner(double zoom) const
{
    const QSize design = zoomed(design_, zoom);
    return {(window_->width() - design.width()) / 2, (window_->height() - design.height()) / 2};
}

void WindowView::setZoom(double zoom)
{
    if (zoom == zoom_)
        return;
    if (fullScreen_) {
        // Any smaller step, centred; none larger than the screen allows.
        if (zoom <= fittingZoom(design_, window_->size()) + 1e-9)
            applyZoom(zoom, centredCorner(zoom));
        return;
    }
    if (zoom > zoom_ && !fitted_ && !fitsScreen(zoom)) {
        emit zoomRefused(zoom);
        return;
    }
    applyZoom(zoom, QPoint());
    if (!(window_->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
        window_->resize(zoomed(design_, zoom));
        // Grown to the right and down; moved back in so that it stays whole
        // on its screen.
        if (const QScreen *here = window_->screen()) {
            const QRect free = here->availableGeometry();
            QRect frame = window_->frameGeometry();
            frame.setSize(frame.size() - window_->geometry().size() + zoomed(design_, zoom));
            const QPoint shift(std::min(0, free.right() - frame.right()), std::min(0, free.bottom() - frame.bottom()));
            if (!shift.isNull())
                window_->move(window_->pos() + shift);
        }
    }
}

void WindowView::applyZoom(double zoom, QPoint offset)
{
    zoom_ = zoom;
    emit scaled(zoom, offset);
}

void WindowView::zoomIn()
{
    setZoom(zoomStepAbove(zoom_));
}

void WindowView::zoomOut()
{
    const double below = zoomStepBelow(zoom_);
    if (fitted_)
        setZoom(below < zoom_ ? std::max(below, *fitted_) : *fitted_);
    else
        setZoom(below);
}

void WindowView::actualSize()
{
    setZoom(1.0);
}

void WindowView::fitSmallScreen()
{
    const QScreen *here = window_->screen();
    if (!here || fullScreen_)
        return;
    const QSize frame = window_->frameGeometry().size() - window_->geometry().size();
    const double fit = fittingZoom(design_, here->availableGeometry().size() - frame);
    if (fit < 1.0) {
        fitted_ = fit;
        setZoom(fit);
    } else {
        fitted_.reset();
        if (zoom_ < 1.0)
            setZoom(1.0);
    }
}

void WindowView::setFullScreenView(bool on)
{
    if (on == fullScreenView()) {
        emit fullScreenShown(on);
        return;
    }
    if (on) {
        fullScreen_ = Windowed{zoom_, window_->windowState()};
        window_->showFullScreen();
        fitFullScreen();
    } else {
        const Windowed before = *fullScreen_;
        fullScreen_.reset();
        applyZoom(before.zoom, QPoint());
        if (before.state & Qt::WindowMaximized)
            window_->showMaximized();
        else
            window_->showNormal();
    }
    emit fullScreenShown(on);
}

void WindowView::fitFullScreen()
{
    const double fit = fittingZoom(design_, window_->size());
    applyZoom(fit, centredCorner(fit));
}

bool WindowView::wheel(const QWheelEvent *wheel)
{
    if (!(wheel->modifiers() & Qt::ControlModifier))
        return false;
    // A notch is 120; finer wheels send parts of one.
    wheelAngle_ += wheel->angleDelta().y();
    for (; wheelAngle_ >= 120; wheelAngle_ -= 120)
        zoomIn();
    for (; wheelAngle_ <= -120; wheelAngle_ += 120)
        zoomOut();
    return true;
}

void WindowView::windowResized()
{
    // The window system makes the window full screen in its own time; the
    // fit follows the size it gives.
    if (fullScreen_ && window_->isFullScreen())
        fitFullScreen();
}

void WindowView::windowStateChanged()
{
    // Full screen left some other way (the window manager's own key): the
    // zoom goes back as with F11.
    if (fullScreen_ && !window_->isFullScreen())
        setFullScreenView(false);
}

void WindowView::screenChanged()
{
    // At another device pixel ratio the window keeps its size in logical
    // pixels, the design's at the zoom; X11 leaves the native size as it was,
    // which would cut the design to a quarter at twice the ratio.
    if (window_->devicePixelRatioF() == ratio_)
        return;
    ratio_ = window_->devicePixelRatioF();
    if (!(window_->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        QMetaObject::invokeMethod(
            this, [this] { window_->resize(zoomed(design_, zoom_)); }, Qt::QueuedConnection);
}

} // namespace korvane
