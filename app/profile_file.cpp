// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "profile_file.h"

#include "kept_profiles_layer.h"
#include "look_out.h"
#include "picture_file.h"
#include "profile_data.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <QStandardPaths>

#include <cmath>

namespace korvane {

namespace {

std::vector<std::string> header(const std::vector<KeptProfile> &kept)
{
    const char *const names[] = {
        //: Column headers of the profile data, as a spreadsheet shows them.
        // The data are read without the program: the first column says once
        // what its unit is.
        QT_TRANSLATE_NOOP("ProfileData", "column (twips: 1/1440 inch or 1/15 pixel)"),
        QT_TRANSLATE_NOOP("ProfileData", "theta (degrees)"),
        QT_TRANSLATE_NOOP("ProfileData", "path difference (wavelengths)"),
        QT_TRANSLATE_NOOP("ProfileData", "intensity (% of the run's largest)"),
        QT_TRANSLATE_NOOP("ProfileData", "bar height (twips)"),
        QT_TRANSLATE_NOOP("ProfileData", "slits"),
        // The read-out is what the class saw; the column holds what the
        // command line and the link take.
        QT_TRANSLATE_NOOP("ProfileData", "frequency (the read-out is it / 6.28: wavelengths per slit spacing)"),
    };
    std::vector<std::string> fields;
    for (const char *name : names)
        fields.push_back(QCoreApplication::translate("ProfileData", name).toStdString());
    for (const KeptProfile &earlier : kept)
        fields.push_back(keptDataHeader(earlier.run).toStdString());
    return fields;
}

QString digitsOnly(const QString &text)
{
    QString digits;
    for (const QChar c : text)
        if (c.isDigit())
            digits += c;
    return digits;
}

} // namespace

QString profileTable(const RunLookOut &run, const QLocale &locale, const std::vector<KeptProfile> &kept)
{
    const std::string separator = QString(locale.decimalPoint()).toStdString();
    return QString::fromStdString(ProfileText(run, header(kept), {'\t', separator, "\n"}, kept));
}

QByteArray profileCsv(const RunLookOut &run, const std::vector<KeptProfile> &kept)
{
    return QByteArray::fromStdString(ProfileText(run, header(kept), {',', ".", "\r\n"}, kept));
}

QString defaultProfileFile(const QString &slitCount, double frequency)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    // The parameters come from value stores, which a script may have filled
    // with anything: only digits go into a file name.
    const QString slits = digitsOnly(slitCount);
    const QString f = std::isfinite(frequency) && frequency >= 0.0 && frequency < 1e9
                          ? digitsOnly(QString::number(std::llround(frequency)))
                          : QString();
    return QDir(folder).filePath(
        QStringLiteral("korvane-%1-slits-f%2.csv")
            .arg(slits.isEmpty() ? QStringLiteral("0") : slits, f.isEmpty() ? QStringLiteral("0") : f));
}

QString saveProfile(const QByteArray &data, const QString &fileName)
{
    if (const QString refusal = refusedTarget(fileName); !refusal.isEmpty())
        return refusal;
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(data) != data.size()) {
        file.cancelWriting();
        return file.errorString();
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace korvane
