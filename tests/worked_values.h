// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// The relative-frequency read-out, f / 6.28, worked by hand for the
// frequencies the tests set, and the users whose decimal separator it is shown
// with. In the table '.' stands for the separator.

#include <QLocale>
#include <QString>

#include <string_view>

namespace korvane::test {

struct WorkedReadOut {
    int frequency;
    const char *hashes; // "#.##", the window's pattern
    const char *zeros;  // "0.00"
    const char *shows;  // what "#.##" shows of its rules here, if anything
};

inline constexpr WorkedReadOut kWorkedReadOuts[] = {
    {5, ".8", "0.80", "no leading digit"},
    {6, ".96", "0.96", ""},
    {15, "2.39", "2.39", ""},
    {16, "2.55", "2.55", ""},
    {20, "3.18", "3.18", ""},
    {21, "3.34", "3.34", ""},
    {22, "3.5", "3.50", "trailing zero dropped"},
    {45, "7.17", "7.17", ""},
    {157, "25.", "25.00", "bare separator"},
    {200, "31.85", "31.85", ""},
};

// The separators are written out rather than asked of QLocale, so that the
// tests do not take them from where the program takes them.
struct User {
    const char *name; // as the rows name the user
    const char *locale;
    char16_t separator;

    QLocale qlocale() const { return QLocale(QString::fromLatin1(locale)); }
};

inline constexpr User kUsers[] = {{"en", "en_US", u'.'}, {"cs", "cs_CZ", u','}, {"de", "de_DE", u','}};

inline const User &user(const QString &name)
{
    for (const User &u : kUsers)
        if (name == QLatin1String(u.name))
            return u;
    qFatal("no user %s", qPrintable(name));
}

inline QString withSeparator(const char *worked, QChar separator)
{
    return QString::fromLatin1(worked).replace(QLatin1Char('.'), separator);
}

inline QString workedReadOut(int frequency, QChar separator = u'.', std::string_view pattern = "#.##")
{
    for (const WorkedReadOut &w : kWorkedReadOuts)
        if (w.frequency == frequency)
            return withSeparator(pattern == "0.00" ? w.zeros : w.hashes, separator);
    qFatal("no worked read-out for f = %d", frequency);
}

// The default locale is the system's; the checks are written for an English
// user unless they name another.
inline void useLocaleOf(const QString &name)
{
    QLocale::setDefault(user(name).qlocale());
}

inline void useEnglishNumbers()
{
    useLocaleOf(QStringLiteral("en"));
}

} // namespace korvane::test
