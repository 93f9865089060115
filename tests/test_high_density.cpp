// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
// On a screen of device pixel ratio 2 the picture is drawn at device
// resolution: crisp lines and dots, in the places they have at ratio 1. The
// ratio is fixed when the application starts, so this test draws its ratio-2
// pictures in a child process of its own (QT_SCALE_FACTOR=2) and compares them
// with the same run drawn here at ratio 1.

#include "window_fixture.h"

#include "drawing_surface.h"
#include "main_window.h"

#include <QtTest>

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

using korvane::DrawingSurface;
using korvane::MainWindow;

constexpr double kRatio = 2.0;

struct Drawn {
    QImage surface; // device pixels
    QImage window;  // device pixels
    QString geometry;
};

// Every control's place in logical pixels, one line each.
QString geometryOf(MainWindow &window)
{
    QString out;
    const QList<QWidget *> widgets = window.findChildren<QWidget *>();
    for (QWidget *w : widgets) {
        if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")))
            continue;
        const QRect g = w->geometry();
        out += QStringLiteral("%1 %2 %3 %4 %5\n").arg(w->objectName()).arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height());
    }
    return out;
}

Drawn drawRun(const char *option)
{
    const auto window = korvane::test::openWindow();
    korvane::test::control<QAbstractButton>(*window, option)->click();
    if (!korvane::test::runToEnd(*window))
        qFatal("the run never ended");
    QCoreApplication::processEvents();
    return {window->surface().image().convertToFormat(QImage::Format_RGB32),
            window->grab().toImage().convertToFormat(QImage::Format_RGB32), geometryOf(*window)};
}

// The child: draws one run at the ratio it was started with and leaves the
// pictures in the directory it was given.
int drawInChild(const char *option, const QString &dir)
{
    const Drawn drawn = drawRun(option);
    QFile geometry(dir + QStringLiteral("/geometry.txt"));
    const bool ok = drawn.surface.save(dir + QStringLiteral("/surface.png"))
                    && drawn.window.save(dir + QStringLiteral("/window.png"))
                    && geometry.open(QIODevice::WriteOnly) && geometry.write(drawn.geometry.toUtf8()) > 0;
    return ok ? EXIT_SUCCESS : EXIT_FAILURE;
}

// Compares, within a band of logical rows, where the two pictures put their
// colours: how many coloured pixels at ratio 1 keep their colour in at least
// one of their four device pixels at ratio 2, and how much ink each has.
struct Agreement {
    int inkOne = 0;      // logical pixels
    int kept = 0;        // of those
    double inkTwo = 0.0; // in logical pixels: device pixels / 4
};

Agreement compare(const QImage &one, const QImage &two, int firstRow, int lastRow)
{
    const QRgb back = DrawingSurface::kBackColour.rgb();
    Agreement a;
    for (int y = firstRow; y <= lastRow; ++y)
        for (int x = 0; x < one.width(); ++x) {
            const QRgb colour = one.pixel(x, y);
            bool kept = false;
            for (int d = 0; d < 4; ++d) {
                const QRgb device = two.pixel(2 * x + d % 2, 2 * y + d / 2);
                a.inkTwo += device != back ? 0.25 : 0.0;
                kept = kept || device == colour;
            }
            if (colour != back) {
                ++a.inkOne;
                a.kept += kept ? 1 : 0;
            }
        }
    return a;
}

QSet<QRgb> colours(const QImage &image)
{
    QSet<QRgb> found;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            found.insert(image.pixel(x, y));
    return found;
}

} // namespace

class TestHighDensity : public QObject
{
    Q_OBJECT

private slots:
    void runAtRatio2MatchesRatio1_data();
    void runAtRatio2MatchesRatio1();
};

void TestHighDensity::runAtRatio2MatchesRatio1_data()
{
    QTest::addColumn<QString>("option");
    QTest::newRow("4 slits") << "op4Dírky";
    QTest::newRow("20 slits") << "op20";
}

void TestHighDensity::runAtRatio2MatchesRatio1()
{
    QFETCH(QString, option);
    const Drawn one = drawRun(option.toUtf8().constData());
    QCOMPARE(one.surface.size(), DrawingSurface::kLogicalSize);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(kRatio));
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--draw"), option, dir.path()});
    QVERIFY(child.waitForFinished(120000));
    QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, child.readAllStandardError());
    const QImage two(dir.filePath(QStringLiteral("surface.png")));
    const QImage twoWindow(dir.filePath(QStringLiteral("window.png")));
    QFile geometry(dir.filePath(QStringLiteral("geometry.txt")));
    QVERIFY(geometry.open(QIODevice::ReadOnly));

    // Every control in the same place, in logical pixels.
    QCOMPARE(QString::fromUtf8(geometry.readAll()), one.geometry);

    // Drawn at device resolution, not scaled up afterwards.
    QCOMPARE(two.size(), one.surface.size() * 2);
    QCOMPARE(twoWindow.size(), one.window.size() * 2);

    // Crisp: no colour appears that ratio 1 does not draw, so nothing is
    // smoothed or blended.
    const QSet<QRgb> extra = colours(two) - colours(one.surface);
    QVERIFY2(extra.isEmpty(), qPrintable(QStringLiteral("%1 colours not drawn at ratio 1").arg(extra.size())));

    // Finer than doubled pixels: many 2 x 2 blocks are not of one colour.
    int mixedBlocks = 0;
    for (int y = 0; y + 1 < two.height(); y += 2)
        for (int x = 0; x + 1 < two.width(); x += 2) {
            const QRgb c = two.pixel(x, y);
            mixedBlocks += (two.pixel(x + 1, y) != c || two.pixel(x, y + 1) != c || two.pixel(x + 1, y + 1) != c);
        }
    QVERIFY2(mixedBlocks > 5000, qPrintable(QString::number(mixedBlocks)));

    // In the same places and of the same weight as at ratio 1, both in the
    // whole picture and in the strip, whose dots are smaller than a pixel. A
    // thin curve drawn finer moves some pixels to a neighbour, so fewer of
    // the strip's pixels stay exactly in place.
    const struct {
        const char *part;
        int firstRow, lastRow;
        double keptShare;
    } parts[] = {{"picture", 0, one.surface.height() - 1, 0.98}, {"strip", 95, 135, 0.85}};
    for (const auto &part : parts) {
        const Agreement a = compare(one.surface, two, part.firstRow, part.lastRow);
        const QString figures = QStringLiteral("%1: %2 of %3 coloured pixels kept, ink %4 at ratio 2")
                                    .arg(QLatin1String(part.part))
                                    .arg(a.kept)
                                    .arg(a.inkOne)
                                    .arg(a.inkTwo);
        QVERIFY2(a.inkOne > 500, qPrintable(figures));
        QVERIFY2(a.kept >= part.keptShare * a.inkOne, qPrintable(figures));
        QVERIFY2(std::abs(a.inkTwo - a.inkOne) <= 0.05 * a.inkOne, qPrintable(figures));
    }

    // The window shows the retained picture pixel for pixel: below the scene's
    // controls, from the chains down to the diaphragm, nothing covers it.
    const QRect open(0, 2 * 300, 2 * 758, 2 * 230);
    QCOMPARE(twoWindow.copy(open), two.copy(open));
}

int main(int argc, char *argv[])
{
    if (argc == 4 && std::strcmp(argv[1], "--draw") == 0) {
        QApplication app(argc, argv);
        // Windows hands argv over in the ANSI code page, which has no "í";
        // Qt's own list comes from the wide command line.
        const QStringList arguments = QCoreApplication::arguments();
        return drawInChild(arguments.at(2).toUtf8().constData(), arguments.at(3));
    }
    QApplication app(argc, argv);
    TestHighDensity test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_high_density.moc"
