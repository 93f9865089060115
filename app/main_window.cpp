// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "app/main_window.h"

#include "app/accessible_names.h"
#include "app/app_icon.h"
#include "app/drawing_surface.h"
#include "app/held_input.h"
#include "app/startup.h"
#include "app/title_bar.h"
#include "app/twips.h"
#include "controls/frequency.h"
#include "controls/slit_count.h"
#include "controls/slow_down.h"

#include <QAbstractEventDispatcher>
#include <QCloseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

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
    controls_ = createControls(this);
    nameForAccessibility(controls_, *surface_);
    connectHandlers();

    RunStartUp(controls_);

    // The start-up selection drew the strip while the window was not yet on
    // screen; none of that is seen: the window opens on the bare surface.
    surface_->erase();
    surface_->paintCaption(twipsRect(labKlepnete.left, labKlepnete.top, labKlepnete.width, labKlepnete.height),
                           QString::fromLatin1(labKlepnete.caption), labKlepnete.font());

    resize(kClientSize);
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

    connect(c.cmdStart, &QPushButton::clicked, this, &MainWindow::runStart);
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

MainWindow::~MainWindow() = default;

void MainWindow::runStart()
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
        lastRun_ = RunStart(controls_, *surface_, *runClock_, frameInterval());
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
        QMetaObject::invokeMethod(this, &MainWindow::runStart, Qt::QueuedConnection);
    // Input the window system held back is waiting in the toolkit's queue,
    // where a dispatcher asleep in poll() would not see it until some other
    // event came; wake it so the input is handled now.
    if (QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance())
        dispatcher->wakeUp();
    emit runFinished();
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
