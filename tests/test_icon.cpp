// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
// The icon is committed as files but drawn by tools/make_icon, so the two must
// not drift apart; and the window shows the same icon the desktop does.

#include "tool_output.h"

#include "app/main_window.h"

#include <QtTest>

#include <QIcon>
#include <QImage>
#include <QTemporaryDir>

using korvane::test::committedFile;

class TestIcon : public QObject
{
    Q_OBJECT

private slots:
    void toolRedrawsCommittedIcon_data();
    void toolRedrawsCommittedIcon();
    void windowShowsTheIcon_data();
    void windowShowsTheIcon();
};

namespace {

// Compared premultiplied: that is what was drawn and what the window shows.
// Turning it back into straight alpha is where processors may differ by one.
QImage premultiplied(const QImage &image)
{
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage loaded(const QString &path)
{
    return premultiplied(QImage(path));
}

} // namespace

void TestIcon::toolRedrawsCommittedIcon_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("scalable") << "korvane.svg";
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString name = QStringLiteral("korvane-%1.png").arg(size);
        QTest::newRow(qPrintable(name)) << name;
    }
}

void TestIcon::toolRedrawsCommittedIcon()
{
    QFETCH(QString, file);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const korvane::test::ToolRun run = korvane::test::runTool({dir.path()});
    QVERIFY2(run.succeeded(), run.standardError.constData());

    const QString drawn = dir.filePath(file);
    const QString committed = committedFile(file);
    const char *hint = "rebuild the icon target if the icon changed on purpose";
    if (file.endsWith(QLatin1String(".svg"))) {
        const QString differs = korvane::test::byteDifference(drawn, committed);
        QVERIFY2(differs.isEmpty(), qPrintable(differs + QStringLiteral("; ") + QLatin1String(hint)));
    } else {
        // Pixels, not bytes: another zlib may pack the same picture differently.
        const QImage made = loaded(drawn);
        QVERIFY(!made.isNull());
        QVERIFY2(made == loaded(committed), hint);
    }
}

void TestIcon::windowShowsTheIcon_data()
{
    QTest::addColumn<int>("size");
    for (int size : {16, 32, 48, 256})
        QTest::newRow(qPrintable(QStringLiteral("%1 px").arg(size))) << size;
}

void TestIcon::windowShowsTheIcon()
{
    QFETCH(int, size);
    korvane::MainWindow window;
    const QIcon icon = window.windowIcon();
    QVERIFY(icon.availableSizes().contains(QSize(size, size)));
    const QImage shown = premultiplied(icon.pixmap(QSize(size, size), 1.0).toImage());
    QCOMPARE(shown, loaded(committedFile(QStringLiteral("korvane-%1.png").arg(size))));
}

QTEST_MAIN(TestIcon)
#include "test_icon.moc"
