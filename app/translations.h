// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// The program speaks the design's English and the languages whose
// translations are built into it; the user's desktop chooses among them.

#include <QString>
#include <QStringList>

class QCoreApplication;
class QTranslator;

namespace korvane {

// The first of the user's languages, most preferred first ("cs-CZ", "en-GB",
// as QLocale::uiLanguages() gives them), that the program speaks: the code of
// its translation ("cs"), or an empty text for English. English anywhere in
// the list wins over the languages after it, as the user ranked them.
QString chooseLanguage(const QStringList &uiLanguages);

// The codes of the translations built into the program ("cs", "de", ...).
QStringList spokenLanguages();

// The program's own texts in `language`; false for English or a language it
// does not have.
bool loadTranslation(QTranslator &translator, const QString &language);

// Qt's texts of its standard dialogs and buttons, from the system's Qt when it
// has them, else from those built into the program; false when neither has.
bool loadQtTranslation(QTranslator &translator, const QString &language);

// Both of the above, installed for the application's lifetime.
void installTranslations(QCoreApplication &application, const QString &language);

} // namespace korvane
