// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "main_window.h"
#include "translations.h"

#include <QApplication>
#include <QLocale>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>

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

} // namespace

int main(int argc, char *argv[])
{
    const QString language = korvane::chooseLanguage(QLocale::system().uiLanguages());
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
    korvane::MainWindow window;
    window.show();
    return app.exec();
}
