// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
// Takes the README's screenshot and the teacher's guide's figures from the
// program itself: the window as it stands after a full Start run with the
// given number of slits (4, the start-up choice, by default), drawn headless,
// so that they can be made again on any machine after a change; with
// "far-field", the far-field curve turned on from the menu first; with
// "compare", profiles kept to compare and a run for each slit count in turn,
// all at frequency 20.
//
// Usage: make_screenshot OUT.png [2|3|4|20 [far-field]]
//        make_screenshot OUT.png compare 2|3|4|20 ...

#include "command_line.h"
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
#include <vector>

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
    const bool compare = argc >= 4 && std::strcmp(argv[2], "compare") == 0;
    const bool farField = argc == 4 && std::strcmp(argv[3], "far-field") == 0;
    if (argc < 2 || (argc > 4 && !compare) || (argc == 4 && !farField && !compare)) {
        std::fputs("usage: make_screenshot OUT.png [2|3|4|20 [far-field]]\n"
                   "       make_screenshot OUT.png compare 2|3|4|20 ...\n",
                   stderr);
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
    std::vector<QRadioButton *> runs;
    if (compare) {
        for (int i = 3; i < argc; ++i)
            runs.push_back(slitButton(window.controls(), argv[i]));
    } else {
        runs.push_back(slitButton(window.controls(), argc >= 3 ? argv[2] : "4"));
    }
    for (std::size_t i = 0; i < runs.size(); ++i) {
        if (runs[i] == nullptr) {
            std::fprintf(stderr, "make_screenshot: the number of slits is 2, 3, 4 or 20, not %s\n",
                         argv[static_cast<int>(i) + (compare ? 3 : 2)]);
            return 2;
        }
    }
    window.show();
    if (farField)
        window.profileLayers().setShowFarField(true);
    if (compare)
        window.profileLayers().setKeepProfiles(true);
    for (QRadioButton *button : runs) {
        // As a user chooses: a click on the option button runs its handler
        // (the 4-slit button is already selected, and a click leaves it so).
        button->click();
        if (compare) {
            // One frequency for all, on the bar the slit count shows.
            korvane::StartOptions frequency;
            frequency.frequency = 20;
            korvane::applyStartOptions(window, frequency);
        }
        // The run plays in the event loop; the next starts when it has ended.
        QEventLoop played;
        QObject::connect(&window, &korvane::MainWindow::runFinished, &played, &QEventLoop::quit);
        window.controls().cmdStart->click();
        played.exec();
    }
    QApplication::processEvents();

    if (!window.grab().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "make_screenshot: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
