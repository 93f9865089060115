// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// The window's context menu and its keyboard shortcuts, which work with the
// menu closed too: pausing a run, zoom, full screen, the orders' marks, the
// far-field curve, the kept profiles, copying and saving the picture and the profile's numbers,
// About.

#include <QObject>

#include <functional>

class QAction;
class QMenu;
class QPoint;
class QWidget;

namespace korvane {

class WindowMenu : public QObject
{
    Q_OBJECT

public:
    struct Commands {
        std::function<void()> pauseOrResume;
        std::function<void()> zoomIn;
        std::function<void()> zoomOut;
        std::function<void()> actualSize;
        std::function<void(bool)> fullScreen;
        std::function<void(bool)> showMaxima;
        std::function<void(bool)> showFarField;
        std::function<void(bool)> keepProfiles;
        std::function<void()> clearKeptProfiles;
        std::function<void()> copyPicture;
        std::function<void()> savePicture;
        std::function<void()> copyProfileData;
        std::function<void()> saveProfileData;
        std::function<void()> about;
        // Only where there is a page to link to: the web build's.
        std::function<void()> copyLink;
    };

    // The shortcuts are the window's, so they act wherever its focus is; a
    // text box keeps its own Ctrl+C.
    WindowMenu(QWidget *window, Commands commands);

    QMenu *menu() const { return menu_; }
    void popup(QPoint globalPos);
    // Its text grows with the window's zoom, to be read as far away, and
    // never shrinks below 100 %.
    void setZoom(double zoom);
    // Full screen is ticked, and Esc leaves it, only while it is on.
    void showFullScreen(bool on);
    QAction *showMaximaAction() const { return showMaxima_; }
    QAction *showFarFieldAction() const { return showFarField_; }
    QAction *keepProfilesAction() const { return keepProfiles_; }
    QAction *clearKeptProfilesAction() const { return clearKept_; }
    // Clear kept profiles is there only while some are kept.
    void showKeptProfiles(bool any);
    // Pause while a run goes on, Resume while it stands, neither between runs.
    void showRun(bool running, bool paused);
    QAction *pauseAction() const { return pause_; }
    // The profile's numbers can be copied and saved only with a run on screen.
    void showProfileData(bool available);

private:
    QAction *add(const QString &text, QList<QKeySequence> keys, std::function<void()> command);

    QWidget *window_;
    QMenu *menu_;
    QAction *fullScreen_ = nullptr;
    QAction *leaveFullScreen_ = nullptr;
    QAction *showMaxima_ = nullptr;
    QAction *showFarField_ = nullptr;
    QAction *keepProfiles_ = nullptr;
    QAction *clearKept_ = nullptr;
    QAction *pause_ = nullptr;
    QAction *pauseSeparator_ = nullptr;
    QAction *copyProfile_ = nullptr;
    QAction *saveProfile_ = nullptr;
};

} // namespace korvane
