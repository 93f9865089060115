// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// A test's own screens on Qt's offscreen platform, described as the
// platform's configuration file describes them; they must exist before the
// application does.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdlib>

namespace korvane::test {

template<typename Test>
int execOnScreens(const char *screensJson, int argc, char *argv[])
{
    QTemporaryDir screens;
    QFile config(screens.filePath(QStringLiteral("screens.json")));
    if (!config.open(QIODevice::WriteOnly) || config.write(screensJson) < 0)
        return EXIT_FAILURE;
    config.close();
    // The platform's options are separated by colons, which a Windows path
    // would contain: the file is named from its own folder.
    QDir::setCurrent(screens.path());
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=screens.json");
    QApplication app(argc, argv);
    Test test;
    return QTest::qExec(&test, argc, argv);
}

} // namespace korvane::test
