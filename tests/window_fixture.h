// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// Finding the window's controls by their design names, as a user's script would.

#include "drawing_surface.h"
#include "main_window.h"
#include "run_conductor.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

namespace korvane::test {

// The window as a user first meets it: shown, active, exposed.
inline std::unique_ptr<MainWindow> openWindow()
{
    auto window = std::make_unique<MainWindow>();
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowExposed(window.get()) || !QTest::qWaitForWindowActive(window.get()))
        qFatal("the window was never exposed and active");
    return window;
}

template<typename T>
T *control(QWidget &window, const char *name)
{
    T *found = window.findChild<T *>(QString::fromUtf8(name));
    if (!found)
        qFatal("no control named %s", name);
    return found;
}

inline QString text(QWidget &window, const char *name)
{
    return control<QLineEdit>(window, name)->text();
}

// Waits while the event loop plays the run under way to its end; false when
// it has not ended in time.
inline bool waitForRunEnd(MainWindow &window, int timeoutMs = 120000)
{
    if (!window.conductor().running())
        return true;
    QSignalSpy finished(&window, &MainWindow::runFinished);
    return finished.wait(timeoutMs);
}

// Clicks Start, as a script would, and waits for the run to end.
inline bool runToEnd(MainWindow &window, int timeoutMs = 120000)
{
    window.controls().cmdStart->click();
    return waitForRunEnd(window, timeoutMs);
}

// Runs the program's event loop, as main() does, with `first` as its first
// event. True when the loop ended by itself, that is the program ended, within
// the time allowed.
inline bool programEndsAfter(QWidget &window, std::function<void()> first, int timeoutMs = 10000)
{
    QTimer::singleShot(0, &window, std::move(first));
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    watchdog.start(timeoutMs);
    return QApplication::exec() == 0;
}

// Where a part of a scroll bar lies (arrow, trough, thumb), as its style draws it.
inline QRect scrollBarPart(const QScrollBar *bar, QStyle::SubControl part)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.state |= QStyle::State_Horizontal;
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.subControls = QStyle::SC_All;
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
}

// How many whole strips have been drawn: each strip is 5001 dots.
inline quint64 stripsDrawn(MainWindow &window)
{
    return window.surface().circlesDrawn() / 5001;
}

} // namespace korvane::test
