// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// A lesson prepared in advance: the options a teacher puts on the command
// line or into a desktop shortcut, read with Qt's own parser and checked
// before any window exists, then set on the window as a user's clicks would
// set them. Qt's own options (-platform, -style, ...) are left to Qt.

#include <QString>
#include <QStringList>

#include <optional>

namespace korvane {

class MainWindow;

struct StartOptions {
    std::optional<QString> slits; // "2", "3", "4" or "20"
    std::optional<int> frequency;
    std::optional<int> slowDown; // the slow-down bar's value
    std::optional<double> zoom;  // one of the zoom steps
    bool fullScreen = false;
    bool showMaxima = false;
    bool showFarField = false;
    bool keepProfiles = false;
    bool start = false;
    std::optional<QString> language; // a translation's code, or "" for English
};

struct CommandLine {
    enum class Outcome { Run, Help, Version, Refused };
    Outcome outcome = Outcome::Run;
    StartOptions options;
    // What was refused: the option as written, its value, and why.
    enum class Refusal { UnknownOption, Unexpected, MissingValue, ValueNotTaken, Repeated, BadValue };
    Refusal refusal = Refusal::BadValue;
    QString option;
    QString value;
};

// The program's arguments, the program's name first: on Windows from its
// wide command line, elsewhere in the locale's encoding.
QStringList commandLineArguments(int argc, char *argv[]);

CommandLine parseCommandLine(const QStringList &arguments);

// An option that takes a value, `name` without its dashes (slits, frequency,
// slow-down, zoom, language): true when `value` is allowed, and then set in
// `start`. The frequency is checked for the slit count `start` holds.
bool acceptValue(const QString &name, const QString &value, StartOptions &start);
// What such an option allows, in the words of a refusal of `value`: a
// frequency written as the read-out shows it is told which frequency gives it.
QString allowedValues(const QString &name, const QString &value, const StartOptions &start);

// The one line that says what was refused, in the language of the
// translators installed by then; and the help and version texts.
QString refusalMessage(const CommandLine &line);
QString helpText();
QString versionText();

// Sets the window as the user's clicks would: the slit count, the frequency
// and the slow-down first, as a user meets the window, then Show maxima, the
// far-field curve and Keep profiles, the zoom, full screen, and the run. The window has
// been shown.
void applyStartOptions(MainWindow &window, const StartOptions &options);
// The options that set a window up as `window` is now: its slit count,
// frequency, slow-down, zoom (a step's), full screen, layers and Keep profiles.
StartOptions currentSetup(MainWindow &window);

} // namespace korvane
