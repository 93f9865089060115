// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
// The window as designed: controls, start-up state, stacking, keyboard, exit.

#include "caption_fit.h"
#include "ink.h"
#include "paint_spy.h"
#include "try_wait.h"
#include "window_fixture.h"
#include "worked_values.h"

#include "title_bar.h"
#include "twips.h"

#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSet>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyleOptionButton>
#include <QTimer>

#include <memory>

using namespace korvane;
using korvane::test::control;

namespace {

// The label's box on the surface, as the design places it.
QRect labelBox()
{
    return twipsRect(labKlepnete.left, labKlepnete.top, labKlepnete.width, labKlepnete.height);
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void designOfControls_data();
    void designOfControls();
    void startUpState();
    void titleBarText_data();
    void titleBarText();
    void surfaceShowsOnlyTheLabelAtFirstShow();
    void captionsAreShownWhole_data();
    void captionsAreShownWhole();
    void stacking_data();
    void stacking();
    void tabOrder_data();
    void tabOrder();
    void buttonKeys_data();
    void buttonKeys();
    void exitEndsTheProgram_data();
    void exitEndsTheProgram();
    void resizingMovesNothing();
    void aboutBoxLeavesTheEventLoopFree();
    void rightPressIsTheMenus_data();
    void rightPressIsTheMenus();
    void drawingSurvivesCoveringTheWindow();
    void drawingShowsOnlyWhatChanged();
    void gratingPictureIsShown();
    void accessibleNames_data();
    void accessibleNames();
    void everyControlHasItsOwnAccessibleName();
    void darkSystemSchemeKeepsTheDesign_data();
    void darkSystemSchemeKeepsTheDesign();

private:
    std::unique_ptr<MainWindow> window_;
};

void TestMainWindow::initTestCase()
{
    test::useEnglishNumbers();
}

void TestMainWindow::init()
{
    window_ = test::openWindow();
}

void TestMainWindow::cleanup()
{
    window_.reset();
}

void TestMainWindow::designOfControls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("visible");

    struct Row {
        const char *name;
        QRect twips;
        QString caption;
        const char *family; // empty: not checked
        int pixelSize;
        bool bold;
        bool visible;
    };
    const Row rows[] = {
        {"nTitul", {3720, 0, 2535, 405}, "Korvane", "Liberation Serif", 19, true, true},
        {"cmdStart", {8880, 120, 855, 375}, "Start", "Liberation Serif", 19, false, true},
        {"cmdKonec", {9840, 120, 855, 375}, "Exit", "Liberation Serif", 19, false, true},
        {"HScrollSpomaleni", {6360, 120, 1935, 255}, "", "", 0, false, true},
        {"nKmitočet", {4560, 360, 615, 285}, "20", "", 0, false, false},
        {"nSpomaleni", {5640, 360, 1455, 285}, "1", "", 0, false, false},
        {"Picture1", {5400, 600, 5655, 2055}, "", "", 0, false, true},
        {"Picture2", {5520, 720, 5775, 2055}, "", "", 0, false, true},
        {"nNomKmitočet", {1440, 720, 2175, 615}, "Number of slits", "Liberation Sans", 13, false, true},
        {"op2", {120, 360, 495, 195}, "2", "Liberation Sans", 11, false, true},
        {"op3Dirky", {600, 360, 495, 195}, "3", "Liberation Sans", 11, false, true},
        {"op4Dírky", {1080, 360, 495, 195}, "4", "Liberation Sans", 11, false, true},
        {"op20", {1560, 360, 495, 195}, "20", "Liberation Sans", 11, false, true},
        {"nWavelenghts", {360, 2040, 3615, 285}, "Number of wavelengths per slits spacing ", "Liberation Sans", 12,
         false, true},
        {"nRelKmitočet", {4080, 2040, 615, 285}, test::workedReadOut(20), "Liberation Sans", 13, true, true},
        {"HScrollKmitočet", {1320, 2280, 2655, 255}, "", "", 0, false, true},
        {"HScrollKmitocet20", {1560, 2280, 2415, 255}, "", "", 0, false, false},
        {"nSměs", {5880, 2520, 1935, 285}, "equal mixture of R+G+B", "Liberation Sans", 11, false, true},
        {"nCornu", {2880, 2760, 2175, 285}, "Cornu spirals", "Liberation Sans", 16, false, true},
        {"nNdirek", {600, 3240, 1095, 285}, "4", "", 0, false, false},
        {"nMřížka", {6240, 8040, 2535, 405}, "diaphragm with grating", "Liberation Sans", 16, false, true},
    };
    for (const Row &row : rows) {
        QTest::newRow(row.name) << QString::fromUtf8(row.name) << row.twips << row.caption
                                << QString::fromLatin1(row.family) << row.pixelSize << row.bold << row.visible;
    }
}

void TestMainWindow::designOfControls()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    QFETCH(QString, caption);
    QFETCH(QString, family);
    QFETCH(int, pixelSize);
    QFETCH(bool, bold);
    QFETCH(bool, visible);

    QWidget *widget = control<QWidget>(*window_, name.toUtf8().constData());
    QCOMPARE(widget->geometry(), twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    QCOMPARE(widget->isVisible(), visible);

    QString shown;
    if (auto *box = qobject_cast<QLineEdit *>(widget))
        shown = box->text();
    else if (auto *button = qobject_cast<QAbstractButton *>(widget))
        shown = button->text();
    else if (auto *frame = qobject_cast<QGroupBox *>(widget))
        shown = frame->title();
    QCOMPARE(shown, caption);

    if (!family.isEmpty()) {
        const QFontInfo font(widget->font());
        QCOMPARE(font.family(), family);
        QCOMPARE(font.pixelSize(), pixelSize);
        QCOMPARE(font.bold(), bold);
    }
    if (auto *box = qobject_cast<QLineEdit *>(widget); box && visible) {
        QVERIFY(!box->hasFrame());
        QVERIFY(!box->isReadOnly());
        QCOMPARE(box->palette().color(QPalette::Base), DrawingSurface::kBackColour);
        QCOMPARE(box->alignment() & Qt::AlignHorizontal_Mask,
                 name == QStringLiteral("nRelKmitočet") ? Qt::AlignHCenter : Qt::AlignLeft);
    }
}

void TestMainWindow::startUpState()
{
    MainWindow &w = *window_;
    // The home page is the publisher's (a build option); the rows below pin
    // what each kind of build shows.
    QCOMPARE(w.windowTitle(), korvane::titleBarText());
    QCOMPARE(w.objectName(), QStringLiteral("Korvane"));
    QCOMPARE(w.size(), QSize(758, 571));
    QCOMPARE(w.palette().color(QPalette::Window), DrawingSurface::kBackColour);

    QVERIFY(control<QRadioButton>(w, "op4Dírky")->isChecked());
    for (const char *other : {"op2", "op3Dirky", "op20"})
        QVERIFY2(!control<QRadioButton>(w, other)->isChecked(), other);

    QCOMPARE(test::text(w, "nNdirek"), QStringLiteral("4"));
    QCOMPARE(test::text(w, "nKmitočet"), QStringLiteral("20"));
    QCOMPARE(test::text(w, "nSpomaleni"), QStringLiteral("1"));
    QCOMPARE(test::text(w, "nRelKmitočet"), test::workedReadOut(20));

    auto *bar = control<QScrollBar>(w, "HScrollKmitočet");
    auto *bar20 = control<QScrollBar>(w, "HScrollKmitocet20");
    auto *slowDown = control<QScrollBar>(w, "HScrollSpomaleni");
    QVERIFY(bar->isVisible());
    QCOMPARE(bar->value(), 0);
    QCOMPARE(bar->maximum(), 180);
    QVERIFY(!bar20->isVisible());
    QCOMPARE(bar20->value(), 0);
    QCOMPARE(bar20->maximum(), 10);
    QCOMPARE(slowDown->value(), 0);
    QCOMPARE(slowDown->maximum(), 10000);
    for (QScrollBar *b : {bar, bar20, slowDown}) {
        QCOMPARE(b->minimum(), 0);
        QCOMPARE(b->singleStep(), 1);
        QCOMPARE(b->pageStep(), 1);
    }

    QCOMPARE(QApplication::focusWidget(), control<QWidget>(w, "cmdStart"));
}

void TestMainWindow::titleBarText_data()
{
    QTest::addColumn<QString>("homePage");
    QTest::addColumn<QString>("title");
    QTest::newRow("no home page") << QString() << QStringLiteral("Korvane");
    QTest::newRow("home page") << QStringLiteral("https://example.org/korvane")
                               << QStringLiteral("Korvane - https://example.org/korvane");
}

void TestMainWindow::titleBarText()
{
    QFETCH(QString, homePage);
    QFETCH(QString, title);
    QCOMPARE(korvane::titleBarText(homePage), title);
}

void TestMainWindow::surfaceShowsOnlyTheLabelAtFirstShow()
{
    const QRect label = labelBox();
    int inkInLabel = 0;
    for (const QPoint &p : test::inkIn(window_->surface(), QRect(QPoint(), DrawingSurface::kLogicalSize))) {
        if (!label.contains(p))
            QFAIL(qPrintable(QStringLiteral("drawn at start-up: pixel %1,%2").arg(p.x()).arg(p.y())));
        ++inkInLabel;
    }
    QVERIFY2(inkInLabel > 200, "the label's caption is not on the surface");
    // The start-up selection did draw its strip before the window was shown.
    QCOMPARE(test::stripsDrawn(*window_), 1u);
}

void TestMainWindow::captionsAreShownWhole_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : korvane::test::kCaptionedControls)
        QTest::newRow(name) << QString::fromUtf8(name);
    QTest::newRow("labKlepnete") << QString();
}

void TestMainWindow::captionsAreShownWhole()
{
    QFETCH(QString, name);
    const QString cut = name.isEmpty()
                            ? korvane::test::labelCut(QString::fromLatin1(labKlepnete.caption))
                            : korvane::test::captionCut(control<QWidget>(*window_, name.toUtf8().constData()));
    QVERIFY2(cut.isEmpty(), qPrintable(cut));
}

void TestMainWindow::stacking_data()
{
    QTest::addColumn<QPoint>("twips");
    QTest::addColumn<QString>("onTop");

    QTest::newRow("Picture2 covers Picture1") << QPoint(6000, 1500) << "Picture2";
    QTest::newRow("L-band of Picture1, top") << QPoint(6000, 650) << "Picture1";
    QTest::newRow("L-band of Picture1, left") << QPoint(5450, 1500) << "Picture1";
    QTest::newRow("nSměs in front of Picture2") << QPoint(6000, 2650) << "nSměs";
    QTest::newRow("caption row over the top of the bar") << QPoint(2000, 2300) << "nWavelenghts";
    QTest::newRow("bar below the caption row") << QPoint(2000, 2450) << "HScrollKmitočet";
    QTest::newRow("hidden store nNdirek is not there") << QPoint(1000, 3380) << "";
    QTest::newRow("hidden store nKmitočet is not there") << QPoint(4700, 500) << "";
    QTest::newRow("label is no widget") << QPoint(4000, 4300) << "";
}

void TestMainWindow::stacking()
{
    QFETCH(QPoint, twips);
    QFETCH(QString, onTop);
    QWidget *hit = window_->childAt(test::pixelOf(twips.x(), twips.y()));
    if (onTop.isEmpty())
        QVERIFY2(hit == &window_->surface(), qPrintable(hit ? hit->objectName() : QStringLiteral("nothing")));
    else
        QCOMPARE(hit ? hit->objectName() : QString(), onTop);
}

void TestMainWindow::tabOrder_data()
{
    QTest::addColumn<QString>("select");
    QTest::addColumn<QStringList>("order");
    const QStringList head{"cmdStart", "cmdKonec", "nTitul", "nCornu", "nMřížka"};
    const QStringList tail{"nRelKmitočet", "Picture1", "Picture2", "nSměs", "nWavelenghts"};
    QTest::newRow("start-up, 4 slits") << QString() << head + QStringList{"HScrollKmitočet", "HScrollSpomaleni", "op4Dírky"} + tail;
    QTest::newRow("2 slits") << "op2" << head + QStringList{"HScrollKmitočet", "op2", "HScrollSpomaleni"} + tail;
    QTest::newRow("3 slits") << "op3Dirky" << head + QStringList{"HScrollKmitočet", "HScrollSpomaleni", "op3Dirky"} + tail;
    QTest::newRow("20 slits") << "op20" << head + QStringList{"op20", "HScrollKmitocet20", "HScrollSpomaleni"} + tail;
}

void TestMainWindow::tabOrder()
{
    QFETCH(QString, select);
    QFETCH(QStringList, order);
    if (!select.isEmpty())
        QTest::mouseClick(control<QRadioButton>(*window_, select.toUtf8().constData()), Qt::LeftButton);
    control<QWidget>(*window_, "cmdStart")->setFocus();

    QStringList visited;
    for (int i = 0; i < order.size(); ++i) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(visited, order);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdStart"));
}

void TestMainWindow::buttonKeys_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("started");
    QTest::addColumn<bool>("closed");

    QTest::newRow("Enter on Start") << "cmdStart" << int(Qt::Key_Return) << true << false;
    QTest::newRow("keypad Enter on Start") << "cmdStart" << int(Qt::Key_Enter) << true << false;
    QTest::newRow("Space on Start") << "cmdStart" << int(Qt::Key_Space) << true << false;
    QTest::newRow("Esc on Start") << "cmdStart" << int(Qt::Key_Escape) << false << false;
    QTest::newRow("Enter on Exit") << "cmdKonec" << int(Qt::Key_Return) << false << true;
    QTest::newRow("Space on Exit") << "cmdKonec" << int(Qt::Key_Space) << false << true;
    QTest::newRow("Esc on Exit") << "cmdKonec" << int(Qt::Key_Escape) << false << false;
    QTest::newRow("Enter on a text box") << "nRelKmitočet" << int(Qt::Key_Return) << false << false;
}

void TestMainWindow::buttonKeys()
{
    QFETCH(QString, button);
    QFETCH(int, key);
    QFETCH(bool, started);
    QFETCH(bool, closed);

    QSignalSpy startSpy(window_.get(), &MainWindow::runFinished);
    QWidget *target = control<QWidget>(*window_, button.toUtf8().constData());
    target->setFocus();
    QTest::keyClick(target, Qt::Key(key));
    QVERIFY(test::waitForRunEnd(*window_));
    QCOMPARE(startSpy.count(), started ? 1 : 0);
    QCOMPARE(window_->isVisible(), !closed);
}

void TestMainWindow::exitEndsTheProgram_data()
{
    QTest::addColumn<bool>("byButton");
    QTest::newRow("Exit button") << true;
    QTest::newRow("close through the window frame") << false;
}

void TestMainWindow::exitEndsTheProgram()
{
    QFETCH(bool, byButton);
    // The program ends when its event loop does: run one and see it return.
    QVERIFY(test::programEndsAfter(*window_, [this, byButton] {
        if (byButton)
            QTest::mouseClick(control<QPushButton>(*window_, "cmdKonec"), Qt::LeftButton);
        else
            window_->close();
    }));
    QVERIFY(!window_->isVisible());
}

void TestMainWindow::aboutBoxLeavesTheEventLoopFree()
{
    // A browser's page cannot wait in a loop of its own: F1 opens the box and
    // comes back at once (an exec() would never come back here).
    QTest::keyClick(window_.get(), Qt::Key_F1);
    const QPointer<QMessageBox> box = window_->findChild<QMessageBox *>();
    QVERIFY(box);
    QVERIFY(box->isVisible());
    QVERIFY(box->isModal());
    QCOMPARE(box->windowTitle(), QStringLiteral("About Korvane"));
    QVERIFY(box->text().contains(QStringLiteral("GPL-3.0-or-later")));
    QVERIFY(!box->iconPixmap().isNull());
    box->button(QMessageBox::Ok)->click();
    KORVANE_TRY_VERIFY(box.isNull());
    // Keys go to the window again, with no click needed to wake it (a
    // browser's page has no window manager to hand it back).
    KORVANE_TRY_COMPARE(QApplication::activeWindow(), window_.get());
}

void TestMainWindow::rightPressIsTheMenus_data()
{
    QTest::addColumn<QPoint>("twips");
    QTest::addColumn<QString>("menu");

    QTest::newRow("drawing area") << QPoint(4000, 4300) << "windowMenu";
    QTest::newRow("Start button") << QPoint(9000, 300) << "windowMenu";
    QTest::newRow("slit choice") << QPoint(1200, 450) << "windowMenu";
    QTest::newRow("frequency bar") << QPoint(2000, 2450) << "windowMenu";
    QTest::newRow("caption") << QPoint(2000, 900) << "windowMenu";
    QTest::newRow("text box answers with its own") << QPoint(6000, 2650) << "qt_edit_menu";
}

void TestMainWindow::rightPressIsTheMenus()
{
    // The browser's Qt closes every popup after a press that nobody took:
    // the press that opened the menu must be taken, wherever it lands.
    QFETCH(QPoint, twips);
    QFETCH(QString, menu);
    const QPoint at = test::pixelOf(twips.x(), twips.y());
    QWidget *hit = window_->childAt(at);
    QVERIFY(hit);
    const QPoint local = hit->mapFrom(window_.get(), at);
    QMouseEvent press(QEvent::MouseButtonPress, local, hit->mapToGlobal(local), Qt::RightButton, Qt::RightButton,
                      Qt::NoModifier);
    press.ignore();
    QApplication::sendEvent(hit, &press);
    QVERIFY(press.isAccepted());

    QTest::mousePress(window_->windowHandle(), Qt::RightButton, {}, at);
    QWidget *popup = QApplication::activePopupWidget();
    QVERIFY(popup);
    QCOMPARE(popup->objectName(), menu);
    popup->close();
    QTest::mouseRelease(window_->windowHandle(), Qt::RightButton, {}, at);
}

void TestMainWindow::resizingMovesNothing()
{
    QList<QRect> before;
    const QList<QWidget *> children = window_->findChildren<QWidget *>();
    for (const QWidget *child : children)
        before << child->geometry();

    window_->resize(1100, 900);
    KORVANE_TRY_COMPARE(window_->size(), QSize(1100, 900));
    for (qsizetype i = 0; i < children.size(); ++i)
        QCOMPARE(children[i]->geometry(), before[i]);
    const QImage shown = window_->grab().toImage();
    QCOMPARE(shown.pixelColor(1050, 850), DrawingSurface::kBackColour);

    window_->resize(400, 300);
    KORVANE_TRY_COMPARE(window_->size(), QSize(400, 300));
    for (qsizetype i = 0; i < children.size(); ++i)
        QCOMPARE(children[i]->geometry(), before[i]);
}

void TestMainWindow::drawingSurvivesCoveringTheWindow()
{
    DrawingSurface &surface = window_->surface();
    surface.line(3000, 5000, 6000, 5000); // under nothing but the surface
    window_->hide();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    const QImage shown = window_->grab().toImage();
    QCOMPARE(shown.pixelColor(300, 333), surface.foregroundColour());
    QCOMPARE(shown.pixelColor(300, 340), DrawingSurface::kBackColour);
}

void TestMainWindow::drawingShowsOnlyWhatChanged()
{
    DrawingSurface &surface = window_->surface();
    QCoreApplication::processEvents();
    test::PaintSpy spy(surface);

    // Drawn by a handler, shown once it has returned to the event loop.
    surface.line(3000, 6000, 4500, 6000);
    KORVANE_TRY_VERIFY(spy.painted.contains(QPoint(250, 400)));
    QVERIFY(!spy.painted.contains(QPoint(600, 100))); // only the changed region
}

void TestMainWindow::gratingPictureIsShown()
{
    auto *picture = control<QLabel>(*window_, "Picture2");
    const QImage shown = picture->grab().toImage();
    QCOMPARE(shown.size(), QSize(385, 137));
    QCOMPARE(shown.pixelColor(0, 0), QColor(191, 192, 191));
    QCOMPARE(shown.pixelColor(200, 125), QColor(255, 255, 255)); // incoming light
    QCOMPARE(shown.pixelColor(100, 54), QColor(31, 24, 16));     // screen bar
    // Clipped by the box: the image's last columns are not shown, and the
    // rows below the image show the box's grey.
    QCOMPARE(shown.pixelColor(384, 54), QColor(31, 24, 16));
    QCOMPARE(shown.pixelColor(100, 136), DrawingSurface::kBackColour);
}

void TestMainWindow::accessibleNames_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::newRow("slow-down bar") << "HScrollSpomaleni" << "Slow-down factor";
    QTest::newRow("frequency bar, 2 to 4 slits") << "HScrollKmitočet" << "Frequency, for 2 to 4 slits";
    QTest::newRow("frequency bar, 20 slits") << "HScrollKmitocet20" << "Frequency, for 20 slits";
    QTest::newRow("option 2") << "op2" << "2 slits";
    QTest::newRow("look-out") << "lookOut" << "Look-out";
    QTest::newRow("orders' marks") << "orderMarks" << "Orders of the grating equation";
    QTest::newRow("option 20") << "op20" << "20 slits, a grating";
    QTest::newRow("read-out") << "nRelKmitočet" << "Number of wavelengths per slit spacing";
    QTest::newRow("grating picture") << "Picture2" << "Grating picture";
    QTest::newRow("Start") << "cmdStart" << "Start";
}

void TestMainWindow::accessibleNames()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    // Asked as a screen reader asks: through the accessibility interface.
    QAccessibleInterface *item = QAccessible::queryAccessibleInterface(
        test::control<QWidget>(*window_, control.toUtf8().constData()));
    QVERIFY(item);
    QCOMPARE(item->text(QAccessible::Name), name);
}

void TestMainWindow::everyControlHasItsOwnAccessibleName()
{
    QSet<QString> names;
    const QList<QWidget *> widgets = window_->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        if (widget->objectName().startsWith(QLatin1String("qt_")))
            continue; // the toolkit's own parts of a control
        const QString name = QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
        QVERIFY2(!name.isEmpty(), widget->metaObject()->className());
        QVERIFY2(!names.contains(name), qPrintable(name));
        names.insert(name);
    }
    // 21 controls, the drawing surface, the window menu, the look-out, its
    // column's marker, the orders' marks, the far-field curve, the kept
    // profiles and the pause's note
    QCOMPARE(names.size(), 29);
    QVERIFY(!QAccessible::queryAccessibleInterface(control<QWidget>(*window_, "Picture2"))
                 ->text(QAccessible::Description)
                 .isEmpty());
}

void TestMainWindow::darkSystemSchemeKeepsTheDesign_data()
{
    QTest::addColumn<bool>("beforeStart");
    QTest::newRow("dark scheme when the program starts") << true;
    QTest::newRow("dark scheme switched on while it runs") << false;
}

void TestMainWindow::darkSystemSchemeKeepsTheDesign()
{
    QFETCH(bool, beforeStart);
    const auto finishedPicture = [](MainWindow &w) {
        if (!test::runToEnd(w))
            qFatal("the run never ended");
        return w.surface().image().copy();
    };
    const QImage standard = finishedPicture(*window_);

    // Near-white text on near-black, as a dark desktop scheme sets it.
    const QPalette system = QApplication::palette();
    QPalette dark(QColor(0x31, 0x36, 0x3b), QColor(0x23, 0x26, 0x29));
    dark.setColor(QPalette::WindowText, QColor(0xfc, 0xfc, 0xfc));
    dark.setColor(QPalette::Text, QColor(0xfc, 0xfc, 0xfc));
    dark.setColor(QPalette::ButtonText, QColor(0xfc, 0xfc, 0xfc));
    dark.setColor(QPalette::Base, QColor(0x1b, 0x1e, 0x20));
    if (beforeStart) {
        window_.reset();
        QApplication::setPalette(dark);
        window_ = test::openWindow();
    } else {
        QApplication::setPalette(dark);
        QCoreApplication::processEvents();
    }
    const auto restore = qScopeGuard([&] { QApplication::setPalette(system); });

    MainWindow &w = *window_;
    QCOMPARE(w.surface().foregroundColour(), QColor(Qt::black));
    for (const char *box : {"nTitul", "nWavelenghts", "nRelKmitočet", "nSměs", "nCornu", "nMřížka"})
        QVERIFY2(control<QLineEdit>(w, box)->palette().color(QPalette::Text) == Qt::black, box);
    for (const char *caption : {"nNomKmitočet", "op2", "op20"})
        QVERIFY2(control<QWidget>(w, caption)->palette().color(QPalette::WindowText) == Qt::black, caption);
    QCOMPARE(control<QPushButton>(w, "cmdStart")->palette().color(QPalette::ButtonText), QColor(Qt::black));
    QCOMPARE(control<QPushButton>(w, "cmdStart")->palette().color(QPalette::Button),
             QApplication::style()->standardPalette().color(QPalette::Button));
    QVERIFY(finishedPicture(w) == standard);
}

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
