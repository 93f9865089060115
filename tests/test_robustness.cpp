// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
// Thousands of random user actions on the real window, its state checked after
// every one. The handlers talk to each other only through the controls' texts
// and states, so a fault shows as controls that disagree after some unusual
// sequence. A failure names the seed and the action; to replay it:
//   KORVANE_SEED=<seed> KORVANE_ACTIONS=<count> test_robustness randomActions

#include "run_picture.h"
#include "window_fixture.h"
#include "worked_values.h"

#include "locale_text.h"
#include "run_conductor.h"
#include "wave_strip.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSet>
#include <QStyle>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <random>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

using namespace korvane;
using SC = QStyle::SubControl;
using korvane::test::scrollBarPart;

namespace {

constexpr quint64 kDotsPerStrip = 5001;

// A crash leaves QtTest no chance to say which action caused it, so every
// action keeps this note current; the signal handler and the sanitizers' last
// words write it out, and the signal goes on to whoever handled it before.
char crashNote[640];
std::size_t crashNoteLength = 0;
QString crashPrefix; // the seed and the action under way

void writeCrashNote()
{
#ifdef _WIN32
    [[maybe_unused]] const int written = _write(2, crashNote, static_cast<unsigned int>(crashNoteLength));
#else
    [[maybe_unused]] const ssize_t written = write(STDERR_FILENO, crashNote, crashNoteLength);
#endif
}

#ifdef _WIN32
// Windows has only the C library's signal(), and no handler that a
// sanitizer installed before us.
using SignalHandler = void (*)(int);
SignalHandler previousSegv = SIG_DFL, previousAbort = SIG_DFL;

void onFatalSignal(int signal)
{
    writeCrashNote();
    std::signal(signal, signal == SIGSEGV ? previousSegv : previousAbort);
    std::raise(signal);
}

void catchFatalSignals()
{
    previousSegv = std::signal(SIGSEGV, onFatalSignal);
    previousAbort = std::signal(SIGABRT, onFatalSignal);
}
#else
struct sigaction previousSegv, previousAbort;

void onFatalSignal(int signal)
{
    writeCrashNote();
    sigaction(signal, signal == SIGSEGV ? &previousSegv : &previousAbort, nullptr);
    raise(signal);
}

void catchFatalSignals()
{
    struct sigaction action {};
    action.sa_handler = onFatalSignal;
    sigaction(SIGSEGV, &action, &previousSegv);
    sigaction(SIGABRT, &action, &previousAbort);
}
#endif

void setCrashNote(const QString &what)
{
    const QByteArray note = (crashPrefix + QStringLiteral(" (") + what + QStringLiteral(")\n")).toUtf8();
    crashNoteLength = 0;
    const std::size_t length = std::min(std::size_t(note.size()), sizeof crashNote);
    std::memcpy(crashNote, note.constData(), length);
    crashNoteLength = length;
}

// "%1 at %2" filled with anything QDebug prints.
template<typename... Values>
QString describe(const char *format, const Values &...values)
{
    QString result = QString::fromUtf8(format);
    const auto put = [&result](const auto &value) {
        QString shown;
        QDebug(&shown).noquote().nospace() << value;
        result = result.arg(shown);
    };
    (put(values), ...);
    return result;
}

QString name(const QObject *object)
{
    return object ? object->objectName() : QStringLiteral("nothing");
}

// Plain modulo on the engine's output, so a seed replays the same actions
// whatever standard library the test is built with.
class Dice
{
public:
    explicit Dice(quint64 seed = 0) : engine_(seed) {}
    int between(int low, int high) { return low + int(engine_() % (quint64(high - low) + 1)); }
    bool percent(int chance) { return between(1, 100) <= chance; }
    template<typename T, std::size_t N>
    T oneOf(const T (&choices)[N]) { return choices[std::size_t(between(0, int(N) - 1))]; }

private:
    std::mt19937_64 engine_;
};

// The read-out the program should show for a frequency, by its own formatting.
QString readOutFor(int frequency)
{
    const QLineEdit store(wholeNumberQText(frequency));
    QLineEdit readOut;
    ShowRelativeFrequency(store, readOut, "#.##");
    return readOut.text();
}

// Where two pictures differ within a region; nothing when they agree there.
QString difference(const QImage &a, const QImage &b, const QRegion &where)
{
    QRect box;
    QPoint first;
    for (const QRect &rect : where)
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                if ((a.pixel(x, y) ^ b.pixel(x, y)) & 0xFFFFFFu) {
                    first = box.isNull() ? QPoint(x, y) : first;
                    box |= QRect(x, y, 1, 1);
                }
    if (box.isNull())
        return {};
    const auto colour = [](QRgb rgb) { return QStringLiteral("#%1").arg(rgb & 0xFFFFFFu, 6, 16, QLatin1Char('0')); };
    return describe("within %1, first at %2: %3 against %4", box, first, colour(a.pixel(first)),
                    colour(b.pixel(first)));
}

} // namespace

class TestRobustness : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void readOutOracleAgreesWithWorkedValues();
    void everyActionKindInTurn();
    void randomActions();

private:
    // One action as it happens: what was done, and what it lets change.
    struct Step {
        QString what;
        QString error;                  // the action itself could not be done
        QLineEdit *typedInto = nullptr; // a text box whose text may change,
        std::optional<QString> typed;   // to this text when that is known
        bool start = false;             // exactly one run must have happened
        bool exposed = false;           // the window was covered, hidden or minimised
        void say(const QString &more)
        {
            what += (what.isEmpty() ? QString() : QStringLiteral("; ")) + more;
            setCrashNote(what);
        }
    };
    struct Action {
        const char *name;
        int weight;
        std::function<void(Step &)> perform;
    };
    // What the program's state is checked against, reset with each window.
    struct Model {
        QHash<QWidget *, QRect> design;
        QHash<QLineEdit *, QString> captions; // what each visible text box holds
        bool readOutTyped = false;            // typed into since the program last wrote it
        bool twentySeen = false;
        QSet<QScrollBar *> shownByAction; // a selection showed it during this action
        quint64 selections = 0, frequencyChanges = 0, commits = 0, runs = 0, repeatedRuns = 0;
        QHash<QString, std::pair<size_t, int>> pictures; // per parameters: hash, action that made it
        QString pictureError;
    };
    struct Before {
        quint64 dots, selections, frequencyChanges, runs;
        int bar, bar20, slowDown;
        QString readOut;
    };

    std::vector<Action> actions();
    QString perform(const Action &action, int number);
    QString brokenInvariant(const Before &before, const Step &step);
    QString shownDiffersFromImage();
    void onRunFinished();
    Before now()
    {
        return {window_->surface().circlesDrawn(), model_.selections, model_.frequencyChanges, model_.runs,
                c().HScrollKmitočet->value(), c().HScrollKmitocet20->value(), c().HScrollSpomaleni->value(),
                c().nRelKmitočet->text()};
    }

    Controls &c() { return window_->controls(); }
    QScrollBar *frequencyBar() { return c().op20->isChecked() ? c().HScrollKmitocet20 : c().HScrollKmitočet; }
    void settle()
    {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }
    QWidget *reach(QWidget *widget, QPoint &at, Step &step);
    void click(QWidget *widget, QPoint at, Step &step);
    void drag(QScrollBar *bar, int toX, int dy, Step &step);
    void key(Qt::Key key, Step &step, Qt::KeyboardModifiers modifiers = {});
    bool tabTo(QWidget *target, Step &step);
    bool readyToStart(Step &step);
    void start(Step &step, std::optional<Qt::Key> byKey);
    void pressKey(Step &step);
    void typeText(Step &step);
    void coverAndExpose(Step &step);

    quint64 seed_ = 1906;
    quint64 actionCount_ = 2000;
    int actionNumber_ = 0;
    QLocale locale_;
    Dice dice_;
    std::unique_ptr<MainWindow> window_;
    Model model_;
    QHash<int, QString> readOuts_;
};

void TestRobustness::initTestCase()
{
    seed_ = qEnvironmentVariable("KORVANE_SEED", QString::number(seed_)).toULongLong();
    actionCount_ = qEnvironmentVariable("KORVANE_ACTIONS", QString::number(actionCount_)).toULongLong();
    // The read-out's separator is the user's: the seed picks whose.
    locale_ = test::kUsers[seed_ % std::size(test::kUsers)].qlocale();
    qInfo("seed %llu, %llu actions, locale %s (KORVANE_SEED and KORVANE_ACTIONS override)", seed_, actionCount_,
          qPrintable(locale_.name()));

    catchFatalSignals();
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_set_death_callback(writeCrashNote);
#endif
}

void TestRobustness::init()
{
    QLocale::setDefault(locale_);
    readOuts_.clear();
    dice_ = Dice(seed_);
    window_ = test::openWindow();
    // The layers over the picture move with what they show; the rest stays put.
    static const QStringList overlays{"farField", "lookOut", "lookOutColumn", "orderMarks", "pauseHint"};
    for (QWidget *child : window_->findChildren<QWidget *>())
        if (!overlays.contains(child->objectName()))
            model_.design.insert(child, child->geometry());
    for (QLineEdit *box : {c().nTitul, c().nWavelenghts, c().nSměs, c().nCornu, c().nMřížka})
        model_.captions.insert(box, box->text());
    for (QRadioButton *option : {c().op2, c().op3Dirky, c().op4Dírky, c().op20})
        connect(option, &QRadioButton::toggled, this, [this, option](bool on) {
            if (!on)
                return;
            ++model_.selections;
            model_.twentySeen |= option == c().op20;
            model_.shownByAction.insert(option == c().op20 ? c().HScrollKmitocet20 : c().HScrollKmitočet);
        });
    for (QScrollBar *bar : {c().HScrollKmitočet, c().HScrollKmitocet20, c().HScrollSpomaleni})
        connect(bar, &QScrollBar::valueChanged, this, [this, bar] {
            ++model_.commits;
            model_.frequencyChanges += bar == c().HScrollSpomaleni ? 0u : 1u;
        });
    connect(window_.get(), &MainWindow::runFinished, this, &TestRobustness::onRunFinished);
}

void TestRobustness::cleanup()
{
    window_.reset();
    model_ = {};
}

void TestRobustness::readOutOracleAgreesWithWorkedValues()
{
    // The checks take the expected read-out from the program's own formatting;
    // these are worked by hand.
    for (const test::User &user : test::kUsers) {
        QLocale::setDefault(user.qlocale());
        for (const test::WorkedReadOut &w : test::kWorkedReadOuts)
            QCOMPARE(readOutFor(w.frequency), test::withSeparator(w.hashes, user.separator));
    }
}

void TestRobustness::everyActionKindInTurn()
{
    // Whatever the seed, each kind of action follows each other kind at least once.
    const std::vector<Action> table = actions();
    int number = 0;
    for (int round = 0; round < 3; ++round)
        for (const Action &action : table)
            if (const QString broken = perform(action, ++number); !broken.isEmpty())
                QFAIL(qPrintable(broken));
}

void TestRobustness::randomActions()
{
    QString broken = brokenInvariant(now(), Step{});
    QVERIFY2(broken.isEmpty(), qPrintable(describe("seed %1, at start-up: %2", seed_, broken)));
    const std::vector<Action> table = actions();
    int totalWeight = 0;
    for (const Action &action : table)
        totalWeight += action.weight;
    for (int number = 1; quint64(number) <= actionCount_; ++number) {
        int roll = dice_.between(1, totalWeight);
        auto action = table.begin();
        while (roll > action->weight)
            roll -= (action++)->weight;
        if (broken = perform(*action, number); !broken.isEmpty())
            QFAIL(qPrintable(broken));
    }
    qInfo("%llu runs, %llu of them with parameters seen before", model_.runs, model_.repeatedRuns);

    Step exit;
    QVERIFY(test::programEndsAfter(*window_, [&] { click(c().cmdKonec, c().cmdKonec->rect().center(), exit); }));
    QVERIFY(!window_->isVisible());
}

std::vector<TestRobustness::Action> TestRobustness::actions()
{
    const auto anyBar = [this] { return dice_.percent(60) ? frequencyBar() : c().HScrollSpomaleni; };
    const auto pointIn = [this](QRect r) {
        return QPoint(dice_.between(r.left(), r.right()), r.center().y() + dice_.between(-3, 3));
    };
    return {
        {"click an option button", 7, [this](Step &step) {
             click(dice_.oneOf({c().op2, c().op3Dirky, c().op4Dírky, c().op20}),
                   QPoint(dice_.between(3, 9), dice_.between(3, 9)), step);
         }},
        {"choose an option by keyboard", 5, [this](Step &step) {
             // Tab reaches only the selected button; the arrows move the selection.
             QRadioButton *selected = c().op2;
             for (QRadioButton *option : {c().op3Dirky, c().op4Dírky, c().op20})
                 selected = option->isChecked() ? option : selected;
             if (tabTo(selected, step))
                 for (int n = dice_.between(1, 3); n > 0; --n)
                     key(dice_.oneOf({Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Space}), step);
         }},
        {"click a bar's arrow", 14, [this, anyBar, pointIn](Step &step) {
             QScrollBar *bar = anyBar();
             click(bar, pointIn(scrollBarPart(bar, dice_.percent(50) ? SC::SC_ScrollBarAddLine : SC::SC_ScrollBarSubLine)),
                   step);
         }},
        {"click a bar's trough", 10, [this, anyBar, pointIn](Step &step) {
             QScrollBar *bar = anyBar();
             const bool right = dice_.percent(50);
             QRect trough = scrollBarPart(bar, right ? SC::SC_ScrollBarAddPage : SC::SC_ScrollBarSubPage);
             if (trough.isEmpty()) // at an end of the bar only one side is left
                 trough = scrollBarPart(bar, right ? SC::SC_ScrollBarSubPage : SC::SC_ScrollBarAddPage);
             click(bar, pointIn(trough), step);
         }},
        {"click where the hidden bar lies", 3, [this](Step &step) {
             QScrollBar *hidden = c().op20->isChecked() ? c().HScrollKmitočet : c().HScrollKmitocet20;
             click(hidden, scrollBarPart(hidden, dice_.oneOf({SC::SC_ScrollBarAddLine, SC::SC_ScrollBarSubLine,
                                                      SC::SC_ScrollBarAddPage, SC::SC_ScrollBarSlider})).center(),
                   step);
         }},
        {"drag a bar's thumb", 12, [this, anyBar](Step &step) {
             QScrollBar *bar = anyBar();
             drag(bar, dice_.between(-40, bar->width() + 40), dice_.percent(80) ? 0 : dice_.between(-40, 40), step);
         }},
        {"press a key", 24, [this](Step &step) { pressKey(step); }},
        {"type into a text box", 9, [this](Step &step) { typeText(step); }},
        {"resize the window", 4, [this](Step &step) {
             const int kind = dice_.between(0, 2);
             const QSize size = kind == 0   ? QSize(dice_.between(60, 400), dice_.between(40, 300))
                                : kind == 1 ? QSize(dice_.between(600, 900), dice_.between(450, 700))
                                            : QSize(dice_.between(900, 1800), dice_.between(700, 1300));
             step.say(describe("to %1", size));
             window_->resize(size);
         }},
        {"start a run", 3, [this](Step &step) {
             const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space};
             start(step, dice_.percent(70) ? std::nullopt : std::optional(dice_.oneOf(keys)));
         }},
        {"cover and expose the window", 2, [this](Step &step) { coverAndExpose(step); }},
    };
}

QString TestRobustness::perform(const Action &action, int number)
{
    Step step;
    actionNumber_ = number;
    crashPrefix = describe("test_robustness: seed %1, action %2, %3", seed_, number, action.name);
    setCrashNote({});
    const Before before = now();
    model_.shownByAction.clear();
    action.perform(step);
    settle();
    QString broken = step.error.isEmpty() ? brokenInvariant(before, step) : step.error;
    if (broken.isEmpty() && (step.exposed || number % 100 == 0))
        broken = shownDiffersFromImage();
    if (broken.isEmpty())
        return {};
    return describe("seed %1, action %2, %3 (%4): %5", seed_, number, action.name, step.what, broken);
}

QString TestRobustness::brokenInvariant(const Before &before, const Step &step)
{
    Controls &c = this->c();
    DrawingSurface &surface = window_->surface();
    if (window_->conductor().running())
        return QStringLiteral("a run is still going on");
    if (!model_.pictureError.isEmpty())
        return std::exchange(model_.pictureError, QString());
    const quint64 runs = model_.runs - before.runs;
    if (runs != (step.start ? 1u : 0u))
        return describe("%1 runs happened, %2 expected", runs, step.start ? 1 : 0);
    if (runs && (surface.lineWidth() != 1 || surface.fillStyle() != DrawingSurface::FillStyle::Solid))
        return describe("after the run the line width is %1 and the fill style %2", surface.lineWidth(),
                        surface.fillStyle() == DrawingSurface::FillStyle::Solid ? "solid" : "transparent");

    QList<QRadioButton *> selected;
    for (QRadioButton *option : {c.op2, c.op3Dirky, c.op4Dírky, c.op20})
        if (option->isChecked())
            selected << option;
    if (selected.size() != 1)
        return describe("%1 option buttons are selected", selected.size());
    QRadioButton *option = selected.first();
    const bool twenty = option == c.op20;
    QScrollBar *bar = twenty ? c.HScrollKmitocet20 : c.HScrollKmitočet;
    QScrollBar *otherBar = twenty ? c.HScrollKmitočet : c.HScrollKmitocet20;
    if (bar->isHidden() || !otherBar->isHidden())
        return describe("with %1 selected, %2 is %3 and %4 is %5", name(option), name(bar),
                        bar->isHidden() ? "hidden" : "shown", name(otherBar),
                        otherBar->isHidden() ? "hidden" : "shown");
    if (c.nNdirek->text() != option->text())
        return describe("nNdirek holds \"%1\" with %2 selected", c.nNdirek->text(), name(option));

    const struct {
        QScrollBar *bar;
        int maximum, before;
    } bars[] = {{c.HScrollKmitočet, 180, before.bar},
                {c.HScrollKmitocet20, model_.twentySeen ? 40 : 10, before.bar20},
                {c.HScrollSpomaleni, 10000, before.slowDown}};
    for (const auto &b : bars) {
        if (b.bar->minimum() != 0 || b.bar->maximum() != b.maximum || b.bar->value() > b.maximum || b.bar->value() < 0)
            return describe("%1 is at %2 in %3..%4; 0..%5 expected", name(b.bar), b.bar->value(), b.bar->minimum(),
                            b.bar->maximum(), b.maximum);
        if (b.bar->isHidden() && !model_.shownByAction.contains(b.bar) && b.bar->value() != b.before)
            return describe("the hidden %1 moved from %2 to %3", name(b.bar), b.before, b.bar->value());
    }

    const int f = bar->value() + (twenty ? 5 : 20);
    if (c.nKmitočet->text() != wholeNumberQText(f))
        return describe("nKmitočet holds \"%1\" with %2 at %3", c.nKmitočet->text(), name(bar), bar->value());
    if (c.nSpomaleni->text() != wholeNumberQText(3 * c.HScrollSpomaleni->value() + 1))
        return describe("nSpomaleni holds \"%1\" with the slow-down bar at %2", c.nSpomaleni->text(),
                        c.HScrollSpomaleni->value());

    // Each selection and each committed frequency change draws the strip once.
    const quint64 dots = surface.circlesDrawn() - before.dots;
    const quint64 strips = model_.selections - before.selections + model_.frequencyChanges - before.frequencyChanges;
    if (!runs && dots != strips * kDotsPerStrip)
        return describe("%1 dots drawn for %2 selections and frequency changes; a strip is %3 dots", dots, strips,
                        kDotsPerStrip);

    // Whatever draws writes the read-out; what is typed into it stays until then.
    const QString readOut = c.nRelKmitočet->text();
    if (!readOuts_.contains(f))
        readOuts_.insert(f, readOutFor(f));
    const QString expected = readOuts_.value(f);
    if (dots > 0 && readOut != expected)
        return describe("the read-out shows \"%1\" after drawing for f = %2; \"%3\" expected", readOut, f, expected);
    if (dots == 0 && step.typedInto != c.nRelKmitočet && readOut != before.readOut)
        return describe("the read-out went from \"%1\" to \"%2\" with nothing drawn or typed", before.readOut, readOut);
    if (dots == 0 && step.typedInto == c.nRelKmitočet && step.typed && readOut != *step.typed)
        return describe("the read-out holds \"%1\" after typing; \"%2\" expected", readOut, *step.typed);
    model_.readOutTyped = dots == 0 && (model_.readOutTyped || readOut != before.readOut);
    if (!model_.readOutTyped && readOut != expected)
        return describe("the read-out shows \"%1\", untouched since written for f = %2; \"%3\" expected", readOut, f,
                        expected);

    for (auto box = model_.captions.begin(); box != model_.captions.end(); ++box) {
        if (box.key() == step.typedInto)
            *box = step.typed.value_or(box.key()->text());
        if (box.key()->text() != *box)
            return describe("%1 holds \"%2\"; \"%3\" expected", name(box.key()), box.key()->text(), *box);
    }
    for (auto placed = model_.design.cbegin(); placed != model_.design.cend(); ++placed)
        if (placed.key()->geometry() != *placed)
            return describe("%1 moved from %2 to %3", name(placed.key()), *placed, placed.key()->geometry());
    QWidget *focus = QApplication::focusWidget();
    if (focus && (focus->isHidden() || focus->focusPolicy() == Qt::NoFocus))
        return describe("the keyboard focus is on %1, which no user can reach", name(focus));
    return {};
}

// What the user sees of the surface must be the retained picture: through its
// paint handler, and on the window wherever no control covers the surface.
QString TestRobustness::shownDiffersFromImage()
{
    DrawingSurface &surface = window_->surface();
    const QImage retained = surface.image();
    const QImage painted = surface.grab().toImage().convertToFormat(retained.format());
    if (painted != retained)
        return QStringLiteral("the surface paints other than its picture, ")
               + difference(painted, retained, retained.rect());
    if (surface.scale() != 1.0)
        return {};
    QRegion bare = QRegion(window_->rect()) & surface.geometry();
    for (QWidget *child : window_->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (child != &surface && child->isVisible())
            bare -= child->geometry();
    for (int attempt = 0;; ++attempt) {
        const QImage shown = window_->screen()->grabWindow(window_->winId()).toImage();
        const QString wrong = difference(shown, retained, bare & shown.rect());
        if (wrong.isEmpty())
            return {};
        if (attempt == 5)
            return QStringLiteral("the window shows other than the surface's picture, ") + wrong;
        QTest::qWait(10);
    }
}

void TestRobustness::onRunFinished()
{
    ++model_.runs;
    // The run clears the picture only a little past the window's design
    // width, while the links of its last chains reach further; what they leave
    // there stays until a later run's links cover it. So only the columns of
    // the design width are compared.
    const QRect compared(0, 0, MainWindow::kClientSize.width(), window_->surface().image().height());
    const QImage picture = window_->surface().image().copy(compared);
    const QString key = describe("%1 slits, f = %2", c().nNdirek->text(), c().nKmitočet->text());
    const size_t hash = qHashBits(picture.constBits(), size_t(picture.sizeInBytes()));
    const auto seen = model_.pictures.constFind(key);
    if (seen == model_.pictures.cend()) {
        model_.pictures.insert(key, {hash, actionNumber_});
    } else {
        ++model_.repeatedRuns;
        if (seen->first != hash)
            model_.pictureError = describe("the run for %1 left another picture than the run in action %2; ", key,
                                           seen->second);
    }
    // State a run keeps from earlier runs would show only when parameters
    // repeat; a run on a fresh surface shows it at once.
    const QImage fresh = test::freshRunPicture(c().nNdirek->text(), c().nKmitočet->text()).copy(compared);
    if (fresh != picture)
        model_.pictureError += describe("the run for %1 left a picture unlike the same run's on a fresh surface, %2",
                                        key, difference(picture, fresh, picture.rect()));
}

// The window system gives a click to whatever lies on top at that place, and
// nothing outside the window: a user enlarges the window first.
QWidget *TestRobustness::reach(QWidget *widget, QPoint &at, Step &step)
{
    if (!window_->rect().contains(widget->mapTo(window_.get(), at))) {
        step.say(QStringLiteral("window back to its design size"));
        window_->resize(MainWindow::kClientSize);
        settle();
    }
    const QPoint inWindow = widget->mapTo(window_.get(), at);
    QWidget *receiver = window_->childAt(inWindow);
    if (!receiver || receiver == &window_->surface())
        return nullptr; // the bare surface takes no clicks
    at = receiver->mapFrom(window_.get(), inWindow);
    return receiver;
}

void TestRobustness::click(QWidget *widget, QPoint at, Step &step)
{
    QWidget *receiver = reach(widget, at, step);
    step.say(describe("click %1 at %2", name(receiver), at));
    if (receiver)
        QTest::mouseClick(receiver, Qt::LeftButton, {}, at);
}

void TestRobustness::drag(QScrollBar *bar, int toX, int dy, Step &step)
{
    const QPoint grip = scrollBarPart(bar, QStyle::SC_ScrollBarSlider).center();
    QPoint at = grip;
    QWidget *receiver = reach(bar, at, step);
    step.say(describe("drag %1's thumb from %2 (pressing %3) to x %4, dy %5", name(bar), bar->value(), name(receiver),
                      toX, dy));
    if (!receiver)
        return;
    const QPoint shift = at - grip;
    const QPoint end(toX, grip.y() + dy);
    const quint64 commits = model_.commits;
    QTest::mousePress(receiver, Qt::LeftButton, {}, at);
    for (int i = 1, moves = dice_.between(1, 5); i <= moves; ++i)
        QTest::mouseMove(receiver, shift + grip + (end - grip) * i / moves);
    if (model_.commits != commits)
        step.error = QStringLiteral("a bar took a new position while its thumb was still held");
    QTest::mouseRelease(receiver, Qt::LeftButton, {}, shift + end);
}

void TestRobustness::key(Qt::Key key, Step &step, Qt::KeyboardModifiers modifiers)
{
    QWidget *focus = QApplication::focusWidget();
    if (!focus) {
        step.error = QStringLiteral("no widget has the keyboard focus");
        return;
    }
    step.say(describe("%1 on %2", QKeySequence(key | modifiers).toString(), name(focus)));
    QTest::keyClick(focus, key, modifiers);
}

bool TestRobustness::tabTo(QWidget *target, Step &step)
{
    for (int tabs = 0; tabs < 25 && step.error.isEmpty(); ++tabs) {
        if (QApplication::focusWidget() == target)
            return true;
        key(Qt::Key_Tab, step);
    }
    if (step.error.isEmpty())
        step.error = describe("Tab never reaches %1", name(target));
    return false;
}

// A run pauses S/3 us a column; only the two smallest factors (S = 1 and 4)
// keep thousands of actions quick, so the slow-down thumb goes to the left first.
bool TestRobustness::readyToStart(Step &step)
{
    if (c().HScrollSpomaleni->value() > 1) {
        drag(c().HScrollSpomaleni, -dice_.between(5, 60), 0, step);
        settle();
        if (c().HScrollSpomaleni->value() != 0 && step.error.isEmpty())
            step.error = describe("the slow-down thumb dragged to the far left stays at %1",
                                  c().HScrollSpomaleni->value());
    }
    return step.error.isEmpty();
}

void TestRobustness::start(Step &step, std::optional<Qt::Key> byKey)
{
    if (!readyToStart(step) || (byKey && !tabTo(c().cmdStart, step)))
        return;
    step.start = true;
    if (byKey)
        key(*byKey, step);
    else
        click(c().cmdStart, QPoint(dice_.between(5, 50), dice_.between(5, 20)), step);
    // The run plays in the event loop, as a user waits for it.
    if (!test::waitForRunEnd(*window_))
        step.error = QStringLiteral("the run never ended");
}

void TestRobustness::pressKey(Step &step)
{
    const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
        {Qt::Key_Tab, {}},   {Qt::Key_Tab, Qt::ShiftModifier}, {Qt::Key_Return, {}}, {Qt::Key_Enter, {}},
        {Qt::Key_Space, {}}, {Qt::Key_Left, {}},  {Qt::Key_Right, {}}, {Qt::Key_Up, {}},     {Qt::Key_Down, {}},
        {Qt::Key_Home, {}},  {Qt::Key_End, {}},   {Qt::Key_PageUp, {}}, {Qt::Key_PageDown, {}}, {Qt::Key_Right, {}},
        {Qt::Key_Left, {}},  {Qt::Key_Tab, {}}};
    const auto [chosen, modifiers] = dice_.oneOf(keys);
    QWidget *focus = QApplication::focusWidget();
    const bool activates = chosen == Qt::Key_Return || chosen == Qt::Key_Enter || chosen == Qt::Key_Space;
    if (activates && focus == c().cmdKonec) {
        step.say(QStringLiteral("spare Exit: Tab instead"));
        key(Qt::Key_Tab, step);
    } else if (activates && focus == c().cmdStart) {
        start(step, chosen);
    } else {
        step.typedInto = qobject_cast<QLineEdit *>(focus);
        key(chosen, step, modifiers);
    }
}

void TestRobustness::typeText(Step &step)
{
    QLineEdit *box =
        dice_.oneOf({c().nTitul, c().nWavelenghts, c().nRelKmitočet, c().nSměs, c().nCornu, c().nMřížka});
    click(box, QPoint(dice_.between(2, box->width() - 3), box->height() / 2 + dice_.between(-2, 2)), step);
    if (QApplication::focusWidget() != box) {
        step.error =
            describe("clicking %1 gave the keyboard focus to %2", name(box), name(QApplication::focusWidget()));
        return;
    }
    static const QString alphabet = QStringLiteral("abcxyzKLM0123456789.,- čřížÁ");
    QString typed;
    for (int n = dice_.between(0, 10); n > 0; --n)
        typed += alphabet.at(dice_.between(0, int(alphabet.size()) - 1));
    const int backspaces = dice_.percent(20) ? dice_.between(0, 40) : dice_.between(0, 3);
    step.say(describe("End, type \"%1\" and %2 Backspaces", typed, backspaces));
    step.typedInto = box;
    step.typed = (box->text() + typed).chopped(std::min(backspaces, int(box->text().size() + typed.size())));
    QTest::keyClick(box, Qt::Key_End);
    for (const QChar ch : typed)
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key(ch.toUpper().unicode()), QString(ch), {});
    for (int n = 0; n < backspaces; ++n)
        QTest::keyClick(box, Qt::Key_Backspace);
}

void TestRobustness::coverAndExpose(Step &step)
{
    step.exposed = true;
    const int how = dice_.between(0, 2);
    if (how == 0) {
        QWidget cover;
        const QPoint offset(dice_.between(-20, 300), dice_.between(-20, 200));
        cover.setGeometry(QRect(window_->geometry().topLeft() + offset,
                                QSize(dice_.between(50, 900), dice_.between(50, 700))));
        step.say(describe("cover with a window at %1", cover.geometry()));
        cover.show();
        if (!QTest::qWaitForWindowExposed(&cover, 2000))
            step.error = QStringLiteral("the covering window never showed");
    } else {
        step.say(how == 1 ? QStringLiteral("hide and show") : QStringLiteral("minimise and restore"));
        how == 1 ? window_->hide() : window_->showMinimized();
        settle();
        // A window manager gives the focus to another window meanwhile; the
        // offscreen platform would keep it on the hidden one, and asked to
        // activate it again, see nothing to do.
        QWidget other;
        other.show();
        other.activateWindow();
        if (!QTest::qWaitForWindowActive(&other, 2000))
            step.error = QStringLiteral("another window never took the focus");
        how == 1 ? window_->show() : window_->showNormal();
    }
    settle();
    // A window manager activates a window shown again; the offscreen platform
    // leaves that to us, as the fixture does at first show.
    window_->activateWindow();
    if (!QTest::qWaitForWindowExposed(window_.get(), 2000) || !QTest::qWaitForWindowActive(window_.get(), 2000))
        step.error = QStringLiteral("the window did not come back exposed and active");
}

QTEST_MAIN(TestRobustness)
#include "test_robustness.moc"
