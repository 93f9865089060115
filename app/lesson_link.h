// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// A lesson shared as a link to the web page: the command line's options as
// the page's query, with the same names, values and ranges, for instance
// ?slits=20&frequency=15&slow-down=1000&zoom=200&show-maxima&start. The
// command line refuses a bad line and opens no window; a link is clicked by
// a student who cannot mend it, so the page opens with the good parameters
// and the defaults for the bad ones, and says in one message which it could
// not take, what they allow and what it used instead.

#include "command_line.h"

#include <QList>
#include <QString>

class QWidget;

namespace korvane {

struct LinkProblem {
    // The parameter as the link gives it, name=value, made safe to show.
    QString parameter;
    // What it allows, or why it was left out.
    QString allowed;
    // What the window has instead; empty for a parameter left out.
    QString usedInstead;
};

struct LessonLink {
    StartOptions options;
    QList<LinkProblem> problems;
};

// `query` is the page's, with or without its leading "?".
LessonLink parseLessonLink(const QString &query);
// The message that lists every problem, one a line.
QString lessonLinkMessage(const QList<LinkProblem> &problems);
// The query of a link that sets the window up as `options` say.
QString lessonLinkQuery(const StartOptions &options);
// The message over `window`, as plain text: a link may carry any text at all.
void showLinkProblems(QWidget *window, const QList<LinkProblem> &problems);

} // namespace korvane
