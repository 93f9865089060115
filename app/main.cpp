// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "app/main_window.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Without a display Qt's X11 plugin aborts with a page of plugin diagnostics;
// say in one line what is wrong and what to do instead.
bool displayMissing()
{
#ifdef __linux__
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    const bool windowSystem = platform.isEmpty() || platform.startsWith("xcb") || platform.startsWith("wayland");
    return windowSystem && qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return false;
#endif
}

} // namespace

int main(int argc, char *argv[])
{
    if (displayMissing()) {
        // The command as it was started: "korvane" when installed, the path
        // into the build tree when run from there.
        const char *command = argc > 0 && argv[0] && *argv[0] ? argv[0] : "korvane";
        std::fprintf(stderr,
                     "korvane: no display to open the window on (DISPLAY is not set); run it from a desktop "
                     "session, or headless with: xvfb-run -a %s\n",
                     command);
        return EXIT_FAILURE;
    }
    QApplication app(argc, argv);
    // Lets the desktop match the window to the installed desktop entry and
    // its icon (Wayland needs this; on X11 the window's own icon does it).
    QGuiApplication::setDesktopFileName(QStringLiteral("korvane"));
    korvane::MainWindow window;
    window.show();
    return app.exec();
}
