// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "web_page.h"

#include <QDir>
#include <QEvent>
#include <QFontDatabase>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <utility>

#include <emscripten/bind.h>
#include <emscripten/val.h>

namespace korvane {

namespace {

void centre(QWidget &window)
{
    const QScreen *screen = window.screen();
    if (!screen)
        return;
    const QRect free = screen->availableGeometry();
    const QSize frame = window.frameGeometry().size();
    // A window larger than the page keeps its title bar in sight.
    window.move(free.x() + std::max(0, (free.width() - frame.width()) / 2),
                free.y() + std::max(0, (free.height() - frame.height()) / 2));
}

class Centring : public QObject
{
public:
    Centring(QWidget &window, std::function<void()> fit)
        : QObject(&window)
        , window_(window)
        , fit_(std::move(fit))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == &window_ && event->type() == QEvent::Show)
            fit_();
        if (watched == &window_ && (event->type() == QEvent::Show || event->type() == QEvent::Resize))
            centre(window_);
        return false;
    }

private:
    QWidget &window_;
    std::function<void()> fit_;
};

std::function<void(QPoint)> &pageMenu()
{
    static std::function<void(QPoint)> open;
    return open;
}

// Called by the page's menu button, at the point of the page it shows the menu at.
void openPageMenu(int x, int y)
{
    if (pageMenu())
        pageMenu()(QPoint(x, y));
}

} // namespace

void keepCentred(QWidget &window, std::function<void()> fit)
{
    window.installEventFilter(new Centring(window, fit));
    if (QScreen *screen = window.screen())
        QObject::connect(screen, &QScreen::availableGeometryChanged, &window, [&window, fit] {
            fit();
            centre(window);
        });
}

void onPageMenu(std::function<void(QPoint)> open)
{
    pageMenu() = std::move(open);
}

void installCarriedFonts()
{
    const QDir folder(QStringLiteral(":/fonts"));
    for (const QString &file : folder.entryList({QStringLiteral("*.ttf")}, QDir::Files))
        QFontDatabase::addApplicationFont(folder.filePath(file));
}

void setPageTitle(const QString &title)
{
    emscripten::val::global("document").set("title", title.toStdString());
}

void showEnded()
{
    // index.html's; a page of someone else's that loads the program may have none.
    const emscripten::val ended = emscripten::val::global("korvaneEnded");
    if (ended.typeOf().as<std::string>() == "function")
        ended();
}

bool clipboardTakesPictures()
{
    const emscripten::val window = emscripten::val::global("window");
    const emscripten::val clipboard = emscripten::val::global("navigator")["clipboard"];
    return window["isSecureContext"].as<bool>() && !clipboard.isUndefined() && !clipboard["write"].isUndefined()
           && !window["ClipboardItem"].isUndefined();
}

void endCancelledTouches()
{
    // index.html's; a page of someone else's that loads the program may have none.
    const emscripten::val end = emscripten::val::global("korvaneEndCancelledTouches");
    if (end.typeOf().as<std::string>() == "function")
        end();
}

QString pageQuery()
{
    return QString::fromStdString(emscripten::val::global("location")["search"].as<std::string>());
}

QString pageAddress()
{
    const emscripten::val location = emscripten::val::global("location");
    return QString::fromStdString(location["origin"].as<std::string>() + location["pathname"].as<std::string>());
}

} // namespace korvane

EMSCRIPTEN_BINDINGS(korvane_page)
{
    emscripten::function("korvaneMenu", &korvane::openPageMenu);
}
