// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "window_menu.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QInputDevice>
#include <QMenu>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>
#include <QWidget>

#include <algorithm>
#include <utility>

namespace korvane {

namespace {

// A finger's target: 44 logical pixels, as the platforms' guidelines and
// WCAG's target size ask.
constexpr int kFingerHeight = 44;

// The menu's items as tall as a finger needs, on a machine with a touch screen.
class FingerMenuStyle : public QProxyStyle
{
public:
    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                           const QWidget *widget) const override
    {
        QSize needed = QProxyStyle::sizeFromContents(type, option, size, widget);
        const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
        if (type == CT_MenuItem && item && item->menuItemType != QStyleOptionMenuItem::Separator)
            needed.setHeight(std::max(needed.height(), kFingerHeight));
        return needed;
    }
};

bool hasTouchScreen()
{
    const QList<const QInputDevice *> devices = QInputDevice::devices();
    return std::any_of(devices.cbegin(), devices.cend(), [](const QInputDevice *device) {
        return device->type() == QInputDevice::DeviceType::TouchScreen;
    });
}

} // namespace

WindowMenu::WindowMenu(QWidget *window, Commands commands)
    : QObject(window)
    , window_(window)
    , menu_(new QMenu(window))
{
    menu_->setObjectName(QStringLiteral("windowMenu"));
    menu_->setAccessibleName(tr("Window menu"));
    if (hasTouchScreen()) {
        auto *style = new FingerMenuStyle;
        style->setParent(menu_);
        menu_->setStyle(style);
    }
    // Space pauses only while a run lasts, and is a button's own key between
    // runs, so it is named in the menu but bound by the window, not here.
    // Between runs the item is not there at all: the menu is as it always was.
    pause_ = add(tr("Pause"), {}, std::move(commands.pauseOrResume));
    menu_->addAction(pause_);
    pauseSeparator_ = menu_->addSeparator();
    showRun(false, false);
    // Ctrl+= is where Ctrl++ is on a keyboard without a plus of its own.
    QList<QKeySequence> zoomInKeys = QKeySequence::keyBindings(QKeySequence::ZoomIn);
    if (!zoomInKeys.contains(QKeySequence(Qt::CTRL | Qt::Key_Equal)))
        zoomInKeys.append(QKeySequence(Qt::CTRL | Qt::Key_Equal));
    menu_->addAction(add(tr("Zoom in"), zoomInKeys, std::move(commands.zoomIn)));
    menu_->addAction(
        add(tr("Zoom out"), QKeySequence::keyBindings(QKeySequence::ZoomOut), std::move(commands.zoomOut)));
    menu_->addAction(add(tr("Actual size"), {QKeySequence(Qt::CTRL | Qt::Key_0)}, std::move(commands.actualSize)));
    fullScreen_ = add(tr("Full screen"), {QKeySequence(Qt::Key_F11)}, {});
    fullScreen_->setCheckable(true);
    connect(fullScreen_, &QAction::triggered, this, std::move(commands.fullScreen));
    menu_->addAction(fullScreen_);
    menu_->addSeparator();
    // Off at start: the design's picture has no marks of its own.
    showMaxima_ = add(tr("Show maxima"), {}, {});
    showMaxima_->setCheckable(true);
    connect(showMaxima_, &QAction::toggled, this, std::move(commands.showMaxima));
    menu_->addAction(showMaxima_);
    showFarField_ = add(tr("Show far-field curve"), {}, {});
    showFarField_->setCheckable(true);
    connect(showFarField_, &QAction::toggled, this, std::move(commands.showFarField));
    menu_->addAction(showFarField_);
    keepProfiles_ = add(tr("Keep profiles to compare"), {}, {});
    keepProfiles_->setCheckable(true);
    connect(keepProfiles_, &QAction::toggled, this, std::move(commands.keepProfiles));
    menu_->addAction(keepProfiles_);
    clearKept_ = add(tr("Clear kept profiles"), {}, std::move(commands.clearKeptProfiles));
    menu_->addAction(clearKept_);
    showKeptProfiles(false);
    menu_->addSeparator();
    menu_->addAction(
        add(tr("Copy picture"), QKeySequence::keyBindings(QKeySequence::Copy), std::move(commands.copyPicture)));
    menu_->addAction(
        add(tr("Save picture..."), QKeySequence::keyBindings(QKeySequence::Save), std::move(commands.savePicture)));
    copyProfile_ = add(tr("Copy profile data"), {}, std::move(commands.copyProfileData));
    menu_->addAction(copyProfile_);
    saveProfile_ = add(tr("Save profile data..."), {}, std::move(commands.saveProfileData));
    menu_->addAction(saveProfile_);
    showProfileData(false);
    if (commands.copyLink)
        menu_->addAction(add(tr("Copy link to this setup"), {}, std::move(commands.copyLink)));
    menu_->addSeparator();
    menu_->addAction(add(tr("About Korvane"), {QKeySequence(Qt::Key_F1)}, std::move(commands.about)));

    leaveFullScreen_ = add(tr("Leave full screen"), {QKeySequence(Qt::Key_Escape)}, [this] { fullScreen_->trigger(); });
    leaveFullScreen_->setEnabled(false);
    // Shift+F10 opens the menu as the Menu key does: at the focused control,
    // which a text box answers with its own.
    add(tr("Menu"), {QKeySequence(Qt::SHIFT | Qt::Key_F10)}, [this] {
        QWidget *target = QApplication::focusWidget();
        if (!target || target->window() != window_)
            target = window_;
        const QPoint centre = target->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Keyboard, centre, target->mapToGlobal(centre));
        QApplication::sendEvent(target, &event);
    });
}

QAction *WindowMenu::add(const QString &text, QList<QKeySequence> keys, std::function<void()> command)
{
    auto *action = new QAction(text, window_);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    if (command)
        connect(action, &QAction::triggered, this, std::move(command));
    window_->addAction(action);
    return action;
}

void WindowMenu::popup(QPoint globalPos)
{
    menu_->popup(globalPos);
}

void WindowMenu::setZoom(double zoom)
{
    // A window scaled down to fit a phone keeps its menu readable.
    zoom = std::max(zoom, 1.0);
    QFont font = QApplication::font(menu_);
    if (zoom != 1.0) {
        if (font.pointSizeF() > 0)
            font.setPointSizeF(font.pointSizeF() * zoom);
        else
            font.setPixelSize(static_cast<int>(font.pixelSize() * zoom + 0.5));
    }
    menu_->setFont(font);
}

void WindowMenu::showRun(bool running, bool paused)
{
    const QString key = QKeySequence(Qt::Key_Space).toString(QKeySequence::NativeText);
    pause_->setText((paused ? tr("Resume") : tr("Pause")) + QLatin1Char('\t') + key);
    pause_->setVisible(running);
    pauseSeparator_->setVisible(running);
}

void WindowMenu::showProfileData(bool available)
{
    copyProfile_->setEnabled(available);
    saveProfile_->setEnabled(available);
}

void WindowMenu::showKeptProfiles(bool any)
{
    clearKept_->setVisible(any);
}

void WindowMenu::showFullScreen(bool on)
{
    fullScreen_->setChecked(on);
    leaveFullScreen_->setEnabled(on);
}

} // namespace korvane
