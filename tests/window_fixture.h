#pragma once

// Finding the window's controls by their design names, as a user's script would.

#include "app/drawing_surface.h"
#include "app/main_window.h"

#include <QApplication>
#include <QLineEdit>
#include <QtTest>

#include <memory>

namespace korvane::test {

// The window as a user first meets it: shown, active, exposed.
inline std::unique_ptr<MainWindow> openWindow()
{
    auto window = std::make_unique<MainWindow>();
    window->show();
    QApplication::setActiveWindow(window.get());
    if (!QTest::qWaitForWindowExposed(window.get()))
        qFatal("the window was never exposed");
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

// How many whole strips have been drawn: each strip is 5001 dots.
inline quint64 stripsDrawn(MainWindow &window)
{
    return window.surface().circlesDrawn() / 5001;
}

} // namespace korvane::test
