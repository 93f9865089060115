// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "column_keys.h"

#include "phasor_model.h"
#include "sweep_steps.h"

#include <QKeyEvent>

namespace korvane {

namespace {

Qt::KeyboardModifiers withoutKeypad(const QKeyEvent *key)
{
    return key->modifiers() & ~Qt::KeypadModifier;
}

} // namespace

bool isColumnKey(const QKeyEvent *key)
{
    const Qt::KeyboardModifiers modifiers = withoutKeypad(key);
    switch (key->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
        return modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier;
    case Qt::Key_Home:
    case Qt::Key_End:
        return modifiers == Qt::NoModifier;
    default:
        return false;
    }
}

std::optional<int> columnStep(const QKeyEvent *key, int at, double zoom)
{
    if (!isColumnKey(key))
        return std::nullopt;
    const bool shift = withoutKeypad(key) == Qt::ShiftModifier;
    switch (key->key()) {
    case Qt::Key_Left:
        return shift ? previousPixelColumn(at, zoom) : previousChainColumn(at);
    case Qt::Key_Right:
        return shift ? nextPixelColumn(at, zoom) : nextChainColumn(at);
    case Qt::Key_Home:
        return scene::kFirstColumn;
    default:
        return std::nullopt;
    }
}

} // namespace korvane
