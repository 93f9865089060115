// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// What the program needs of the page it runs in, in the web build: the
// faces it carries, the page's title, the page's word that it has ended,
// the browser's clipboard, and the page's address and query.

#include <QPoint>
#include <QString>

#include <functional>

class QWidget;

namespace korvane {

// The page is the program's screen: the window stands in its middle, and
// goes back there when it changes size (a zoom step) or the page does;
// `fit` fits the window to a page that has changed size (a phone turned).
void keepCentred(QWidget &window, std::function<void()> fit);

// The page's menu button opens the window's menu with `open`, at a point
// of the page.
void onPageMenu(std::function<void(QPoint)> open);

// The design's stand-in faces, which the web build carries: a browser lets
// a page use only the fonts it brings.
void installCarriedFonts();

// The page's title (its tab's caption) follows the window's.
void setPageTitle(const QString &title);

// A page cannot close itself: the page puts the window away and says that
// the program has ended, with a way to start it again.
void showEnded();

// Whether the browser lets the page put a picture on the clipboard.
bool clipboardTakesPictures();

// Qt 6.4 for the web keeps a finger whose touch the browser cancelled as if
// it were still down; the page ends it for Qt, once Qt has had the cancel.
void endCancelledTouches();

// The page's query (a lesson's link sets the window up with it), and the
// page's address without it.
QString pageQuery();
QString pageAddress();

} // namespace korvane
