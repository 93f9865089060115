// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
// The grating picture is committed as a file but drawn by tools/make_grating,
// so the two must not drift apart; and the program shows the file as it is,
// so its format and its colours are checked directly.

#include "tool_output.h"

#include <QtEndian>
#include <QtTest>

#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

using korvane::test::runTool;
using korvane::test::ToolRun;

class TestGratingPicture : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void toolRedrawsCommittedFile();
    void toolRejectsBadInvocation_data();
    void toolRejectsBadInvocation();

    void imageSize();
    void headerField_data();
    void headerField();
    void pixelColour_data();
    void pixelColour();
    void onlyListedColours();

private:
    QByteArray bytes_;
    QImage image_;
};

namespace {

const QColor kBackground(191, 192, 191);
const QColor kBar(31, 24, 16);
const QColor kWhite(255, 255, 255);
const QColor kBlue(0, 143, 223);
const QColor kGreen(176, 216, 127);
const QColor kRed(224, 119, 112);
const QString kFile = QStringLiteral("grating.bmp");

} // namespace

void TestGratingPicture::initTestCase()
{
    QFile file(korvane::test::committedFile(kFile));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.errorString()));
    bytes_ = file.readAll();
    QVERIFY(image_.loadFromData(bytes_, "BMP"));
}

void TestGratingPicture::toolRedrawsCommittedFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString out = dir.filePath(kFile);
    const ToolRun run = runTool({out});
    QVERIFY2(run.succeeded(), run.standardError.constData());
    const QString differs = korvane::test::byteDifference(out, korvane::test::committedFile(kFile));
    QVERIFY2(differs.isEmpty(), qPrintable(differs + QStringLiteral("; rerun the grating_picture target if the "
                                                                    "geometry changed on purpose")));
}

void TestGratingPicture::toolRejectsBadInvocation_data()
{
    QTest::addColumn<QStringList>("arguments");

    QTest::newRow("no argument") << QStringList{};
    QTest::newRow("two arguments") << QStringList{QStringLiteral("a.bmp"), QStringLiteral("b.bmp")};
    QTest::newRow("directory does not exist") << QStringList{QStringLiteral("/nonexistent-korvane-dir/grating.bmp")};
}

void TestGratingPicture::toolRejectsBadInvocation()
{
    QFETCH(QStringList, arguments);

    const ToolRun run = runTool(arguments);
    QVERIFY(run.finished);
    QVERIFY(run.exitCode != 0);
    const QByteArray message = run.standardError.trimmed();
    QVERIFY(!message.isEmpty());
    QVERIFY2(!message.contains('\n'), message.constData());
}

void TestGratingPicture::imageSize()
{
    QCOMPARE(image_.size(), QSize(392, 134));
    QCOMPARE(bytes_.size(), qsizetype(157638));
}

// Read from the raw bytes: QImage would load a top-down or compressed file
// just as well, but the picture box expects the plain form.
void TestGratingPicture::headerField_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("width");
    QTest::addColumn<qint64>("expected");

    QTest::newRow("signature BM") << 0 << 2 << qint64(0x4D42);
    QTest::newRow("file size") << 2 << 4 << qint64(157638);
    QTest::newRow("pixel data offset") << 10 << 4 << qint64(54);
    QTest::newRow("info header size") << 14 << 4 << qint64(40);
    QTest::newRow("width") << 18 << 4 << qint64(392);
    QTest::newRow("positive height, bottom-up") << 22 << 4 << qint64(134);
    QTest::newRow("planes") << 26 << 2 << qint64(1);
    QTest::newRow("24 bits per pixel") << 28 << 2 << qint64(24);
    QTest::newRow("no compression") << 30 << 4 << qint64(0);
    QTest::newRow("image size") << 34 << 4 << qint64(157584);
    QTest::newRow("horizontal resolution 96 dpi") << 38 << 4 << qint64(3780);
    QTest::newRow("vertical resolution 96 dpi") << 42 << 4 << qint64(3780);
    QTest::newRow("colours used") << 46 << 4 << qint64(0);
}

void TestGratingPicture::headerField()
{
    QFETCH(int, offset);
    QFETCH(int, width);
    QFETCH(qint64, expected);

    QVERIFY(bytes_.size() >= offset + width);
    const char *field = bytes_.constData() + offset;
    const qint64 actual =
        width == 2 ? qint64(qFromLittleEndian<quint16>(field)) : qint64(qFromLittleEndian<qint32>(field));
    QCOMPARE(actual, expected);
}

void TestGratingPicture::pixelColour_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<QColor>("expected");

    QTest::newRow("background top-left corner") << 0 << 0 << kBackground;
    QTest::newRow("background bottom-right corner") << 391 << 133 << kBackground;
    QTest::newRow("screen bar left end") << 4 << 54 << kBar;
    QTest::newRow("screen bar right end") << 387 << 55 << kBar;
    QTest::newRow("left of screen bar") << 3 << 54 << kBackground;
    QTest::newRow("grating bar left end") << 23 << 112 << kBar;
    QTest::newRow("grating bar right end") << 370 << 118 << kBar;
    QTest::newRow("grating between slits") << 166 << 115 << kBar;
    QTest::newRow("first slit opening") << 157 << 112 << kBackground;
    QTest::newRow("middle slit opening") << 199 << 115 << kBackground;
    QTest::newRow("last slit opening") << 240 << 118 << kBackground;
    QTest::newRow("incoming light top-left") << 152 << 119 << kWhite;
    QTest::newRow("incoming light bottom-right") << 249 << 131 << kWhite;
    QTest::newRow("below incoming light") << 200 << 132 << kBackground;

    QTest::newRow("above the highest apex") << 198 << 1 << kBackground;
    QTest::newRow("white spike apex") << 198 << 5 << kWhite;
    QTest::newRow("left blue spike apex") << 137 << 5 << kBlue;
    QTest::newRow("right blue spike apex") << 256 << 5 << kBlue;
    QTest::newRow("left green spike apex") << 90 << 5 << kGreen;
    QTest::newRow("right green spike apex") << 308 << 5 << kGreen;
    QTest::newRow("left red spike apex") << 36 << 5 << kRed;
    QTest::newRow("right red spike apex") << 360 << 5 << kRed;

    QTest::newRow("white beam under its spike") << 198 << 56 << kWhite;
    QTest::newRow("left blue beam under its spike") << 137 << 56 << kBlue;
    QTest::newRow("right blue beam under its spike") << 256 << 56 << kBlue;
    QTest::newRow("left green beam under its spike") << 90 << 56 << kGreen;
    QTest::newRow("right green beam under its spike") << 308 << 56 << kGreen;
    QTest::newRow("left red beam near its spike") << 43 << 56 << kRed;
    QTest::newRow("right red beam near its spike") << 353 << 56 << kRed;

    // The beams fan out from the middle opening just above the grating bar.
    QTest::newRow("fan's tip above the middle opening") << 198 << 111 << kWhite;
    QTest::newRow("nothing beside the tip, left") << 195 << 111 << kBackground;
    QTest::newRow("nothing beside the tip, right") << 201 << 111 << kBackground;
    QTest::newRow("right red beam halfway up") << 286 << 80 << kRed;
    QTest::newRow("right of the red beam halfway up") << 294 << 80 << kBackground;
}

void TestGratingPicture::pixelColour()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(QColor, expected);

    QCOMPARE(image_.pixelColor(x, y), expected);
}

// Antialiasing or a stray blend would show as a colour outside the palette.
void TestGratingPicture::onlyListedColours()
{
    const QList<QRgb> palette{kBackground.rgb(), kBar.rgb(), kWhite.rgb(), kBlue.rgb(), kGreen.rgb(), kRed.rgb()};
    for (int y = 0; y < image_.height(); ++y) {
        for (int x = 0; x < image_.width(); ++x) {
            const QRgb pixel = image_.pixel(x, y);
            if (!palette.contains(pixel))
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) is #%3")
                                     .arg(x)
                                     .arg(y)
                                     .arg(pixel & 0xFFFFFFu, 6, 16, QLatin1Char('0'))));
        }
    }
}

QTEST_APPLESS_MAIN(TestGratingPicture)

#include "test_grating_picture.moc"
