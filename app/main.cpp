// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "command_line.h"
#include "main_window.h"
#include "translations.h"
#ifdef Q_OS_WASM
#include "lesson_link.h"
#include "web_page.h"
#include "window_view.h"
#endif

#include <QApplication>
#include <QLocale>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>
#include <optional>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

namespace {

// Without a display Qt's X11 plugin aborts with a page of plugin diagnostics;
// say in one line what is wrong and what to do instead.
bool displayMissing()
{
#ifdef __linux__
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    const bool windowSystem = platform.isEmpty() || platform.startsWith("xcb") || platform.startsWith("wayland");
    return windowSystem && qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return false;
#endif
}

// One text for the terminal, with a line break after it. A Windows program
// with a window has no console of its own: its text goes to the console it was
// started from, in UTF-16 so that every letter shows, or where it was
// redirected to, in UTF-8.
void say(FILE *stream, const QString &text)
{
    const QString line = text.endsWith(QLatin1Char('\n')) ? text : text + QLatin1Char('\n');
#ifdef _WIN32
    const DWORD which = stream == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE;
    HANDLE handle = GetStdHandle(which);
    if (!handle || handle == INVALID_HANDLE_VALUE) {
        if (AttachConsole(ATTACH_PARENT_PROCESS))
            handle = CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    }
    DWORD mode = 0;
    if (handle && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode)) {
        DWORD written = 0;
        WriteConsoleW(handle, reinterpret_cast<const wchar_t *>(line.utf16()), static_cast<DWORD>(line.size()),
                      &written, nullptr);
        return;
    }
    if (handle && handle != INVALID_HANDLE_VALUE) {
        const QByteArray bytes = line.toUtf8();
        DWORD written = 0;
        WriteFile(handle, bytes.constData(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        return;
    }
#endif
    std::fputs(line.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

} // namespace

int main(int argc, char *argv[])
{
    const korvane::CommandLine line = korvane::parseCommandLine(korvane::commandLineArguments(argc, argv));
#ifdef Q_OS_WASM
    const std::optional<QString> asked = korvane::parseLessonLink(korvane::pageQuery()).options.language;
#else
    const std::optional<QString> asked = line.options.language;
#endif
    const QString language = asked.value_or(korvane::chooseLanguage(QLocale::system().uiLanguages()));
    if (line.outcome != korvane::CommandLine::Outcome::Run) {
        // Help, the version or a refusal: said on the terminal, with no window,
        // so no display is needed.
        QCoreApplication app(argc, argv);
        korvane::installTranslations(app, language);
        switch (line.outcome) {
        case korvane::CommandLine::Outcome::Help:
            say(stdout, korvane::helpText());
            return EXIT_SUCCESS;
        case korvane::CommandLine::Outcome::Version:
            say(stdout, korvane::versionText());
            return EXIT_SUCCESS;
        default:
            say(stderr, korvane::refusalMessage(line));
            return 2;
        }
    }
    if (displayMissing()) {
        // The command as it was started: "korvane" when installed, the path
        // into the build tree when run from there.
        const QString command = QString::fromLocal8Bit(argc > 0 && argv[0] && *argv[0] ? argv[0] : "korvane");
        // There is no application yet to install a translation in.
        static const char message[] = QT_TRANSLATE_NOOP(
            "NoDisplay", "korvane: no display to open the window on (DISPLAY is not set); run it from a desktop "
                         "session, or headless with: xvfb-run -a %1");
        QTranslator translator;
        QString text = korvane::loadTranslation(translator, language) ? translator.translate("NoDisplay", message)
                                                                      : QString();
        if (text.isEmpty())
            text = QString::fromUtf8(message);
        std::fprintf(stderr, "%s\n", text.arg(command).toLocal8Bit().constData());
        return EXIT_FAILURE;
    }
    QApplication app(argc, argv);
    korvane::installTranslations(app, language);
    // Lets the desktop match the window to the installed desktop entry and
    // its icon (Wayland needs this; on X11 the window's own icon does it).
    QGuiApplication::setDesktopFileName(QStringLiteral("korvane"));
#ifdef Q_OS_WASM
    korvane::installCarriedFonts();
#endif
    korvane::MainWindow window;
#ifdef Q_OS_WASM
    korvane::keepCentred(window, [&window] { window.view().fitSmallScreen(); });
    korvane::onPageMenu([&window](QPoint at) { window.popupMenu(at); });
    korvane::setPageTitle(window.windowTitle());
    QObject::connect(&window, &QWidget::windowTitleChanged, &korvane::setPageTitle);
    // The page's event loop goes on after the window has closed.
    QObject::connect(&app, &QGuiApplication::lastWindowClosed, &korvane::showEnded);
    // The web platform shows windows maximized unless told otherwise; the
    // design's window has its size, and a title bar.
    window.showNormal();
#else
    window.show();
#endif
#ifdef Q_OS_WASM
    // A page has no command line: a lesson's link sets the window up, and
    // what the link gets wrong is said over the window rather than refused.
    const korvane::LessonLink link = korvane::parseLessonLink(korvane::pageQuery());
    korvane::applyStartOptions(window, link.options);
    if (!link.problems.isEmpty())
        korvane::showLinkProblems(&window, link.problems);
#else
    korvane::applyStartOptions(window, line.options);
#endif
    return app.exec();
}
