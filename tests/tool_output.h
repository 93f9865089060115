// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// A tool that draws a committed file, run as the build runs it, and what it
// wrote compared with what is committed. The test is built with the tool's
// path and the folder of the committed files (korvane_add_test's TOOL and
// COMMITTED).

#include <QFile>
#include <QProcess>
#include <QStringList>

namespace korvane::test {

struct ToolRun {
    bool finished = false; // by itself, within the time allowed
    int exitCode = -1;
    QByteArray standardOutput;
    QByteArray standardError;

    bool succeeded() const { return finished && exitCode == 0; }
};

inline ToolRun runTool(const QStringList &arguments, int timeoutMs = 30000)
{
    QProcess process;
    process.start(QStringLiteral(TOOL_PATH), arguments);
    ToolRun run;
    run.finished = process.waitForFinished(timeoutMs) && process.exitStatus() == QProcess::NormalExit;
    run.exitCode = process.exitCode();
    run.standardOutput = process.readAllStandardOutput();
    run.standardError = process.readAllStandardError();
    return run;
}

inline QString committedFile(const QString &name)
{
    return QStringLiteral(COMMITTED_PATH "/") + name;
}

// Where the file the tool wrote first differs from the committed one, byte
// for byte; nothing when they are the same.
inline QString byteDifference(const QString &written, const QString &committed)
{
    QFile a(written), b(committed);
    if (!a.open(QIODevice::ReadOnly) || !b.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot read %1 or %2").arg(written, committed);
    const QByteArray drawn = a.readAll(), kept = b.readAll();
    if (drawn.size() != kept.size())
        return QStringLiteral("%1 bytes written, %2 committed").arg(drawn.size()).arg(kept.size());
    for (qsizetype i = 0; i < drawn.size(); ++i)
        if (drawn[i] != kept[i])
            return QStringLiteral("first difference at byte %1").arg(i);
    return {};
}

} // namespace korvane::test
