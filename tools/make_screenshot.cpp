// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
// Takes the README's screenshot from the program itself: the window as it
// stands after a full Start run with 4 slits (the start-up choice), drawn
// headless, so that it can be made again on any machine after a change.
//
// Usage: make_screenshot OUT.png

#include "app/main_window.h"

#include <QApplication>
#include <QPixmap>
#include <QPushButton>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fputs("usage: make_screenshot OUT.png\n", stderr);
        return 2;
    }
    // Headless, whatever display there is, so every machine takes the same picture.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    korvane::MainWindow window;
    window.show();
    window.controls().cmdStart->click(); // runs to the last column before it returns
    QApplication::processEvents();

    if (!window.grab().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "make_screenshot: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
