// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "overlay.h"

namespace korvane {

Overlay::Overlay(QWidget *parent, const QString &objectName, const QString &accessibleName)
    : QWidget(parent)
{
    setObjectName(objectName);
    setAccessibleName(accessibleName);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void Overlay::place(double zoom, QRect design)
{
    zoom_ = zoom;
    design_ = design;
    fit();
}

} // namespace korvane
