// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
// A Start run conducted by the teacher: paused, stepped on and back, resumed
// or finished, always leaving the picture an untouched run leaves at that
// column; input while it stands; what says it is paused; and the look-out
// moved along the screen line by keys.

#include "fake_clock.h"
#include "ink.h"
#include "look_out_navigation.h"
#include "look_out_panel.h"
#include "pause_hint.h"
#include "run_conductor.h"
#include "run_picture.h"
#include "title_bar.h"
#include "window_fixture.h"
#include "window_menu.h"
#include "worked_values.h"

#include <QAccessible>
#include <QClipboard>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <chrono>
#include <memory>

using namespace korvane;
using namespace std::chrono_literals;
using test::control;

namespace {

// The rows the run paints over, in logical pixels: everything a run draws,
// and nothing of the start-up's caption above them.
QImage band(const QImage &picture, double scale)
{
    const int top = static_cast<int>(std::ceil(1000 / 15.0 * scale));
    const int bottom = static_cast<int>(9000 / 15.0 * scale);
    return picture.copy(0, top, picture.width(), bottom - top).convertToFormat(QImage::Format_RGB32);
}

// What an untouched run of the same parameters leaves on reaching `column`.
QImage untouchedAt(const QString &slits, const QString &f, int column)
{
    test::RunBench bench(slits, f);
    bench.runTo(column);
    return band(bench.surface.image(), 1.0);
}

// "Right", "Shift+Left", "Home" ... as a user presses them on the control with the focus.
void press(const QString &keys)
{
    const QKeySequence sequence(keys);
    const QKeyCombination key = sequence[0];
    QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
}

struct Window {
    std::unique_ptr<MainWindow> window = test::openWindow();
    // Every reading costs 100 us of make-believe work: a run spans a
    // simulated second or so, and no real time.
    test::FakeClock clock{100us};

    Window()
    {
        window->conductor().setRunClock(clock);
        window->conductor().setFrameInterval(16ms);
    }

    // Started and paused before its first column is drawn.
    void startPaused(const char *option, const QString &slowDown = QStringLiteral("1"))
    {
        control<QRadioButton>(*window, option)->click();
        window->controls().nSpomaleni->setText(slowDown);
        window->controls().cmdStart->click();
        press(QStringLiteral("Space"));
    }

    QImage picture() const { return band(window->surface().image(), 1.0); }
    QString said() const
    {
        return QAccessible::queryAccessibleInterface(&window->surface())->text(QAccessible::Description);
    }
    QAction *pauseAction() const
    {
        return window->findChild<QMenu *>(QStringLiteral("windowMenu"))->actions().constFirst();
    }
};

} // namespace

class TestPausedRun : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void stepsLeaveTheUntouchedPicture_data();
    void stepsLeaveTheUntouchedPicture();
    void resumedRunEndsAsAnUntouchedOne_data();
    void resumedRunEndsAsAnUntouchedOne();
    void inputWhilePaused_data();
    void inputWhilePaused();
    void pausedIsShownAndSpoken();
    void heldInputIsSaid_data();
    void heldInputIsSaid();
    void keyboardLookOut_data();
    void keyboardLookOut();
};

void TestPausedRun::initTestCase()
{
    test::useEnglishNumbers();
}

void TestPausedRun::stepsLeaveTheUntouchedPicture_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("slits");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<int>("column");

    QTest::newRow("paused at once: nothing swept") << "op4Dírky" << "4" << QStringList{} << -1;
    QTest::newRow("Right: the first chain") << "op4Dírky" << "4" << QStringList{"Right"} << 0;
    QTest::newRow("four chains on, one back") << "op2" << "2" << QStringList{"Right", "Right", "Right", "Right", "Left"}
                                              << 400;
    QTest::newRow("a pixel column on, two, one back")
        << "op20" << "20" << QStringList{"Right", "Shift+Right", "Shift+Right", "Shift+Left"} << 22;
    QTest::newRow("a pixel column back from a chain")
        << "op3Dirky" << "3" << QStringList{"Right", "Right", "Shift+Left"} << 187;
    QTest::newRow("Home after going on") << "op4Dírky" << "4" << QStringList{"Right", "Right", "Right", "Home"} << 0;
    QTest::newRow("Left at the first column stays") << "op2" << "2" << QStringList{"Right", "Left", "Shift+Left"} << 0;
    QStringList toTheEnd(61, QStringLiteral("Right"));
    QTest::newRow("on past the last chain: the last column")
        << "op20" << "20" << toTheEnd << 11950;
    QTest::newRow("the last column, back a chain") << "op20" << "20" << toTheEnd + QStringList{"Left"} << 11800;
}

void TestPausedRun::stepsLeaveTheUntouchedPicture()
{
    QFETCH(QString, option);
    QFETCH(QString, slits);
    QFETCH(QStringList, keys);
    QFETCH(int, column);
    Window w;
    w.startPaused(option.toUtf8().constData());
    for (const QString &key : keys)
        press(key);
    QVERIFY(w.window->conductor().paused());
    QCOMPARE(w.window->conductor().runColumn(), column);
    const QString f = w.window->controls().nKmitočet->text();
    QVERIFY(w.picture() == untouchedAt(slits, f, column));
    // Standing still, it stays as it is.
    QTest::qWait(50);
    QCOMPARE(w.window->conductor().runColumn(), column);
    QVERIFY(w.picture() == untouchedAt(slits, f, column));
}

void TestPausedRun::resumedRunEndsAsAnUntouchedOne_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("slits");
    QTest::addColumn<QStringList>("keys");

    QTest::newRow("Space, Space") << "op4Dírky" << "4" << QStringList{"Space"};
    QTest::newRow("stepped on and back, then Space") << "op2" << "2"
                                                     << QStringList{"Right", "Right", "Shift+Right", "Left", "Space"};
    QTest::newRow("gone back to the start, then Space") << "op3Dirky" << "3" << QStringList{"Right", "Home", "Space"};
    QTest::newRow("End") << "op20" << "20" << QStringList{"Right", "End"};
    QTest::newRow("gone back from the last column, then End")
        << "op20" << "20" << QStringList(61, QStringLiteral("Right")) + QStringList{"Left", "Left", "End"};
}

void TestPausedRun::resumedRunEndsAsAnUntouchedOne()
{
    QFETCH(QString, option);
    QFETCH(QString, slits);
    QFETCH(QStringList, keys);
    Window w;
    w.startPaused(option.toUtf8().constData());
    const QString f = w.window->controls().nKmitočet->text();
    // 157 shows as "25." once the run has written the read-out at its end.
    w.window->controls().nKmitočet->setText(QStringLiteral("157"));
    for (const QString &key : keys)
        press(key);
    QVERIFY(test::waitForRunEnd(*w.window));
    QVERIFY(w.picture() == band(test::freshRunPicture(slits, f), 1.0));
    QCOMPARE(test::text(*w.window, "nRelKmitočet"), test::workedReadOut(157));
    QVERIFY(w.window->conductor().runOnScreen());
    QVERIFY(!w.window->pauseHint().isVisible());
    QCOMPARE(w.window->windowTitle(), titleBarText());
}

void TestPausedRun::inputWhilePaused_data()
{
    // While the run stands: "op2" clicks the 2-slit option, "bar" presses
    // Right on the frequency bar, "start", "exit" and "close" as named; then
    // "end" finishes the run with End.
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<QString>("slitsWhilePaused");
    QTest::addColumn<QString>("frequencyWhilePaused");
    QTest::addColumn<QString>("slitsAfter");
    QTest::addColumn<QString>("frequencyAfter");
    QTest::addColumn<int>("runs");

    QTest::newRow("an option clicked waits for the end") << QStringList{"op2", "end"} << false << "4" << "20" << "2"
                                                         << "20" << 1;
    QTest::newRow("a frequency key waits for the end")
        << QStringList{"bar", "end"} << false << "4" << "20" << "4" << "21" << 1;
    QTest::newRow("Start: the held click first, then a new run")
        << QStringList{"op2", "bar", "start"} << false << "4" << "20" << "2" << "21" << 2;
    QTest::newRow("Exit ends the program at once") << QStringList{"op2", "exit"} << true << "4" << "20" << "4"
                                                   << "20" << 1;
    QTest::newRow("a close through the frame, at once") << QStringList{"close"} << true << "4" << "20" << "4" << "20"
                                                        << 1;
}

void TestPausedRun::inputWhilePaused()
{
    QFETCH(QStringList, actions);
    QFETCH(bool, closed);
    QFETCH(QString, slitsWhilePaused);
    QFETCH(QString, frequencyWhilePaused);
    QFETCH(QString, slitsAfter);
    QFETCH(QString, frequencyAfter);
    QFETCH(int, runs);
    Window w;
    MainWindow &window = *w.window;
    QSignalSpy finished(&window, &MainWindow::runFinished);
    QSignalSpy slitSelections(window.controls().op2, &QRadioButton::toggled);
    // 30001 a column: the run would take two simulated minutes.
    w.startPaused("op4Dírky", QStringLiteral("30001"));
    press(QStringLiteral("Right"));
    bool ended = true;
    for (const QString &action : actions) {
        if (action == QLatin1String("op2")) {
            QTest::mouseClick(window.controls().op2, Qt::LeftButton, {}, QPoint(6, 6));
        } else if (action == QLatin1String("bar")) {
            QTest::keyClick(window.controls().HScrollKmitočet, Qt::Key_PageDown);
        } else if (action == QLatin1String("start")) {
            QTest::mouseClick(window.controls().cmdStart, Qt::LeftButton);
        } else if (action == QLatin1String("end")) {
            press(QStringLiteral("End"));
        } else {
            ended = test::programEndsAfter(window, [&] {
                if (action == QLatin1String("exit"))
                    QTest::mouseClick(window.controls().cmdKonec, Qt::LeftButton);
                else
                    window.close();
            });
        }
        if (action == QLatin1String("op2") || action == QLatin1String("bar")) {
            QCoreApplication::processEvents();
            QCOMPARE(test::text(window, "nNdirek"), slitsWhilePaused);
            QCOMPARE(test::text(window, "nKmitočet"), frequencyWhilePaused);
        }
    }
    QVERIFY(ended);
    QCOMPARE(!window.isVisible(), closed);
    if (!closed) {
        // The held input, and a Start after it, come from the event loop.
        QCoreApplication::processEvents();
        if (window.conductor().running()) {
            press(QStringLiteral("Space"));
            press(QStringLiteral("End"));
        }
        QVERIFY(test::waitForRunEnd(window));
        QCoreApplication::processEvents();
        QCOMPARE(test::text(window, "nNdirek"), slitsAfter);
        QCOMPARE(test::text(window, "nKmitočet"), frequencyAfter);
        QCOMPARE(window.conductor().runOnScreen()->slitCountText(), (runs > 1 ? slitsAfter : slitsWhilePaused).toStdString());
    }
    QCOMPARE(finished.count(), runs);
    // Nothing was acted on twice.
    QVERIFY(slitSelections.count() <= 1);
}

void TestPausedRun::heldInputIsSaid_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("note");
    const QString exit = QStringLiteral("Exit waits for the run to end; Space pauses, and then Exit ends at once");
    QTest::newRow("Exit clicked") << "exit" << exit;
    QTest::newRow("closed through the frame") << "close" << exit;
    QTest::newRow("a slit count clicked") << "op2" << "Clicks wait for the run to end; Space pauses it";
}

// What waits for a run that goes on is said at once, in the pause note's
// place; a later click does not hide that Exit waits; the pause's own note
// takes its place, and after the run nothing is left of it.
void TestPausedRun::heldInputIsSaid()
{
    QFETCH(QString, action);
    QFETCH(QString, note);
    Window w;
    MainWindow &window = *w.window;
    control<QRadioButton>(window, "op4Dírky")->click();
    window.controls().nSpomaleni->setText(QStringLiteral("30001"));
    window.controls().cmdStart->click();
    QVERIFY(window.conductor().running() && !window.conductor().paused());
    const PauseHint &hint = window.pauseHint();
    QVERIFY(!hint.isVisible());
    if (action == QLatin1String("exit"))
        QTest::mouseClick(window.controls().cmdKonec, Qt::LeftButton);
    else if (action == QLatin1String("close"))
        window.close();
    QTest::mouseClick(window.controls().op2, Qt::LeftButton, {}, QPoint(6, 6));
    QVERIFY(window.isVisible());
    QVERIFY(hint.isVisible());
    QCOMPARE(hint.lines(), QStringList{note});
    press(QStringLiteral("Space"));
    QVERIFY(hint.lines().constFirst().startsWith(QLatin1String("Paused")));
    if (action == QLatin1String("op2")) {
        press(QStringLiteral("End"));
        QVERIFY(test::waitForRunEnd(window));
        QVERIFY(!hint.isVisible());
    } else {
        // The held Exit then ends the program, as before.
        QVERIFY(test::programEndsAfter(window, [&] { press(QStringLiteral("End")); }));
    }
}

void TestPausedRun::pausedIsShownAndSpoken()
{
    Window w;
    MainWindow &window = *w.window;
    const QString title = window.windowTitle();
    // Between runs the menu is as it always was.
    QVERIFY(!w.pauseAction()->isVisible());
    window.controls().nSpomaleni->setText(QStringLiteral("30001"));
    window.controls().cmdStart->click();
    QVERIFY(w.pauseAction()->isVisible());
    QVERIFY(w.pauseAction()->text().startsWith(QLatin1String("Pause\t")));

    // Paused from the menu, as a mouse user does.
    w.pauseAction()->trigger();
    press(QStringLiteral("Right"));
    press(QStringLiteral("Right"));
    QCOMPARE(window.conductor().runColumn(), 200);
    QVERIFY(w.pauseAction()->text().startsWith(QLatin1String("Resume\t")));
    QCOMPARE(window.windowTitle(), pausedTitleBarText());
    QVERIFY(window.windowTitle().contains(QLatin1String("paused")));
    const PauseHint &hint = window.pauseHint();
    QVERIFY(hint.isVisible());
    const QStringList lines = hint.lines();
    QCOMPARE(lines.constFirst(), QStringLiteral("Paused at column x = 200 twips"));
    QCOMPARE(w.said(), lines.join(QLatin1Char('\n')));
    // Over the window, inside the design's lower left corner.
    QVERIFY(QRect(QPoint(), MainWindow::kClientSize).contains(hint.geometry()));

    // Neither the copy nor the file has the note: what lies under it is the picture's.
    const QImage copy = window.picture().convertToFormat(QImage::Format_RGB32);
    const QRect under = hint.geometry();
    QCOMPARE(copy.copy(under), window.surface().image().copy(under).convertToFormat(QImage::Format_RGB32));
    QVERIFY(hint.isVisible());

    press(QStringLiteral("Space"));
    QVERIFY(!window.conductor().paused());
    QVERIFY(!hint.isVisible());
    QCOMPARE(window.windowTitle(), title);
    QVERIFY(w.pauseAction()->text().startsWith(QLatin1String("Pause\t")));
    press(QStringLiteral("Space"));
    press(QStringLiteral("End"));
    QVERIFY(!window.conductor().running());
    QVERIFY(!w.pauseAction()->isVisible());
    QCOMPARE(window.windowTitle(), title);
}

void TestPausedRun::keyboardLookOut_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<int>("pausedAt"); // -2: after the run
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<int>("column");

    // After a 2-slit run the look-out starts at the central order, 9050.
    QTest::newRow("focused: at the central order") << "op2" << -2 << QStringList{} << 9050;
    QTest::newRow("Right: the next chain") << "op2" << -2 << QStringList{"Right"} << 9200;
    QTest::newRow("Left: the chain before") << "op2" << -2 << QStringList{"Left"} << 9000;
    QTest::newRow("Shift+Right: the next pixel column") << "op2" << -2 << QStringList{"Shift+Right"} << 9067;
    QTest::newRow("Home, End: the ends") << "op4Dírky" << -2 << QStringList{"End", "Left", "Home"} << 0;
    QTest::newRow("paused: where the sweep stands") << "op4Dírky" << 400 << QStringList{} << 400;
    QTest::newRow("paused: no further than drawn") << "op4Dírky" << 400 << QStringList{"Right", "End"} << 400;
    QTest::newRow("paused: back along the part drawn") << "op20" << 400 << QStringList{"Left", "Left"} << 0;
}

void TestPausedRun::keyboardLookOut()
{
    QFETCH(QString, option);
    QFETCH(int, pausedAt);
    QFETCH(QStringList, keys);
    QFETCH(int, column);
    Window w;
    MainWindow &window = *w.window;
    if (pausedAt < -1) {
        control<QRadioButton>(window, option.toUtf8().constData())->click();
        QVERIFY(test::runToEnd(window));
    } else {
        w.startPaused(option.toUtf8().constData());
        while (window.conductor().runColumn() < pausedAt)
            press(QStringLiteral("Right"));
    }
    // The drawing area comes after the design's controls in the keyboard's round.
    window.controls().nWavelenghts->setFocus();
    press(QStringLiteral("Tab"));
    QCOMPARE(QApplication::focusWidget(), &window.surface());
    for (const QString &key : keys)
        press(key);

    const LookOutPanel &panel = window.lookOut().panel();
    QVERIFY(panel.isVisible());
    QCOMPARE(panel.lines().at(1), QStringLiteral("Column x = %1 twips").arg(column));
    // Marked on the screen line, at the column.
    const QWidget &marker = window.lookOut().marker();
    QVERIFY(marker.isVisible());
    const QPoint onLine = window.surface().mapTo(&window, test::pixelOf(column, 6500));
    QCOMPARE(marker.geometry().center().x(), onLine.x());
    QVERIFY(marker.geometry().contains(onLine));
    // The drawing area, which has the focus, says what the panel shows.
    QCOMPARE(w.said(), panel.lines().join(QLatin1Char('\n')));
    // The sweep did not move.
    if (pausedAt >= -1)
        QCOMPARE(window.conductor().runColumn(), pausedAt);

    press(QStringLiteral("Esc"));
    QVERIFY(!panel.isVisible());
    QVERIFY(!marker.isVisible());
    QVERIFY(w.said() != panel.lines().join(QLatin1Char('\n')));
}

QTEST_MAIN(TestPausedRun)
#include "test_paused_run.moc"
