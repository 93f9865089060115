// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
// The README's screenshot and the teacher's guide's figures are committed but
// taken by tools/make_screenshot from the program itself; a change to the
// drawing, the controls or the tool that is not followed by taking them anew
// shows here.
//
// The figures are opaque RGB, so no pixel is un-premultiplied (where
// processors may round ties differently). What remains is the raster
// engine's blending of antialiased glyph and control edges, which has code
// paths per instruction set whose rounding may differ by one unit; each
// channel may therefore differ by up to kTolerance. Anything the program
// draws wrongly (a ray, a bar, a chain segment, a caption, the wrong option
// button) differs by far more.

#include "tool_output.h"

#include <QtTest>

#include <QImage>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

using korvane::test::runTool;
using korvane::test::ToolRun;

constexpr int kTolerance = 2;

// The figures are taken on Debian 12, whose Qt is 6.4.2, and compared whole
// on that Qt. Windows' Qt sets the same faces with other hinting, and another
// Qt's style draws the controls otherwise (Qt 6.8's scroll bars end a pixel
// apart), so elsewhere only the drawing is compared: the scene from below the
// "Cornu spirals" caption down to the caption at the bottom, where no text
// and no control is.
constexpr auto kFiguresQt = "6.4.2";

QRect comparedArea(const QRect &figure, const QStringList &arguments)
{
#ifndef Q_OS_WIN
    if (qstrcmp(qVersion(), kFiguresQt) == 0)
        return figure;
#endif
    // Below the far-field curve's caption and the kept profiles' legend too,
    // which are text.
    const bool captioned = arguments.contains(QLatin1String("far-field")) || arguments.contains(QLatin1String("compare"));
    return figure.intersected(captioned ? QRect(0, 320, 758, 215) : QRect(0, 203, 758, 332));
}
constexpr int kTimeoutMs = 120000; // the tool starts the program and runs it

} // namespace

class TestScreenshots : public QObject
{
    Q_OBJECT

private slots:
    void toolRetakesCommittedFigure_data();
    void toolRetakesCommittedFigure();
    void toolRejectsOtherSlitCounts_data();
    void toolRejectsOtherSlitCounts();
};

void TestScreenshots::toolRetakesCommittedFigure_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("arguments");
    for (const char *slits : {"2", "3", "4", "20"})
        QTest::newRow(qPrintable(QStringLiteral("%1 slits").arg(QLatin1String(slits))))
            << QStringLiteral("korvane-%1-slits.png").arg(QLatin1String(slits)) << QStringList{slits};
    QTest::newRow("4 slits with the far-field curve") << "korvane-4-slits-far-field.png"
                                                      << QStringList{"4", "far-field"};
    QTest::newRow("20 slits with the far-field curve") << "korvane-20-slits-far-field.png"
                                                       << QStringList{"20", "far-field"};
    QTest::newRow("2, 4 and 20 slits compared") << "korvane-2-4-20-slits-compared.png"
                                                << QStringList{"compare", "2", "4", "20"};
}

void TestScreenshots::toolRetakesCommittedFigure()
{
    QFETCH(QString, name);
    QFETCH(QStringList, arguments);
    const QImage committed = QImage(korvane::test::committedFile(name)).convertToFormat(QImage::Format_RGB32);
    QVERIFY2(!committed.isNull(), qPrintable(name + QStringLiteral(" is missing from docs/")));

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString out = dir.filePath(name);
    const ToolRun run = runTool(QStringList{out} + arguments, kTimeoutMs);
    QVERIFY2(run.succeeded(), run.standardError.constData());
    const QImage taken = QImage(out).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(taken.size(), committed.size());

    int worst = 0;
    QPoint worstAt;
    const QRect compared = comparedArea(taken.rect(), arguments);
    for (int y = compared.top(); y <= compared.bottom(); ++y) {
        const auto *a = reinterpret_cast<const QRgb *>(taken.constScanLine(y));
        const auto *b = reinterpret_cast<const QRgb *>(committed.constScanLine(y));
        for (int x = compared.left(); x <= compared.right(); ++x) {
            const int d = std::max({std::abs(qRed(a[x]) - qRed(b[x])), std::abs(qGreen(a[x]) - qGreen(b[x])),
                                    std::abs(qBlue(a[x]) - qBlue(b[x]))});
            if (d > worst) {
                worst = d;
                worstAt = {x, y};
            }
        }
    }
    QVERIFY2(worst <= kTolerance,
             qPrintable(QStringLiteral("docs/%1 differs from the tool's picture by %2 at (%3, %4); "
                                       "take the figures anew with the screenshot target")
                            .arg(name)
                            .arg(worst)
                            .arg(worstAt.x())
                            .arg(worstAt.y())));
}

void TestScreenshots::toolRejectsOtherSlitCounts_data()
{
    QTest::addColumn<QString>("slits");
    QTest::newRow("5") << QStringLiteral("5");
    QTest::newRow("leading zero") << QStringLiteral("04");
    QTest::newRow("empty") << QString();
}

void TestScreenshots::toolRejectsOtherSlitCounts()
{
    QFETCH(QString, slits);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString out = dir.filePath(QStringLiteral("figure.png"));
    const ToolRun run = runTool({out, slits}, kTimeoutMs);
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.standardError.contains("2, 3, 4 or 20"), run.standardError.constData());
    QVERIFY(!QFile::exists(out));
}

QTEST_MAIN(TestScreenshots)
#include "test_screenshots.moc"
