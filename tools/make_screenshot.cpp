// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
// Takes the README's screenshot and the teacher's guide's figures from the
// program itself: the window as it stands after a full Start run with the
// given number of slits (4, the start-up choice, by default), drawn headless,
// so that they can be made again on any machine after a change; with
// "far-field", the far-field curve turned on from the menu first.
//
// Usage: make_screenshot OUT.png [2|3|4|20 [far-field]]

#include "main_window.h"
#include "profile_layers.h"

#include <QApplication>
#include <QEventLoop>
#include <QLocale>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

#include <cstdio>
#include <cstring>

namespace {

QRadioButton *slitButton(const korvane::Controls &controls, const char *slits)
{
    const struct {
        const char *text;
        QRadioButton *button;
    } buttons[] = {{"2", controls.op2}, {"3", controls.op3Dirky}, {"4", controls.op4Dírky}, {"20", controls.op20}};
    for (const auto &b : buttons)
        if (std::strcmp(slits, b.text) == 0)
            return b.button;
    return nullptr;
}

} // namespace

int main(int argc, char *argv[])
{
    const bool farField = argc == 4 && std::strcmp(argv[3], "far-field") == 0;
    if (argc < 2 || argc > 4 || (argc == 4 && !farField)) {
        std::fputs("usage: make_screenshot OUT.png [2|3|4|20 [far-field]]\n", stderr);
        return 2;
    }
    // Headless and at ratio 1, whatever display and scaling the caller has,
    // so every machine takes the same picture.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    for (const char *scaling : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_ENABLE_HIGHDPI_SCALING"})
        qunsetenv(scaling);
    QApplication app(argc, argv);
    // Linux's style wherever the figures are taken again: Windows would
    // draw the buttons and scroll bars in its own.
    QApplication::setStyle(QStringLiteral("Fusion"));
    // The read-out's decimal separator follows the regional format; the
    // figures are for the English README and guide.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));

    korvane::MainWindow window;
    QRadioButton *button = slitButton(window.controls(), argc >= 3 ? argv[2] : "4");
    if (button == nullptr) {
        std::fprintf(stderr, "make_screenshot: the number of slits is 2, 3, 4 or 20, not %s\n", argv[2]);
        return 2;
    }
    window.show();
    if (farField)
        window.profileLayers().setShowFarField(true);
    // As a user chooses: a click on the option button runs its handler
    // (the 4-slit button is already selected, and a click leaves it so).
    button->click();
    // The run plays in the event loop; the picture is taken when it has ended.
    QEventLoop played;
    QObject::connect(&window, &korvane::MainWindow::runFinished, &played, &QEventLoop::quit);
    window.controls().cmdStart->click();
    played.exec();
    QApplication::processEvents();

    if (!window.grab().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "make_screenshot: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
