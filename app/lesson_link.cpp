// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "lesson_link.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QUrl>

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

namespace korvane {

namespace {

// The options that take a value, the slit count before the frequency, whose
// range it sets; and those that are on by being there.
const QStringList kValued{"language", "slits", "frequency", "slow-down", "zoom"};
const QStringList kFlags{"full-screen", "show-maxima", "show-far-field", "keep-profiles", "start"};

// A link's text as the message shows it: a value may be anything a link can
// carry, so it is cut short and its control characters are not passed on.
QString shown(const QString &text)
{
    constexpr qsizetype kLongest = 40;
    QString out;
    for (const QChar c : text.left(kLongest))
        out += c.isPrint() ? c : QChar(QChar::ReplacementCharacter);
    if (text.size() > kLongest)
        out += QChar(0x2026);
    return out;
}

// A name alone has no value; name= has an empty one.
using Values = std::vector<std::optional<QString>>;

QString parameterText(const QString &name, const Values &values)
{
    QStringList given;
    for (const std::optional<QString> &value : values)
        given << (value ? shown(name) + QLatin1Char('=') + shown(*value) : shown(name));
    return given.join(QStringLiteral(", "));
}

// What the window has when the link does not set `name`.
QString defaultOf(const QString &name, const StartOptions &options)
{
    if (name == QLatin1String("slits"))
        return QStringLiteral("4");
    if (name == QLatin1String("frequency"))
        return options.slits == QLatin1String("20") ? QStringLiteral("15") : QStringLiteral("20");
    if (name == QLatin1String("slow-down"))
        return QStringLiteral("0");
    if (name == QLatin1String("zoom"))
        return QStringLiteral("100");
    if (name == QLatin1String("language"))
        return QCoreApplication::translate("LessonLink", "the browser's language");
    return QCoreApplication::translate("LessonLink", "off");
}

// A flag is on by being there; =1 and =0 say it outright.
std::optional<bool> flagValue(const std::optional<QString> &value)
{
    if (!value || value->isEmpty() || *value == QLatin1String("1") || *value == QLatin1String("true"))
        return true;
    if (*value == QLatin1String("0") || *value == QLatin1String("false"))
        return false;
    return std::nullopt;
}

QString decoded(const QString &part)
{
    return QUrl::fromPercentEncoding(QString(part).replace(QLatin1Char('+'), QLatin1Char(' ')).toUtf8());
}

} // namespace

LessonLink parseLessonLink(const QString &query)
{
    // Each name with every value the link gives it, in the link's order.
    std::vector<std::pair<QString, Values>> given;
    for (const QString &item :
         (query.startsWith(QLatin1Char('?')) ? query.mid(1) : query).split(QLatin1Char('&'), Qt::SkipEmptyParts)) {
        const qsizetype equals = item.indexOf(QLatin1Char('='));
        const QString name = decoded(equals < 0 ? item : item.left(equals));
        const std::optional<QString> value = equals < 0 ? std::nullopt : std::optional(decoded(item.mid(equals + 1)));
        auto same = std::find_if(given.begin(), given.end(), [&](const auto &entry) { return entry.first == name; });
        if (same == given.end())
            given.push_back({name, {value}});
        else
            same->second.push_back(value);
    }
    const auto valuesOf = [&given](const QString &name) -> const Values * {
        for (const auto &entry : given)
            if (entry.first == name)
                return &entry.second;
        return nullptr;
    };
    const QString twice = QCoreApplication::translate("LessonLink", "given more than once");

    LessonLink link;
    StartOptions &options = link.options;
    for (const QString &name : kValued) {
        const Values *values = valuesOf(name);
        if (!values)
            continue;
        if (values->size() > 1)
            link.problems.append({parameterText(name, *values), twice, defaultOf(name, options)});
        else if (!acceptValue(name, values->front().value_or(QString()), options))
            link.problems.append(
                {parameterText(name, *values), allowedValues(name, values->front().value_or(QString()), options),
                 defaultOf(name, options)});
    }
    for (const QString &name : kFlags) {
        const Values *values = valuesOf(name);
        if (!values)
            continue;
        const std::optional<bool> on = values->size() == 1 ? flagValue(values->front()) : std::nullopt;
        if (!on) {
            //: %1 is the parameter's name, as in the link.
            const QString alone = QCoreApplication::translate("LessonLink", "%1 stands alone, or as %1=1 or %1=0");
            link.problems.append(
                {parameterText(name, *values), values->size() > 1 ? twice : alone.arg(name), defaultOf(name, options)});
            continue;
        }
        bool &flag = name == QLatin1String("full-screen")      ? options.fullScreen
                     : name == QLatin1String("show-maxima")    ? options.showMaxima
                     : name == QLatin1String("show-far-field") ? options.showFarField
                     : name == QLatin1String("keep-profiles")  ? options.keepProfiles
                                                               : options.start;
        flag = *on;
    }
    for (const auto &[name, values] : given)
        if (!kValued.contains(name) && !kFlags.contains(name))
            link.problems.append({parameterText(name, values),
                                  QCoreApplication::translate("LessonLink", "Korvane has no such setting"),
                                  {}});
    return link;
}

QString lessonLinkMessage(const QList<LinkProblem> &problems)
{
    QStringList lines{QCoreApplication::translate("LessonLink", "The link's settings could not all be used:")};
    for (const LinkProblem &problem : problems)
        lines << (problem.usedInstead.isEmpty()
                      //: %1 is the parameter as the link gives it, %2 why it is left out.
                      ? QCoreApplication::translate("LessonLink", "%1: %2; it is left out.")
                            .arg(problem.parameter, problem.allowed)
                      //: %1 is the parameter as the link gives it, %2 what it allows, %3 the value used.
                      : QCoreApplication::translate("LessonLink", "%1: %2; %3 is used instead.")
                            .arg(problem.parameter, problem.allowed, problem.usedInstead));
    return lines.join(QLatin1Char('\n'));
}

QString lessonLinkQuery(const StartOptions &options)
{
    QStringList items;
    if (options.slits)
        items << QStringLiteral("slits=") + *options.slits;
    if (options.frequency)
        items << QStringLiteral("frequency=%1").arg(*options.frequency);
    if (options.slowDown)
        items << QStringLiteral("slow-down=%1").arg(*options.slowDown);
    if (options.zoom)
        items << QStringLiteral("zoom=%1").arg(std::lround(*options.zoom * 100.0));
    if (options.fullScreen)
        items << QStringLiteral("full-screen");
    if (options.showMaxima)
        items << QStringLiteral("show-maxima");
    if (options.showFarField)
        items << QStringLiteral("show-far-field");
    if (options.keepProfiles)
        items << QStringLiteral("keep-profiles");
    if (options.start)
        items << QStringLiteral("start");
    if (options.language)
        items << QStringLiteral("language=") + (options.language->isEmpty() ? QStringLiteral("en") : *options.language);
    return items.isEmpty() ? QString() : QLatin1Char('?') + items.join(QLatin1Char('&'));
}

void showLinkProblems(QWidget *window, const QList<LinkProblem> &problems)
{
    auto *box = new QMessageBox(QMessageBox::Warning, QCoreApplication::translate("LessonLink", "Link to a lesson"),
                                lessonLinkMessage(problems), QMessageBox::Ok, window);
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

} // namespace korvane
