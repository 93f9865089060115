// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace korvane {

namespace {

// Where the build puts the compiled translations among the resources.
const QString kOwnFolder = QStringLiteral(":/i18n");
const QString kQtFolder = QStringLiteral(":/i18n/qt");

QString ownFile(const QString &language)
{
    return kOwnFolder + QStringLiteral("/korvane_") + language + QStringLiteral(".qm");
}

} // namespace

QString chooseLanguage(const QStringList &uiLanguages)
{
    for (const QString &tag : uiLanguages) {
        // "cs-CZ", "cs_CZ.UTF-8" and "cs" all ask for Czech; region and
        // encoding make no difference to the texts this program has.
        const QString code = tag.section(QLatin1Char('-'), 0, 0)
                                 .section(QLatin1Char('_'), 0, 0)
                                 .section(QLatin1Char('.'), 0, 0)
                                 .toLower();
        if (code == QLatin1String("en"))
            return {};
        if (!code.isEmpty() && QFileInfo::exists(ownFile(code)))
            return code;
    }
    return {};
}

QStringList spokenLanguages()
{
    QStringList codes;
    const QStringList files = QDir(kOwnFolder).entryList({QStringLiteral("korvane_*.qm")}, QDir::Files, QDir::Name);
    for (const QString &file : files)
        codes << file.mid(8).chopped(3);
    return codes;
}

bool loadTranslation(QTranslator &translator, const QString &language)
{
    return !language.isEmpty() && translator.load(ownFile(language));
}

bool loadQtTranslation(QTranslator &translator, const QString &language)
{
    if (language.isEmpty())
        return false;
    const QString name = QStringLiteral("qtbase_") + language;
    // A packaged Linux program uses the system's Qt and its translations; the
    // Windows program is one file and carries its own.
    return translator.load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath))
           || translator.load(name, kQtFolder);
}

void installTranslations(QCoreApplication &application, const QString &language)
{
    auto *own = new QTranslator(&application);
    if (loadTranslation(*own, language))
        QCoreApplication::installTranslator(own);
    auto *qt = new QTranslator(&application);
    if (loadQtTranslation(*qt, language))
        QCoreApplication::installTranslator(qt);
}

} // namespace korvane
