// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
// A lesson prepared on the command line: each option line's effect on the
// window or why it is refused, and the program itself answering --help,
// --version and a refused line without opening a window.

#include "fake_clock.h"
#include "tool_output.h"
#include "window_fixture.h"
#include "worked_values.h"

#include "command_line.h"
#include "lesson_link.h"
#include "order_marks.h"
#include "profile_layers.h"
#include "run_conductor.h"

#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <chrono>

using namespace korvane;
using namespace std::chrono_literals;

namespace {

CommandLine parse(const QString &line)
{
    return parseCommandLine(QStringList{QStringLiteral("korvane")}
                            + line.split(QLatin1Char(' '), Qt::SkipEmptyParts));
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void refused_data();
    void refused();
    void setsTheWindowAsClicksWould_data();
    void setsTheWindowAsClicksWould();
    void theProgramAnswersWithoutAWindow_data();
    void theProgramAnswersWithoutAWindow();
    void aLessonAsALink_data();
    void aLessonAsALink();
};

void TestCommandLine::initTestCase()
{
    test::useEnglishNumbers();
}

void TestCommandLine::refused_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("message");

    QTest::newRow("5 slits") << "--slits 5" << "korvane: --slits 5: the number of slits is 2, 3, 4 or 20";
    QTest::newRow("slits with a leading zero") << "--slits=04" << "korvane: --slits 04: the number of slits is 2, 3, 4 or 20";
    QTest::newRow("frequency below the bar")
        << "--frequency 19" << "korvane: --frequency 19: with 4 slits the frequency is a whole number from 20 to 200";
    QTest::newRow("grating frequency beyond its bar")
        << "--slits 20 --frequency 46"
        << "korvane: --frequency 46: with 20 slits the frequency is a whole number from 5 to 45";
    QTest::newRow("frequency not whole") << "--slits 3 --frequency 20.5"
                                         << "korvane: --frequency 20.5: with 3 slits the frequency is a whole number "
                                            "from 20 to 200";
    QTest::newRow("the read-out for a frequency")
        << "--frequency 3.18"
        << "korvane: --frequency 3.18: with 4 slits the frequency is a whole number from 20 to 200; the read-out "
           "beside the bar (wavelengths per slit spacing) shows 3.18 at frequency 20";
    QTest::newRow("a grating's read-out with a comma, between two frequencies")
        << "--slits 20 --frequency 2,4"
        << "korvane: --frequency 2,4: with 20 slits the frequency is a whole number from 5 to 45; the read-out "
           "beside the bar (wavelengths per slit spacing) shows 2.39 at frequency 15";
    QTest::newRow("a read-out below the bar") << "--frequency 0.5"
                                              << "korvane: --frequency 0.5: with 4 slits the frequency is a whole "
                                                 "number from 20 to 200";
    QTest::newRow("negative slow-down") << "--slow-down -1" << "korvane: --slow-down -1: the slow-down is a whole number from 0 to 10000";
    QTest::newRow("slow-down beyond the bar") << "--slow-down 10001" << "korvane: --slow-down 10001: the slow-down is a whole number from 0 to 10000";
    QTest::newRow("zoom between steps") << "--zoom 120" << "korvane: --zoom 120: the zoom is one of 100, 125, 150, 175, 200, 250, 300, 400 per cent";
    QTest::newRow("unknown language") << "--language xx" << "korvane: --language xx: the language is en or one of cs, de, es, fr, pl, sk";
    QTest::newRow("unknown option") << "--slit 4" << "korvane: unknown option --slit; korvane --help lists the options";
    QTest::newRow("a value with nothing after it") << "--start --zoom" << "korvane: --zoom needs a value; korvane --help lists the options";
    QTest::newRow("an argument that is no option") << "lesson.txt" << "korvane: unexpected argument lesson.txt; korvane --help lists the options";
    QTest::newRow("a switch with a value") << "--show-far-field=1" << "korvane: --show-far-field takes no value; korvane --help lists the options";
    QTest::newRow("a switch with a value, one dash") << "--zoom 200 -start=now" << "korvane: -start takes no value; korvane --help lists the options";
    QTest::newRow("an option given twice") << "--slits 3 --slits 2" << "korvane: --slits is given more than once; korvane --help lists the options";
    QTest::newRow("a switch given twice, one dash") << "--start -start" << "korvane: --start is given more than once; korvane --help lists the options";
    QTest::newRow("a zoom with a per cent sign") << "--zoom 200%" << "korvane: --zoom 200%: the zoom is one of 100, 125, 150, 175, 200, 250, 300, 400 per cent";
    QTest::newRow("a refused value beside --help") << "--slits 5 --help" << "korvane: --slits 5: the number of slits is 2, 3, 4 or 20";
}

void TestCommandLine::refused()
{
    QFETCH(QString, line);
    QFETCH(QString, message);
    const CommandLine parsed = parse(line);
    QCOMPARE(parsed.outcome, CommandLine::Outcome::Refused);
    QCOMPARE(refusalMessage(parsed), message);
}

void TestCommandLine::setsTheWindowAsClicksWould_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("slits");
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("slowDown");
    QTest::addColumn<bool>("maxima");
    QTest::addColumn<int>("runs");
    // The link that sets a window up as this one is afterwards.
    QTest::addColumn<QString>("link");

    const QString design = QStringLiteral("?slits=4&frequency=20&slow-down=0&zoom=100");
    QTest::newRow("nothing: the design's start") << "" << "4" << "20" << "1" << false << 0 << design;
    QTest::newRow("Qt's own options are Qt's") << "-platform offscreen --style=fusion -reverse" << "4" << "20" << "1"
                                               << false << 0 << design;
    QTest::newRow("a prepared grating") << "--slits 20 --frequency 15 --slow-down 2000 --show-maxima --start"
                                        << "20" << "15" << "6001" << true << 1
                                        << "?slits=20&frequency=15&slow-down=2000&zoom=100&show-maxima";
    QTest::newRow("two slits, higher, one dash") << "-slits=2 -frequency=33" << "2" << "33" << "1" << false << 0
                                                 << "?slits=2&frequency=33&slow-down=0&zoom=100";
    QTest::newRow("the far-field curve is no maximum")
        << "--show-far-field --slow-down 5" << "4" << "20" << "16" << false << 0
        << "?slits=4&frequency=20&slow-down=5&zoom=100&show-far-field";
    QTest::newRow("profiles kept to compare") << "--keep-profiles --slits 2" << "2" << "20" << "1" << false << 0
                                              << "?slits=2&frequency=20&slow-down=0&zoom=100&keep-profiles";
    QTest::newRow("the frequency for the default 4 slits") << "--frequency 200 --zoom 100" << "4" << "200" << "1"
                                                           << false << 0 << "?slits=4&frequency=200&slow-down=0&zoom=100";
}

void TestCommandLine::setsTheWindowAsClicksWould()
{
    QFETCH(QString, line);
    QFETCH(QString, slits);
    QFETCH(QString, frequency);
    QFETCH(QString, slowDown);
    QFETCH(bool, maxima);
    QFETCH(int, runs);
    QFETCH(QString, link);
    const CommandLine parsed = parse(line);
    QCOMPARE(parsed.outcome, CommandLine::Outcome::Run);

    auto window = test::openWindow();
    test::FakeClock clock{100us};
    window->conductor().setRunClock(clock);
    window->conductor().setFrameInterval(16ms);
    QSignalSpy finished(window.get(), &MainWindow::runFinished);
    const quint64 strips = test::stripsDrawn(*window);
    applyStartOptions(*window, parsed.options);
    QCOMPARE(test::text(*window, "nNdirek"), slits);
    QCOMPARE(test::text(*window, "nKmitočet"), frequency);
    QCOMPARE(test::text(*window, "nSpomaleni"), slowDown);
    // The handlers ran as for clicks: each change of slit count or frequency drew the strip.
    QCOMPARE(test::stripsDrawn(*window) > strips, slits != QLatin1String("4") || frequency != QLatin1String("20"));
    if (runs > 0) {
        QVERIFY(finished.wait(60000) || finished.count() == runs);
        QVERIFY(test::waitForRunEnd(*window));
    }
    QCoreApplication::processEvents();
    QCOMPARE(finished.count(), runs);
    QCOMPARE(window->profileLayers().orderMarks().isVisible(), maxima && runs > 0);
    QCOMPARE(lessonLinkQuery(currentSetup(*window)), link);
}

void TestCommandLine::theProgramAnswersWithoutAWindow_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("error");

    QTest::newRow("--help") << QStringList{"--help"} << 0 << "--slits <N>" << QString();
    QTest::newRow("-h lists the ranges") << QStringList{"-h"} << 0 << "20 to 200 for 2 to 4 slits" << QString();
    QTest::newRow("--version") << QStringList{"--version"} << 0 << "korvane 0.1.0\n" << QString();
    QTest::newRow("a refused line") << QStringList{"--slits", "20", "--frequency", "50"} << 2 << QString()
                                    << "korvane: --frequency 50: with 20 slits the frequency is a whole number from 5 "
                                       "to 45\n";
    QTest::newRow("in the language asked for")
        << QStringList{"--language", "cs", "--zoom", "99"} << 2 << QString()
        << "korvane: --zoom 99: zvětšení je jedno z 100, 125, 150, 175, 200, 250, 300, 400 procent\n";
}

void TestCommandLine::theProgramAnswersWithoutAWindow()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, error);
    const test::ToolRun run = test::runTool(arguments);
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, status);
    const QString said = QString::fromUtf8(run.standardOutput).remove(QLatin1Char('\r'));
    QVERIFY2(out.isEmpty() ? said.isEmpty() : said.contains(out), qPrintable(said));
    QCOMPARE(QString::fromUtf8(run.standardError).remove(QLatin1Char('\r')), error);
}

QTEST_MAIN(TestCommandLine)
void TestCommandLine::aLessonAsALink_data()
{
    // The query as the link gives it; the options taken, as a link that sets
    // them gives them; the message, a line a parameter not taken.
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("taken");
    QTest::addColumn<QStringList>("problems");

    const QString slits = QStringLiteral("the number of slits is 2, 3, 4 or 20; 4 is used instead.");
    QTest::newRow("none") << "" << "" << QStringList();
    QTest::newRow("a prepared grating")
        << "?slits=20&frequency=15&slow-down=1000&zoom=200&show-maxima&show-far-field&start"
        << "?slits=20&frequency=15&slow-down=1000&zoom=200&show-maxima&show-far-field&start" << QStringList();
    QTest::newRow("profiles kept, said outright") << "?keep-profiles=1&slits=3" << "?slits=3&keep-profiles"
                                                  << QStringList();
    QTest::newRow("in any order, flags said outright")
        << "start=1&full-screen=0&zoom=150&language=CS&slits=2" << "?slits=2&zoom=150&start&language=cs"
        << QStringList();
    QTest::newRow("out of range, for the slit count given")
        << "?slits=20&frequency=50" << "?slits=20"
        << QStringList{"frequency=50: with 20 slits the frequency is a whole number from 5 to 45; 15 is used "
                       "instead."};
    QTest::newRow("a bad slit count, then a frequency for the default")
        << "?slits=5&frequency=15&slow-down=10" << "?slow-down=10"
        << QStringList{"slits=5: " + slits,
                       "frequency=15: with 4 slits the frequency is a whole number from 20 to 200; 20 is used "
                       "instead."};
    QTest::newRow("wrong kind") << "?zoom=big&slow-down=-1" << ""
                                << QStringList{"slow-down=-1: the slow-down is a whole number from 0 to 10000; 0 "
                                               "is used instead.",
                                               "zoom=big: the zoom is one of 100, 125, 150, 175, 200, 250, 300, 400 "
                                               "per cent; 100 is used instead."};
    QTest::newRow("empty, and alone") << "?slits=&frequency" << ""
                                      << QStringList{"slits=: " + slits,
                                                     "frequency: with 4 slits the frequency is a whole number from "
                                                     "20 to 200; 20 is used instead."};
    QTest::newRow("repeated") << "?slits=2&slits=3&start&start"
                              << "" << QStringList{"slits=2, slits=3: given more than once; 4 is used instead.",
                                                   "start, start: given more than once; off is used instead."};
    QTest::newRow("a flag with a value") << "?show-maxima=yes&start" << "?start"
                                         << QStringList{"show-maxima=yes: show-maxima stands alone, or as "
                                                        "show-maxima=1 or show-maxima=0; off is used instead."};
    QTest::newRow("unknown names") << "?colour=red&Slits=4&start" << "?start"
                                   << QStringList{"colour=red: Korvane has no such setting; it is left out.",
                                                  "Slits=4: Korvane has no such setting; it is left out."};
    QTest::newRow("an unknown language") << "?language=xx" << ""
                                         << QStringList{"language=xx: the language is en or one of cs, de, es, "
                                                        "fr, pl, sk; the browser's language is used instead."};
    QTest::newRow("script text, shown as text and cut short")
        << "?slits=%3Cscript%3Ealert(document.cookie)%3C/script%3E&%3Cb%3E" << ""
        << QStringList{QStringLiteral("slits=<script>alert(document.cookie)</script>: ") + slits,
                       "<b>: Korvane has no such setting; it is left out."};
    QTest::newRow("a long value, and a line break")
        << "?zoom=" + QString(50, QLatin1Char('9')) + "&slits=%0A4" << ""
        << QStringList{"slits=\uFFFD4: " + slits,
                       "zoom=" + QString(40, QLatin1Char('9')) + "\u2026: the zoom is one of 100, 125, 150, 175, "
                       "200, 250, 300, 400 per cent; 100 is used instead."};
}

void TestCommandLine::aLessonAsALink()
{
    QFETCH(QString, query);
    QFETCH(QString, taken);
    QFETCH(QStringList, problems);
    const LessonLink link = parseLessonLink(query);
    QCOMPARE(lessonLinkQuery(link.options), taken);
    const QString expected = problems.isEmpty()
                                 ? QString()
                                 : QStringList(QStringList{"The link's settings could not all be used:"} + problems)
                                       .join(QLatin1Char('\n'))
                                       .replace(QStringLiteral("\\uFFFD"), QChar(QChar::ReplacementCharacter))
                                       .replace(QStringLiteral("\\u2026"), QChar(0x2026));
    QCOMPARE(link.problems.isEmpty() ? QString() : lessonLinkMessage(link.problems), expected);
}

#include "test_command_line.moc"
