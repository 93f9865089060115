// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
// Number <-> text as the window shows it, with the decimal separators of an
// English, a Czech and a German user (the last two use a comma).

#include "worked_values.h"

#include "number_format.h"

#include <QtTest>

#include <string>

using korvane::formatNumber;
using korvane::numberText;
using korvane::parseNumber;
using korvane::wholeNumberText;
using korvane::test::kWorkedReadOuts;
using korvane::test::withSeparator;

class TestNumberFormat : public QObject
{
    Q_OBJECT

private slots:
    void displayPatterns_data();
    void displayPatterns();
    void plainNumberText_data();
    void plainNumberText();
    void readingNumbers_data();
    void readingNumbers();
    void wholeNumbersHaveNoSeparators_data();
    void wholeNumbersHaveNoSeparators();
};

void TestNumberFormat::displayPatterns_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("expected");

    struct Row {
        const char *name;
        double value;
        const char *pattern;
        const char *expected; // with '.' standing for the separator
    };
    const Row rows[] = {
        {"zero #.##", 0.0, "#.##", "."},
        {"half rounds away from zero", 0.125, "#.##", ".13"},
        {"rounds the decimal text not the binary", 2.675, "#.##", "2.68"},
        {"carry into the integer part", 9.995, "#.##", "10."},
        {"below half a hundredth", 0.004, "#.##", "."},
        {"negative", -0.8, "#.##", "-.8"},
        {"negative rounding to zero has no sign", -0.001, "#.##", "."},
        {"zero 0.00", 0.0, "0.00", "0.00"},
        {"large value", 123456.789, "#.##", "123456.79"},
    };
    for (const char *separator : {".", ","}) {
        const QChar sep = QLatin1Char(*separator);
        for (const auto &w : kWorkedReadOuts) {
            const double value = w.frequency / 6.28;
            QTest::addRow("f=%d #.##%s%s [%s]", w.frequency, *w.shows ? " " : "", w.shows, separator)
                << value << QStringLiteral("#.##") << QString(sep) << withSeparator(w.hashes, sep);
            QTest::addRow("f=%d 0.00 [%s]", w.frequency, separator)
                << value << QStringLiteral("0.00") << QString(sep) << withSeparator(w.zeros, sep);
        }
        for (const Row &row : rows)
            QTest::addRow("%s [%s]", row.name, separator)
                << row.value << QString::fromLatin1(row.pattern) << QString(sep) << withSeparator(row.expected, sep);
    }
}

void TestNumberFormat::displayPatterns()
{
    QFETCH(double, value);
    QFETCH(QString, pattern);
    QFETCH(QString, separator);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(formatNumber(value, pattern.toStdString(), separator.toStdString())), expected);
}

void TestNumberFormat::plainNumberText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("expected");

    QTest::newRow("15 significant digits") << 20 / 6.28 << "." << "3.18471337579618";
    QTest::newRow("15 significant digits, comma") << 20 / 6.28 << "," << "3,18471337579618";
    QTest::newRow("binary noise is not shown") << 157 / 6.28 << "," << "25";
    QTest::newRow("leading zero") << 0.5 << "," << "0,5";
    QTest::newRow("slow-down factor stays whole") << 30001.0 << "," << "30001";
    QTest::newRow("no group separator") << 1234567.0 << "." << "1234567";
    QTest::newRow("negative zero has no sign") << -0.0 << "." << "0";
    QTest::newRow("negative") << -2.5 << "," << "-2,5";
}

void TestNumberFormat::plainNumberText()
{
    QFETCH(double, value);
    QFETCH(QString, separator);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(numberText(value, separator.toStdString())), expected);
}

void TestNumberFormat::readingNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<double>("value");

    QTest::newRow("whole") << "20" << "," << true << 20.0;
    QTest::newRow("surrounding spaces") << " 157 " << "." << true << 157.0;
    QTest::newRow("decimal comma") << "3,5" << "," << true << 3.5;
    QTest::newRow("decimal point") << "3.5" << "." << true << 3.5;
    QTest::newRow("point where comma is used") << "3.5" << "," << false << 0.0;
    QTest::newRow("only a fraction") << ",25" << "," << true << 0.25;
    QTest::newRow("bare trailing separator") << "25," << "," << true << 25.0;
    QTest::newRow("minus") << "-4" << "." << true << -4.0;
    QTest::newRow("plus") << "+4" << "." << true << 4.0;
    QTest::newRow("round trip of the read-out") << "3,18471337579618" << "," << true << 3.18471337579618;
    QTest::newRow("empty") << "" << "." << false << 0.0;
    QTest::newRow("blank") << "   " << "." << false << 0.0;
    QTest::newRow("separator alone") << "." << "." << false << 0.0;
    QTest::newRow("letters") << "Kmitočet" << "." << false << 0.0;
    QTest::newRow("two separators") << "1,2,3" << "," << false << 0.0;
    QTest::newRow("exponent") << "1e5" << "." << false << 0.0;
    QTest::newRow("digits then letters") << "20x" << "." << false << 0.0;
    QTest::newRow("out of range") << QString(400, QLatin1Char('9')) << "." << false << 0.0;
}

void TestNumberFormat::readingNumbers()
{
    QFETCH(QString, text);
    QFETCH(QString, separator);
    QFETCH(bool, isNumber);
    QFETCH(double, value);
    const std::optional<double> read = parseNumber(text.toStdString(), separator.toStdString());
    QCOMPARE(read.has_value(), isNumber);
    if (isNumber)
        QCOMPARE(*read, value);
}

void TestNumberFormat::wholeNumbersHaveNoSeparators_data()
{
    QTest::addColumn<qlonglong>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("largest slow-down factor") << 30001LL << "30001";
    QTest::newRow("zero") << 0LL << "0";
    QTest::newRow("negative") << -5LL << "-5";
    QTest::newRow("millions") << 1000000LL << "1000000";
}

void TestNumberFormat::wholeNumbersHaveNoSeparators()
{
    QFETCH(qlonglong, value);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(wholeNumberText(value)), expected);
}

QTEST_APPLESS_MAIN(TestNumberFormat)
#include "test_number_format.moc"
