// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "look_out_navigation.h"

#include "column_keys.h"
#include "design.h"
#include "drawing_surface.h"
#include "kept_profiles_layer.h"
#include "look_out_panel.h"
#include "look_out_view.h"
#include "run_conductor.h"
#include "touch_gestures.h"
#include "twips.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace korvane {

namespace {

// The look-out answers over the profile up to its tallest bar, and never
// over less than this, so that a dim profile can be looked at too (twips).
constexpr double kLowestProfile = 600.0;
constexpr double kProfileMargin = 150.0;

} // namespace

LookOutNavigation::LookOutNavigation(QWidget *window, DrawingSurface &surface, const RunConductor &run,
                                     const KeptProfiles &kept)
    : QObject(window)
    , window_(window)
    , surface_(surface)
    , run_(run)
    , kept_(kept)
    , panel_(new LookOutPanel(window))
    , marker_(new ColumnMarker(window))
    , designDescription_(surface.accessibleDescription())
    , restingDescription_(designDescription_)
{
}

void LookOutNavigation::setZoom(double zoom)
{
    zoom_ = zoom;
    hide();
}

void LookOutNavigation::setNote(const QStringList &note)
{
    restingDescription_ = note.isEmpty() ? designDescription_ : note.join(QLatin1Char('\n'));
    if (!panel_->isVisible() && surface_.accessibleDescription() != restingDescription_)
        surface_.setAccessibleDescription(restingDescription_);
}

bool LookOutNavigation::surfaceEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseMove:
        lookAt(static_cast<QMouseEvent *>(event)->position());
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: // a finger put down again soon, on Qt 6.8
        // A finger has no hover: put down, it looks where it is, and the
        // press goes no further, to the window that would put it away.
        if (TouchGestures::byFinger(static_cast<QMouseEvent *>(event))) {
            lookAt(static_cast<QMouseEvent *>(event)->position());
            return true;
        }
        break;
    case QEvent::Leave:
        if (!surface_.hasFocus())
            hide();
        break;
    case QEvent::FocusIn:
        if (run_.lookable())
            lookAtColumn(keyColumn_.value_or(firstKeyColumn()));
        break;
    case QEvent::FocusOut:
        hide();
        break;
    case QEvent::ShortcutOverride:
        // Esc puts the look-out away before it leaves full screen.
        if (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape && panel_->isVisible()) {
            event->accept();
            return true;
        }
        break;
    default:
        break;
    }
    return false;
}

bool LookOutNavigation::key(const QKeyEvent *key)
{
    if (!run_.lookable())
        return false;
    if (key->key() == Qt::Key_Escape) {
        if (!panel_->isVisible())
            return false;
        if (key->type() == QEvent::KeyPress)
            hide();
        return true;
    }
    if (!isColumnKey(key))
        return false;
    const int at = keyColumn_.value_or(firstKeyColumn());
    const int to = key->key() == Qt::Key_End ? run_.lastLookable() : columnStep(key, at, zoom_).value_or(at);
    if (key->type() == QEvent::KeyPress)
        lookAtColumn(std::clamp(to, scene::kFirstColumn, run_.lastLookable()));
    return true;
}

int LookOutNavigation::firstKeyColumn() const
{
    // Where the sweep stands; after a run, at the central order.
    if (run_.running())
        return std::max(scene::kFirstColumn, run_.runColumn());
    if (const RunLookOut *run = run_.lookable())
        for (const Order &order : run->orders())
            if (order.m == 0)
                return static_cast<int>(std::lround(order.column));
    return (scene::kFirstColumn + scene::kLastColumn) / 2;
}

void LookOutNavigation::lookAtColumn(int column)
{
    const RunLookOut *run = run_.lookable();
    if (!run)
        return;
    keyColumn_ = column;
    // The column on the screen line, in the surface's logical pixels.
    const QPointF onLine(column / static_cast<double>(kTwipsPerPixel) * zoom_,
                         scene::kScreenY / kTwipsPerPixel * zoom_);
    const QPoint point = surface_.mapTo(window_, onLine.toPoint());
    showPanel(*run, column, point);
    marker_->showAt(point);
    // The drawing area has the focus: what it describes is read out.
    surface_.setAccessibleDescription(panel_->lines().join(QLatin1Char('\n')));
}

void LookOutNavigation::hide()
{
    panel_->hide();
    marker_->hide();
    if (surface_.accessibleDescription() != restingDescription_)
        surface_.setAccessibleDescription(restingDescription_);
}

void LookOutNavigation::forget()
{
    keyColumn_.reset();
    hide();
}

bool LookOutNavigation::answersAt(QPointF position) const
{
    return columnAt(position).has_value();
}

std::optional<double> LookOutNavigation::columnAt(QPointF position) const
{
    const RunLookOut *run = run_.lookable();
    if (!run)
        return std::nullopt;
    // The surface's logical pixels are the design's at the zoom.
    const double x = position.x() / zoom_ * kTwipsPerPixel;
    const double y = position.y() / zoom_ * kTwipsPerPixel;
    // The screen line with the profile above it and the orders' marks below.
    const double below = orderMarksDepth(zoom_, smallFont(zoom_)) / zoom_ * kTwipsPerPixel;
    // The lowest first: a bar that is not a number (a damaged store's) leaves it.
    double tallest = std::max(kLowestProfile, run->tallestBar());
    for (const KeptProfile &earlier : kept_.profiles())
        tallest = std::max(tallest, earlier.run.tallestBar());
    const double above = tallest + kProfileMargin;
    const double column = std::round(x);
    if (column < scene::kFirstColumn || column > run_.lastLookable() || y < scene::kScreenY - above
        || y > scene::kScreenY + below)
        return std::nullopt;
    return column;
}

void LookOutNavigation::lookAt(QPointF position)
{
    const std::optional<double> column = columnAt(position);
    if (!column) {
        hide();
        return;
    }
    const RunLookOut *run = run_.lookable();
    marker_->hide();
    showPanel(*run, *column, surface_.mapTo(window_, position.toPoint()));
}

void LookOutNavigation::showPanel(const RunLookOut &run, double column, QPoint point)
{
    std::vector<LookOutPanel::Line> kept;
    for (const KeptProfile &earlier : kept_.profiles())
        kept.push_back({keptLookOutLine(earlier, static_cast<int>(column)), keptColour(earlier.colour)});
    panel_->showAt(run, run.at(column), point, showFarField_, kept);
}

} // namespace korvane
