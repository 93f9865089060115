// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// What the About box says: the version, the licence, the publisher's home
// page when there is one, and what the program shows.

#include <QString>

class QWidget;

namespace korvane {

QString aboutText(const QString &homePage);
QString aboutText();

void showAbout(QWidget *parent);

} // namespace korvane
