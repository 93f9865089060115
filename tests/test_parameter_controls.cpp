// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
// The slit-count buttons, the two frequency bars and the slow-down bar, driven
// through the real controls with the mouse and the keyboard.

#include "window_fixture.h"
#include "worked_values.h"

#include <QApplication>
#include <QRadioButton>
#include <QScrollBar>

#include <memory>

using namespace korvane;
using korvane::test::control;
using korvane::test::scrollBarPart;
using korvane::test::stripsDrawn;
using korvane::test::workedReadOut;

class TestParameterControls : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void slitCountSelection_data();
    void slitCountSelection();
    void optionButtonsByKeyboard_data();
    void optionButtonsByKeyboard();
    void frequencyBarsByKeyboard_data();
    void frequencyBarsByKeyboard();
    void barsByMouse_data();
    void barsByMouse();
    void draggingCommitsOnlyOnRelease();
    void wheelMovesOneCommittedStep_data();
    void wheelMovesOneCommittedStep();
    void gratingBarMaximumIsRaisedOnce();
    void slowDown_data();
    void slowDown();
    void typedReadOutIsReplaced();
    void uncaptionedControlsSayWhatTheySet_data();
    void uncaptionedControlsSayWhatTheySet();

private:
    void act(const QString &action);
    std::unique_ptr<MainWindow> window_;
};

void TestParameterControls::init()
{
    test::useEnglishNumbers();
    window_ = test::openWindow();
}

void TestParameterControls::cleanup()
{
    window_.reset();
}

// "op2" clicks that option button; "HScrollKmitočet=50" sets that bar's
// position from code, as a handler would.
void TestParameterControls::act(const QString &action)
{
    const QStringList parts = action.split(QLatin1Char('='));
    const QByteArray name = parts.first().toUtf8();
    if (parts.size() == 1)
        QTest::mouseClick(control<QRadioButton>(*window_, name.constData()), Qt::LeftButton, {}, QPoint(6, 6));
    else
        control<QScrollBar>(*window_, name.constData())->setValue(parts.last().toInt());
}

void TestParameterControls::slitCountSelection_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("slits");
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<bool>("gratingBar");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("strips");

    QTest::newRow("2 as the first action") << QStringList{} << "op2" << "2" << "20" << false << 0 << 1;
    QTest::newRow("3 as the first action") << QStringList{} << "op3Dirky" << "3" << "20" << false << 0 << 1;
    QTest::newRow("2 after the bar was at 50") << QStringList{"HScrollKmitočet=50"} << "op2" << "2" << "20" << false
                                               << 0 << 2;
    QTest::newRow("4 after 2") << QStringList{"op2"} << "op4Dírky" << "4" << "20" << false << 0 << 1;
    QTest::newRow("20 the first time") << QStringList{} << "op20" << "20" << "15" << true << 10 << 2;
    QTest::newRow("20 with its bar already at 10") << QStringList{"op20", "op4Dírky"} << "op20" << "20" << "15"
                                                   << true << 10 << 1;
    QTest::newRow("20 after its bar was at 30") << QStringList{"op20", "HScrollKmitocet20=30", "op4Dírky"} << "op20"
                                                << "20" << "15" << true << 10 << 2;
    QTest::newRow("3 after 20") << QStringList{"op20"} << "op3Dirky" << "3" << "20" << false << 0 << 1;
}

void TestParameterControls::slitCountSelection()
{
    QFETCH(QStringList, before);
    QFETCH(QString, option);
    QFETCH(QString, slits);
    QFETCH(QString, frequency);
    QFETCH(bool, gratingBar);
    QFETCH(int, position);
    QFETCH(int, strips);

    for (const QString &action : before)
        act(action);
    auto *bar = control<QScrollBar>(*window_, "HScrollKmitočet");
    auto *bar20 = control<QScrollBar>(*window_, "HScrollKmitocet20");
    const int bar20Before = bar20->value();
    const quint64 stripsBefore = stripsDrawn(*window_);

    act(option);

    QVERIFY(control<QRadioButton>(*window_, option.toUtf8().constData())->isChecked());
    QCOMPARE(test::text(*window_, "nNdirek"), slits);
    QCOMPARE(test::text(*window_, "nKmitočet"), frequency);
    QCOMPARE(test::text(*window_, "nSpomaleni"), QStringLiteral("1"));
    QCOMPARE(test::text(*window_, "nRelKmitočet"), workedReadOut(frequency.toInt()));
    QCOMPARE(bar->isVisible(), !gratingBar);
    QCOMPARE(bar20->isVisible(), gratingBar);
    QCOMPARE((gratingBar ? bar20 : bar)->value(), position);
    if (!gratingBar)
        QCOMPARE(bar20->value(), bar20Before); // hidden, it keeps its place
    QCOMPARE(stripsDrawn(*window_) - stripsBefore, quint64(strips));

    // The strip is on the surface now: the axis, and the first dot on it.
    QCOMPARE(window_->surface().pixelAt(200, 113), window_->surface().foregroundColour());
}

void TestParameterControls::optionButtonsByKeyboard_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("frequency");
    // Down and Right go to the next button, Up and Left to the previous one,
    // round at both ends.
    QTest::newRow("Left from 4") << "op4Dírky" << int(Qt::Key_Left) << "op3Dirky" << "20";
    QTest::newRow("Up from 4") << "op4Dírky" << int(Qt::Key_Up) << "op3Dirky" << "20";
    QTest::newRow("Right from 4") << "op4Dírky" << int(Qt::Key_Right) << "op20" << "15";
    QTest::newRow("Down from 3") << "op3Dirky" << int(Qt::Key_Down) << "op4Dírky" << "20";
    QTest::newRow("Right from 20, round to 2") << "op20" << int(Qt::Key_Right) << "op2" << "20";
    QTest::newRow("Down from 20, round to 2") << "op20" << int(Qt::Key_Down) << "op2" << "20";
    QTest::newRow("Left from 2, round to 20") << "op2" << int(Qt::Key_Left) << "op20" << "15";
    QTest::newRow("Up from 2, round to 20") << "op2" << int(Qt::Key_Up) << "op20" << "15";
}

void TestParameterControls::optionButtonsByKeyboard()
{
    QFETCH(QString, from);
    QFETCH(int, key);
    QFETCH(QString, to);
    QFETCH(QString, frequency);
    act(from);
    auto *start = control<QRadioButton>(*window_, from.toUtf8().constData());
    start->setFocus();
    // Moved off its default, so that the selection's handler shows by resetting it.
    control<QLineEdit>(*window_, "nKmitočet")->setText(QStringLiteral("99"));
    const quint64 stripsBefore = stripsDrawn(*window_);
    QTest::keyClick(start, Qt::Key(key));

    auto *selected = control<QRadioButton>(*window_, to.toUtf8().constData());
    QVERIFY(selected->isChecked());
    QVERIFY(!start->isChecked());
    QCOMPARE(QApplication::focusWidget(), selected);
    QCOMPARE(test::text(*window_, "nNdirek"), selected->text());
    QCOMPARE(test::text(*window_, "nKmitočet"), frequency);
    QVERIFY(stripsDrawn(*window_) > stripsBefore);
}

void TestParameterControls::frequencyBarsByKeyboard_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("bar");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("frequency");

    const char *bar = "HScrollKmitočet";
    const char *bar20 = "HScrollKmitocet20";
    QTest::newRow("left end") << "op4Dírky" << bar << int(Qt::Key_Home) << 5 << "en" << 0 << "20";
    QTest::newRow("one step") << "op4Dírky" << bar << int(Qt::Key_Right) << 0 << "en" << 1 << "21";
    QTest::newRow("at 2, trailing zero dropped") << "op2" << bar << int(Qt::Key_Right) << 1 << "en" << 2 << "22";
    QTest::newRow("at 137, bare separator") << "op3Dirky" << bar << int(Qt::Key_Left) << 138 << "en" << 137 << "157";
    QTest::newRow("at 137, Czech") << "op3Dirky" << bar << int(Qt::Key_Left) << 138 << "cs" << 137 << "157";
    QTest::newRow("at 137, German") << "op3Dirky" << bar << int(Qt::Key_Left) << 138 << "de" << 137 << "157";
    QTest::newRow("at 2, Czech") << "op2" << bar << int(Qt::Key_Right) << 1 << "cs" << 2 << "22";
    QTest::newRow("PageDown, one step right") << "op4Dírky" << bar << int(Qt::Key_PageDown) << 0 << "en" << 1 << "21";
    QTest::newRow("PageUp, one step left") << "op4Dírky" << bar << int(Qt::Key_PageUp) << 3 << "en" << 2 << "22";
    QTest::newRow("20 slits, PageDown") << "op20" << bar20 << int(Qt::Key_PageDown) << 10 << "en" << 11 << "16";
    QTest::newRow("right end") << "op4Dírky" << bar << int(Qt::Key_End) << 0 << "en" << 180 << "200";
    QTest::newRow("right end, German") << "op4Dírky" << bar << int(Qt::Key_End) << 0 << "de" << 180 << "200";
    QTest::newRow("20 slits, left end") << "op20" << bar20 << int(Qt::Key_Home) << 10 << "en" << 0 << "5";
    QTest::newRow("20 slits, left end, Czech") << "op20" << bar20 << int(Qt::Key_Home) << 10 << "cs" << 0 << "5";
    QTest::newRow("20 slits, at 1") << "op20" << bar20 << int(Qt::Key_Right) << 0 << "en" << 1 << "6";
    QTest::newRow("20 slits, back to 10") << "op20" << bar20 << int(Qt::Key_Left) << 11 << "en" << 10 << "15";
    QTest::newRow("20 slits, right end") << "op20" << bar20 << int(Qt::Key_End) << 10 << "en" << 40 << "45";
}

void TestParameterControls::frequencyBarsByKeyboard()
{
    QFETCH(QString, option);
    QFETCH(QString, bar);
    QFETCH(int, key);
    QFETCH(int, from);
    QFETCH(QString, locale);
    QFETCH(int, position);
    QFETCH(QString, frequency);

    test::useLocaleOf(locale);
    act(option);
    auto *scrollBar = control<QScrollBar>(*window_, bar.toUtf8().constData());
    scrollBar->setValue(from);
    const quint64 stripsBefore = stripsDrawn(*window_);
    const QString slits = test::text(*window_, "nNdirek");

    scrollBar->setFocus();
    QTest::keyClick(scrollBar, Qt::Key(key));

    QCOMPARE(scrollBar->value(), position);
    QCOMPARE(test::text(*window_, "nKmitočet"), frequency);
    QCOMPARE(test::text(*window_, "nRelKmitočet"), workedReadOut(frequency.toInt(), test::user(locale).separator));
    QCOMPARE(stripsDrawn(*window_) - stripsBefore, 1u);
    QCOMPARE(test::text(*window_, "nNdirek"), slits);
}

void TestParameterControls::barsByMouse_data()
{
    QTest::addColumn<QString>("bar");
    QTest::addColumn<int>("part");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("store");
    QTest::addColumn<QString>("stored");

    QTest::newRow("frequency, right arrow") << "HScrollKmitočet" << int(QStyle::SC_ScrollBarAddLine) << 0 << 1
                                            << "nKmitočet" << "21";
    QTest::newRow("frequency, left arrow") << "HScrollKmitočet" << int(QStyle::SC_ScrollBarSubLine) << 50 << 49
                                           << "nKmitočet" << "69";
    QTest::newRow("frequency, trough right of the thumb") << "HScrollKmitočet" << int(QStyle::SC_ScrollBarAddPage)
                                                          << 0 << 1 << "nKmitočet" << "21";
    QTest::newRow("frequency, trough left of the thumb") << "HScrollKmitočet" << int(QStyle::SC_ScrollBarSubPage)
                                                         << 180 << 179 << "nKmitočet" << "199";
    QTest::newRow("slow-down, right arrow") << "HScrollSpomaleni" << int(QStyle::SC_ScrollBarAddLine) << 0 << 1
                                            << "nSpomaleni" << "4";
    QTest::newRow("slow-down, trough") << "HScrollSpomaleni" << int(QStyle::SC_ScrollBarAddPage) << 5000 << 5001
                                       << "nSpomaleni" << "15004";
    QTest::newRow("slow-down, left arrow at the left end") << "HScrollSpomaleni" << int(QStyle::SC_ScrollBarSubLine)
                                                           << 0 << 0 << "nSpomaleni" << "1";
}

void TestParameterControls::barsByMouse()
{
    QFETCH(QString, bar);
    QFETCH(int, part);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, store);
    QFETCH(QString, stored);

    auto *scrollBar = control<QScrollBar>(*window_, bar.toUtf8().constData());
    scrollBar->setValue(from);
    const QRect target = scrollBarPart(scrollBar, QStyle::SubControl(part));
    QVERIFY(!target.isEmpty());
    QTest::mouseClick(scrollBar, Qt::LeftButton, {}, target.center());
    QCOMPARE(scrollBar->value(), to);
    QCOMPARE(test::text(*window_, store.toUtf8().constData()), stored);
}

void TestParameterControls::draggingCommitsOnlyOnRelease()
{
    auto *scrollBar = control<QScrollBar>(*window_, "HScrollKmitočet");
    const quint64 stripsBefore = stripsDrawn(*window_);
    const QPoint grip = scrollBarPart(scrollBar, QStyle::SC_ScrollBarSlider).center();
    QTest::mousePress(scrollBar, Qt::LeftButton, {}, grip);
    for (int dx = 10; dx <= 60; dx += 10)
        QTest::mouseMove(scrollBar, grip + QPoint(dx, 0));
    QVERIFY(scrollBar->sliderPosition() > 0);
    QCOMPARE(test::text(*window_, "nKmitočet"), QStringLiteral("20"));
    QCOMPARE(stripsDrawn(*window_), stripsBefore);

    QTest::mouseRelease(scrollBar, Qt::LeftButton, {}, grip + QPoint(60, 0));
    QVERIFY(scrollBar->value() > 0);
    QCOMPARE(test::text(*window_, "nKmitočet"), QString::number(scrollBar->value() + 20));
    QCOMPARE(stripsDrawn(*window_) - stripsBefore, 1u);
}

void TestParameterControls::wheelMovesOneCommittedStep_data()
{
    QTest::addColumn<int>("delta");
    QTest::addColumn<int>("to");
    // Turning the wheel towards the user moves a horizontal bar to the right,
    // as it scrolls a page of text down.
    QTest::newRow("towards the user") << -120 << 51;
    QTest::newRow("away from the user") << 120 << 49;
}

void TestParameterControls::wheelMovesOneCommittedStep()
{
    QFETCH(int, delta);
    QFETCH(int, to);
    auto *scrollBar = control<QScrollBar>(*window_, "HScrollKmitočet");
    scrollBar->setValue(50);
    const QPoint at = scrollBar->rect().center();
    QWheelEvent wheel(at, scrollBar->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(scrollBar, &wheel);
    QCOMPARE(scrollBar->value(), to);
    QCOMPARE(test::text(*window_, "nKmitočet"), QString::number(to + 20));
}

void TestParameterControls::gratingBarMaximumIsRaisedOnce()
{
    auto *bar20 = control<QScrollBar>(*window_, "HScrollKmitocet20");
    QCOMPARE(bar20->maximum(), 10);
    act(QStringLiteral("op20"));
    QCOMPARE(bar20->maximum(), 40);
    QCOMPARE(bar20->value(), 10);
    act(QStringLiteral("op2"));
    act(QStringLiteral("HScrollKmitočet=7"));
    QCOMPARE(bar20->maximum(), 40);
    act(QStringLiteral("op20"));
    bar20->setFocus();
    QTest::keyClick(bar20, Qt::Key_End);
    QCOMPARE(bar20->value(), 40);
    QCOMPARE(test::text(*window_, "nKmitočet"), QStringLiteral("45"));
}

void TestParameterControls::slowDown_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("stored");

    QTest::newRow("position 1") << "en" << QList<int>{Qt::Key_Right} << "4";
    QTest::newRow("one step right and back") << "en" << QList<int>{Qt::Key_Right, Qt::Key_Left} << "1";
    QTest::newRow("PageDown three times, PageUp once: position 2")
        << "en" << QList<int>{Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_PageUp} << "7";
    QTest::newRow("position 10000") << "en" << QList<int>{Qt::Key_End} << "30001";
    QTest::newRow("position 10000, German: no group separator") << "de" << QList<int>{Qt::Key_End} << "30001";
    QTest::newRow("position 10000, Czech: no group separator") << "cs" << QList<int>{Qt::Key_End} << "30001";
    QTest::newRow("position 333, Czech") << "cs" << QList<int>{Qt::Key_End, Qt::Key_Home, Qt::Key_Right} << "4";
}

void TestParameterControls::slowDown()
{
    QFETCH(QString, locale);
    QFETCH(QList<int>, keys);
    QFETCH(QString, stored);

    test::useLocaleOf(locale);
    auto *bar = control<QScrollBar>(*window_, "HScrollSpomaleni");
    const QString frequency = test::text(*window_, "nKmitočet");
    const quint64 stripsBefore = stripsDrawn(*window_);
    bar->setFocus();
    for (int key : keys)
        QTest::keyClick(bar, Qt::Key(key));
    QCOMPARE(test::text(*window_, "nSpomaleni"), stored);
    // The factor touches nothing else.
    QCOMPARE(test::text(*window_, "nKmitočet"), frequency);
    QCOMPARE(stripsDrawn(*window_), stripsBefore);

    // And changing the slit count or the frequency leaves it alone.
    act(QStringLiteral("op20"));
    act(QStringLiteral("HScrollKmitocet20=3"));
    QCOMPARE(test::text(*window_, "nSpomaleni"), stored);
}

void TestParameterControls::typedReadOutIsReplaced()
{
    auto *readOut = control<QLineEdit>(*window_, "nRelKmitočet");
    readOut->setFocus();
    QTest::keyClicks(readOut, QStringLiteral("xyz"));
    QVERIFY(readOut->text().contains(QStringLiteral("xyz")));
    QCOMPARE(test::text(*window_, "nKmitočet"), QStringLiteral("20"));
    act(QStringLiteral("HScrollKmitočet=1"));
    QCOMPARE(readOut->text(), workedReadOut(21));
}

void TestParameterControls::uncaptionedControlsSayWhatTheySet_data()
{
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("tip");
    // A run's pause is 11951 columns times S/3 microseconds, S = 3 x position + 1.
    const QString faster = QStringLiteral(" Move right for a slower run, up to two minutes.");
    QTest::newRow("slow-down at the start: 4 ms")
        << QStringList() << "HScrollSpomaleni" << "Slow-down: a run takes under a second." + faster;
    QTest::newRow("slow-down at 1000: 11.955 s")
        << QStringList{"HScrollSpomaleni=1000"} << "HScrollSpomaleni" << "Slow-down: a run takes about 12 s." + faster;
    QTest::newRow("slow-down at its right end: 119.51 s")
        << QStringList{"HScrollSpomaleni=10000"} << "HScrollSpomaleni"
        << "Slow-down: a run takes about 2 min 0 s. Move left for a faster run.";
    QTest::newRow("the frequency bar at the start")
        << QStringList() << "HScrollKmitočet" << "Frequency bar. Wavelengths per slit spacing: 3.18 (frequency 20)";
    QTest::newRow("the read-out at 30")
        << QStringList{"HScrollKmitočet=10"} << "nRelKmitočet"
        << "4.78 wavelengths per slit spacing: the frequency, 30, divided by 6.28";
    QTest::newRow("the grating's bar") << QStringList{"op20", "HScrollKmitocet20=10"} << "HScrollKmitocet20"
                                       << "Frequency bar. Wavelengths per slit spacing: 2.39 (frequency 15)";
}

void TestParameterControls::uncaptionedControlsSayWhatTheySet()
{
    QFETCH(QStringList, actions);
    QFETCH(QString, control);
    QFETCH(QString, tip);
    for (const QString &action : actions)
        act(action);
    const auto *widget = window_->findChild<QWidget *>(control);
    QVERIFY(widget);
    QCOMPARE(widget->toolTip(), tip);
    // A screen reader hears the same.
    QCOMPARE(widget->accessibleDescription(), tip);
}

QTEST_MAIN(TestParameterControls)
#include "test_parameter_controls.moc"
