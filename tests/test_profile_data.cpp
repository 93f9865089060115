// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
// The run on screen as numbers: the CSV file read back and checked against the
// look-out at a few columns, the clipboard's table in the user's number format
// with a kept run's column, and a file that cannot be written.

#include "fake_clock.h"
#include "window_fixture.h"
#include "worked_values.h"

#include "exports.h"
#include "look_out.h"
#include "profile_file.h"
#include "profile_layers.h"
#include "run_conductor.h"

#include <QClipboard>
#include <QRadioButton>
#include <QTemporaryDir>

#include <chrono>
#include <cmath>

using namespace korvane;
using namespace std::chrono_literals;

class TestProfileData : public QObject
{
    Q_OBJECT

private slots:
    void csvReadBackAgreesWithTheLookOut_data();
    void csvReadBackAgreesWithTheLookOut();
    void clipboardInTheUsersNumbers_data();
    void clipboardInTheUsersNumbers();
    void aFolderIsNoFile();
};

void TestProfileData::csvReadBackAgreesWithTheLookOut_data()
{
    QTest::addColumn<QString>("slits");
    QTest::addColumn<double>("f");
    QTest::addColumn<QList<int>>("columns");
    QTest::newRow("2 slits") << "2" << 20.0 << QList<int>{0, 7735, 9050, 11950};
    QTest::newRow("4 slits") << "4" << 20.0 << QList<int>{6520, 9150};
    QTest::newRow("20 slits") << "20" << 15.0 << QList<int>{3466, 6444, 9950};
}

void TestProfileData::csvReadBackAgreesWithTheLookOut()
{
    QFETCH(QString, slits);
    QFETCH(double, f);
    QFETCH(QList<int>, columns);
    const RunLookOut run(slits.toStdString(), slits.toDouble(), f);
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("profile.csv"));
    QCOMPARE(saveProfile(profileCsv(run), name), QString());

    QFile file(name);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    // RFC 4180: every line ends in CRLF, the last too.
    QVERIFY(text.endsWith(QLatin1String("\r\n")));
    QStringList lines = text.split(QStringLiteral("\r\n"));
    lines.removeLast();
    QCOMPARE(lines.size(), 1 + 11951);
    QCOMPARE(lines.constFirst(), QStringLiteral("column (twips: 1/1440 inch or 1/15 pixel),theta (degrees),path difference (wavelengths),"
                                                "intensity (% of the run's largest),bar height (twips),slits,"
                                "frequency (the read-out is it / 6.28: wavelengths per slit spacing)"));
    const double scale = IntensityScale(run.slitCountText(), f);
    for (const int column : columns) {
        const QStringList fields = lines.at(1 + column).split(QLatin1Char(','));
        QCOMPARE(fields.size(), 7);
        QCOMPARE(fields[0].toInt(), column);
        const LookOut look = run.at(column);
        // The look-out's numbers, to the digits printed.
        QVERIFY2(std::abs(fields[2].toDouble() - look.waves) <= 0.5e-6, qPrintable(fields[2]));
        QVERIFY2(std::abs(fields[3].toDouble() - look.intensity * 100.0) <= 0.5e-4, qPrintable(fields[3]));
        const double raw = RawIntensity(look.chain.front(), look.chain.back());
        QVERIFY2(std::abs(fields[4].toDouble() - raw * scale) <= 0.5e-3, qPrintable(fields[4]));
        const double middle = 9000.0 + 50.0 * (slits.toDouble() - 1.0);
        const double theta = std::atan((middle - column) / 837000.0) * 180.0 / 3.141592653589793;
        QVERIFY2(std::abs(fields[1].toDouble() - theta) <= 0.5e-6, qPrintable(fields[1]));
        QCOMPARE(fields[5], slits);
        QCOMPARE(fields[6], QString::number(f));
    }
}

void TestProfileData::clipboardInTheUsersNumbers_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QChar>("separator");
    for (const test::User &user : test::kUsers)
        QTest::newRow(user.locale) << QString::fromLatin1(user.locale) << QChar(user.separator);
}

void TestProfileData::clipboardInTheUsersNumbers()
{
    QFETCH(QString, locale);
    QFETCH(QChar, separator);
    QLocale::setDefault(QLocale(locale));
    auto window = test::openWindow();
    test::FakeClock clock{100us};
    window->conductor().setRunClock(clock);
    // A 2-slit run kept, and the 4-slit run of the window's start on screen.
    window->profileLayers().setKeepProfiles(true);
    window->controls().op2->setChecked(true);
    QVERIFY(test::runToEnd(*window));
    window->controls().op4Dírky->setChecked(true);
    QVERIFY(test::runToEnd(*window));
    QGuiApplication::clipboard()->clear();
    window->exports().copyProfileData(*window->conductor().runOnScreen(),
                                      window->profileLayers().keptProfiles().profiles());
    const QStringList lines = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1 + 11951);
    QCOMPARE(lines.constFirst().split(QLatin1Char('\t')).size(), 8);
    QCOMPARE(lines.constFirst().split(QLatin1Char('\t')).constLast(),
             QStringLiteral("2 slits, 3") + separator + QStringLiteral("18 (frequency 20): intensity (% of its largest)"));
    // Column 9150, the central maximum of 4 slits: numbers as the desktop writes them.
    const QStringList centre = lines.at(1 + 9150).split(QLatin1Char('\t'));
    QCOMPARE(centre[0], QStringLiteral("9150"));
    QCOMPARE(centre[1], QStringLiteral("0") + separator + QStringLiteral("000000"));
    // The 4-slit chain curls a little: the brightest column lies just beside the middle.
    QCOMPARE(centre[3], QStringLiteral("99") + separator + QStringLiteral("9996"));
    QCOMPARE(centre[5], QStringLiteral("4"));
    // The kept run's own intensity there, as its look-out gives it.
    const double kept = RunLookOut("2", 2.0, 20.0).at(9150).intensity * 100.0;
    QCOMPARE(centre[7], QString::number(kept, 'f', 4).replace(QLatin1Char('.'), separator));
    const QLocale user(locale);
    for (const QString &field : centre) {
        bool number = false;
        user.toDouble(field, &number);
        QVERIFY2(number, qPrintable(field));
    }
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestProfileData::aFolderIsNoFile()
{
    const RunLookOut run("2", 2.0, 20.0);
    QTemporaryDir dir;
    QCOMPARE(saveProfile(profileCsv(run), dir.path()), QStringLiteral("It is a folder."));
    // Named after the run, in a folder of the user's.
    QVERIFY(defaultProfileFile(QStringLiteral("20"), 15.0).endsWith(QLatin1String("/korvane-20-slits-f15.csv")));
}

QTEST_MAIN(TestProfileData)
#include "test_profile_data.moc"
