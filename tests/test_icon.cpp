// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
// The icon is committed as files but drawn by tools/make_icon, so the two must
// not drift apart; and the window shows the same icon the desktop does.

#include "tool_output.h"

#include "main_window.h"

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
    void windowsIconHoldsEverySize_data();
    void windowsIconHoldsEverySize();
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

constexpr int kSizes[] = {16, 24, 32, 48, 64, 128, 256};

quint32 littleEndian(const QByteArray &bytes, qsizetype at, int width)
{
    quint32 value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = value << 8 | static_cast<quint8>(bytes.at(at + i));
    return value;
}

// The pictures of a Windows icon file by their size; empty if the file is not
// an icon file whose directory lies within it and whose entries are PNGs of
// the size the directory gives.
QMap<int, QImage> icoEntries(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 6 || littleEndian(bytes, 0, 2) != 0 || littleEndian(bytes, 2, 2) != 1)
        return {};
    const int count = static_cast<int>(littleEndian(bytes, 4, 2));
    QMap<int, QImage> entries;
    for (int i = 0; i < count; ++i) {
        const qsizetype entry = 6 + 16 * i;
        if (entry + 16 > bytes.size())
            return {};
        const int size = static_cast<quint8>(bytes.at(entry)) == 0 ? 256 : static_cast<quint8>(bytes.at(entry));
        const qsizetype length = littleEndian(bytes, entry + 8, 4);
        const qsizetype offset = littleEndian(bytes, entry + 12, 4);
        if (offset + length > bytes.size())
            return {};
        const QImage image = QImage::fromData(bytes.mid(offset, length), "PNG");
        if (image.size() != QSize(size, size))
            return {};
        entries.insert(size, premultiplied(image));
    }
    return entries;
}

} // namespace

void TestIcon::toolRedrawsCommittedIcon_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("scalable") << "korvane.svg";
    for (int size : kSizes) {
        const QString name = QStringLiteral("korvane-%1.png").arg(size);
        QTest::newRow(qPrintable(name)) << name;
    }
    QTest::newRow("web page's 192 px") << "korvane-192.png";
    QTest::newRow("web page's 512 px") << "korvane-512.png";
    QTest::newRow("windows") << "korvane.ico";
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
    if (file.endsWith(QLatin1String(".ico"))) {
        const QMap<int, QImage> made = icoEntries(drawn);
        QCOMPARE(made.size(), qsizetype(std::size(kSizes)));
        QVERIFY2(made == icoEntries(committed), hint);
    } else if (file.endsWith(QLatin1String(".svg"))) {
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

// The Windows program's icon is the same picture, at every size.
void TestIcon::windowsIconHoldsEverySize_data()
{
    QTest::addColumn<int>("size");
    for (int size : kSizes)
        QTest::newRow(qPrintable(QStringLiteral("%1 px").arg(size))) << size;
}

void TestIcon::windowsIconHoldsEverySize()
{
    QFETCH(int, size);
    const QMap<int, QImage> entries = icoEntries(committedFile(QStringLiteral("korvane.ico")));
    QVERIFY(entries.contains(size));
    QCOMPARE(entries.value(size), loaded(committedFile(QStringLiteral("korvane-%1.png").arg(size))));
}

QTEST_MAIN(TestIcon)
#include "test_icon.moc"
