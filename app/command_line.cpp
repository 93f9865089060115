// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "command_line.h"

#include "main_window.h"
#include "profile_layers.h"
#include "publisher.h"
#include "translations.h"
#include "wave_strip.h"
#include "window_view.h"
#include "zoom.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <cmath>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
// After windows.h, whose types it uses.
#include <shellapi.h>
#endif

namespace korvane {

namespace {

// The slow-down bar's range, and the frequencies of the two frequency bars.
constexpr int kMostSlowDown = 10000;
constexpr int kLowestFrequency = 20;
constexpr int kHighestFrequency = 200;
constexpr int kLowestGratingFrequency = 5;
constexpr int kHighestGratingFrequency = 45;

// Qt's own options, which QGuiApplication and QApplication take out of the
// arguments themselves, with one dash or two; those before the bar take a value.
const QStringList kQtOptionsWithValue{
    "platform",    "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "display", "geometry",
    "style",       "stylesheet",         "name",          "title",   "visual"};
const QStringList kQtFlags{"reverse", "widgetcount", "nograb", "dograb", "sync"};

struct Options {
    QCommandLineOption slits{QStringLiteral("slits"),
                             QCoreApplication::translate("CommandLine", "The number of slits: 2, 3, 4 or 20."),
                             QStringLiteral("N")};
    QCommandLineOption frequency{
        QStringLiteral("frequency"),
        QCoreApplication::translate("CommandLine",
                                    "The frequency: 20 to 200 for 2 to 4 slits, 5 to 45 for 20 slits; the slit "
                                    "count's frequency bar is set to it. The read-out beside the bar shows it "
                                    "divided by 6.28, the wavelengths per slit spacing: 3.18 at frequency 20."),
        QStringLiteral("F")};
    QCommandLineOption slowDown{
        QStringLiteral("slow-down"),
        QCoreApplication::translate("CommandLine",
                                    "The slow-down bar's position, 0 (fastest) to 10000 (a run of two minutes)."),
        QStringLiteral("N")};
    QCommandLineOption zoom{
        QStringLiteral("zoom"),
        QCoreApplication::translate("CommandLine", "The zoom: 100, 125, 150, 175, 200, 250, 300 or 400 per cent."),
        QStringLiteral("PERCENT")};
    QCommandLineOption fullScreen{QStringLiteral("full-screen"),
                                  QCoreApplication::translate("CommandLine", "Full screen.")};
    QCommandLineOption showMaxima{
        QStringLiteral("show-maxima"),
        QCoreApplication::translate("CommandLine", "Show maxima: the orders ticked under the screen line.")};
    QCommandLineOption showFarField{
        QStringLiteral("show-far-field"),
        QCoreApplication::translate("CommandLine",
                                    "Show the far-field curve: the textbook's intensity over the profile.")};
    QCommandLineOption keepProfiles{
        QStringLiteral("keep-profiles"),
        QCoreApplication::translate("CommandLine", "Keep profiles to compare: at each Start the profile on screen "
                                                   "stays as a coloured outline, the three most recent.")};
    QCommandLineOption start{QStringLiteral("start"),
                             QCoreApplication::translate("CommandLine", "One run at once, when the window is up.")};
    QCommandLineOption language{
        QStringLiteral("language"),
        QCoreApplication::translate("CommandLine",
                                    "The language: en, or a code of the languages the program speaks (%1).")
            .arg(spokenLanguages().join(QStringLiteral(", "))),
        QStringLiteral("CODE")};
};

void describe(QCommandLineParser &parser, const Options &options)
{
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Light through 2, 3, 4 or 20 slits: phasor chains build up the interference profile."));
    // "-slits" as well as "--slits"; -h and -v are long options of one letter then.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({options.slits, options.frequency, options.slowDown, options.zoom, options.fullScreen,
                       options.showMaxima, options.showFarField, options.keepProfiles, options.start,
                       options.language});
}

// Whether `option`, as written with its dashes, is one of those that take a value.
bool argumentTakesValue(const Options &options, const QString &option)
{
    const QString name = option.mid(option.startsWith(QLatin1String("--")) ? 2 : 1);
    for (const QCommandLineOption *valued :
         {&options.slits, &options.frequency, &options.slowDown, &options.zoom, &options.language})
        if (valued->names().contains(name))
            return true;
    return false;
}

// Qt's options out of the way: the program and our own are left.
QStringList withoutQtOptions(const QStringList &arguments)
{
    QStringList ours;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        // After "--" nothing is an option.
        if (argument == QLatin1String("--")) {
            ours << arguments.mid(i);
            break;
        }
        if (i == 0 || !argument.startsWith(QLatin1Char('-'))) {
            ours << argument;
            continue;
        }
        const QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
        const QString key = name.section(QLatin1Char('='), 0, 0);
        if (kQtOptionsWithValue.contains(key)) {
            if (!name.contains(QLatin1Char('=')))
                ++i;
        } else if (!kQtFlags.contains(name) && !key.startsWith(QLatin1String("qmljsdebugger"))) {
            ours << argument;
        }
    }
    return ours;
}

std::optional<int> wholeNumber(QString text)
{
    if (text.isEmpty() || text.size() > 9
        || !std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return std::nullopt;
    return text.toInt();
}

// What was read so far stays: a refused frequency is told for the slit count given.
CommandLine refused(CommandLine line, CommandLine::Refusal refusal, const QString &option, const QString &value = {})
{
    line.outcome = CommandLine::Outcome::Refused;
    line.refusal = refusal;
    line.option = option;
    line.value = value;
    return line;
}

QString zoomList()
{
    QStringList steps;
    for (const double step : kZoomSteps)
        steps << QString::number(std::lround(step * 100.0));
    return steps.join(QStringLiteral(", "));
}

} // namespace

QStringList commandLineArguments(int argc, char *argv[])
{
    QStringList arguments;
#ifdef _WIN32
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    int count = 0;
    if (LPWSTR *wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 0; i < count; ++i)
            arguments << QString::fromWCharArray(wide[i]);
        LocalFree(wide);
    }
#else
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
#endif
    if (arguments.isEmpty())
        arguments << QStringLiteral("korvane");
    return arguments;
}

CommandLine parseCommandLine(const QStringList &arguments)
{
    const Options options;
    QCommandLineParser parser;
    describe(parser, options);
    const QStringList ours = withoutQtOptions(arguments);
    CommandLine line;
    StartOptions &start = line.options;
    if (!parser.parse(ours)) {
        if (!parser.unknownOptionNames().isEmpty()) {
            const QString name = parser.unknownOptionNames().constFirst();
            return refused(line, CommandLine::Refusal::UnknownOption,
                           (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name);
        }
        // The other complaints: a switch given a value, or a value option last
        // with nothing after it.
        for (const QString &argument : ours.mid(1)) {
            const QString name = argument.section(QLatin1Char('='), 0, 0);
            if (argument.contains(QLatin1Char('=')) && name.startsWith(QLatin1Char('-'))
                && !argumentTakesValue(options, name))
                return refused(line, CommandLine::Refusal::ValueNotTaken, name);
        }
        return refused(line, CommandLine::Refusal::MissingValue, ours.constLast());
    }
    // An option given twice is refused, as a link refuses a repeated
    // parameter: Qt's parser would take the last value and say nothing, and
    // the lesson would not be the one its line seems to prepare.
    for (const QString &name : parser.optionNames())
        if (parser.optionNames().count(name) > 1)
            return refused(line, CommandLine::Refusal::Repeated,
                           (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name);
    // The language first, so that the help and a refusal are given in it;
    // the slit count before the frequency, whose range it sets.
    for (const QCommandLineOption *option :
         {&options.language, &options.slits, &options.frequency, &options.slowDown, &options.zoom}) {
        const QString name = option->names().constFirst();
        if (parser.isSet(*option) && !acceptValue(name, parser.value(*option), start))
            return refused(line, CommandLine::Refusal::BadValue, QStringLiteral("--") + name, parser.value(*option));
    }
    // A value refused is said even beside --help, so that a prepared line is
    // checked by asking for the help.
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        line.outcome = CommandLine::Outcome::Help;
        return line;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        line.outcome = CommandLine::Outcome::Version;
        return line;
    }
    if (!parser.positionalArguments().isEmpty())
        return refused(line, CommandLine::Refusal::Unexpected, parser.positionalArguments().constFirst());
    start.fullScreen = parser.isSet(options.fullScreen);
    start.showMaxima = parser.isSet(options.showMaxima);
    start.showFarField = parser.isSet(options.showFarField);
    start.keepProfiles = parser.isSet(options.keepProfiles);
    start.start = parser.isSet(options.start);
    return line;
}

bool acceptValue(const QString &name, const QString &value, StartOptions &start)
{
    if (name == QLatin1String("language")) {
        const QString code = value.toLower();
        if (code != QLatin1String("en") && !spokenLanguages().contains(code))
            return false;
        start.language = code == QLatin1String("en") ? QString() : code;
    } else if (name == QLatin1String("slits")) {
        if (!QStringList{"2", "3", "4", "20"}.contains(value))
            return false;
        start.slits = value;
    } else if (name == QLatin1String("frequency")) {
        const bool grating = start.slits == QLatin1String("20");
        const std::optional<int> f = wholeNumber(value);
        if (!f || *f < (grating ? kLowestGratingFrequency : kLowestFrequency)
            || *f > (grating ? kHighestGratingFrequency : kHighestFrequency))
            return false;
        start.frequency = f;
    } else if (name == QLatin1String("slow-down")) {
        const std::optional<int> position = wholeNumber(value);
        if (!position || *position > kMostSlowDown)
            return false;
        start.slowDown = position;
    } else if (name == QLatin1String("zoom")) {
        // The number alone, as every other value: "200%" is no number.
        const std::optional<int> percent = wholeNumber(value);
        const auto *step = std::find_if(kZoomSteps.begin(), kZoomSteps.end(),
                                        [&](double zoom) { return percent && std::lround(zoom * 100.0) == *percent; });
        if (step == kZoomSteps.end())
            return false;
        start.zoom = *step;
    } else {
        return false;
    }
    return true;
}

namespace {

// The frequency whose read-out is nearest to `value`, when `value` reads as a
// read-out of the slit count's bar, within half a step of the bar: a teacher
// who writes 3.18, as the window shows it, means frequency 20. A whole number
// (19) or one the bar's own range holds (20.5) was meant as a frequency.
std::optional<int> frequencyOfReadOut(const QString &value, int lowest, int highest)
{
    if (!value.contains(QLatin1Char('.')) && !value.contains(QLatin1Char(',')))
        return std::nullopt;
    bool number = false;
    const double readOut = QString(value).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&number);
    if (!number || !std::isfinite(readOut) || readOut >= lowest)
        return std::nullopt;
    const double frequency = readOut * kReadOutDivisor;
    if (frequency < lowest - 0.5 || frequency > highest + 0.5)
        return std::nullopt;
    return std::clamp(static_cast<int>(std::lround(frequency)), lowest, highest);
}

} // namespace

QString allowedValues(const QString &name, const QString &value, const StartOptions &start)
{
    if (name == QLatin1String("slits"))
        return QCoreApplication::translate("CommandLine", "the number of slits is 2, 3, 4 or 20");
    if (name == QLatin1String("frequency")) {
        const bool grating = start.slits == QLatin1String("20");
        const int lowest = grating ? kLowestGratingFrequency : kLowestFrequency;
        const int highest = grating ? kHighestGratingFrequency : kHighestFrequency;
        //: %1 is the number of slits (4 unless --slits says otherwise).
        const QString range =
            QCoreApplication::translate("CommandLine", "with %1 slits the frequency is a whole number from %2 to %3")
                .arg(start.slits.value_or(QStringLiteral("4")))
                .arg(lowest)
                .arg(highest);
        const std::optional<int> meant = frequencyOfReadOut(value, lowest, highest);
        if (!meant)
            return range;
        //: %1 says the frequency's range; %2 is the frequency and %3 the read-out it gives.
        return QCoreApplication::translate(
                   "CommandLine", "%1; the read-out beside the bar (wavelengths per slit spacing) shows %3 at frequency %2")
            .arg(range)
            .arg(*meant)
            .arg(relativeFrequencyText(*meant));
    }
    if (name == QLatin1String("slow-down"))
        return QCoreApplication::translate("CommandLine", "the slow-down is a whole number from 0 to %1")
            .arg(kMostSlowDown);
    if (name == QLatin1String("zoom"))
        //: %1 lists the zoom steps: 100, 125, ..., 400.
        return QCoreApplication::translate("CommandLine", "the zoom is one of %1 per cent").arg(zoomList());
    return QCoreApplication::translate("CommandLine", "the language is en or one of %1")
        .arg(spokenLanguages().join(QStringLiteral(", ")));
}

QString refusalMessage(const CommandLine &line)
{
    const QString seeHelp = QCoreApplication::translate("CommandLine", "korvane --help lists the options");
    switch (line.refusal) {
    case CommandLine::Refusal::UnknownOption:
        //: %1 is the option as the user wrote it; the last part names korvane --help.
        return QCoreApplication::translate("CommandLine", "korvane: unknown option %1; %2").arg(line.option, seeHelp);
    case CommandLine::Refusal::Unexpected:
        return QCoreApplication::translate("CommandLine", "korvane: unexpected argument %1; %2")
            .arg(line.option, seeHelp);
    case CommandLine::Refusal::MissingValue:
        return QCoreApplication::translate("CommandLine", "korvane: %1 needs a value; %2").arg(line.option, seeHelp);
    case CommandLine::Refusal::ValueNotTaken:
        return QCoreApplication::translate("CommandLine", "korvane: %1 takes no value; %2").arg(line.option, seeHelp);
    case CommandLine::Refusal::Repeated:
        return QCoreApplication::translate("CommandLine", "korvane: %1 is given more than once; %2")
            .arg(line.option, seeHelp);
    case CommandLine::Refusal::BadValue:
        break;
    }
    const QString allowed = allowedValues(line.option.mid(2), line.value, line.options);
    //: %1 is the option, %2 the value refused, %3 what is allowed.
    return QCoreApplication::translate("CommandLine", "korvane: %1 %2: %3").arg(line.option, line.value, allowed);
}

QString helpText()
{
    const Options options;
    QCommandLineParser parser;
    describe(parser, options);
    return parser.helpText();
}

QString versionText()
{
    return QStringLiteral("korvane ") + QString::fromUtf8(kVersion);
}

void applyStartOptions(MainWindow &window, const StartOptions &options)
{
    Controls &c = window.controls();
    if (options.slits) {
        const struct {
            const char *slits;
            QRadioButton *button;
        } buttons[] = {{"2", c.op2}, {"3", c.op3Dirky}, {"4", c.op4Dírky}, {"20", c.op20}};
        for (const auto &choice : buttons)
            if (*options.slits == QLatin1String(choice.slits))
                choice.button->click();
    }
    if (options.frequency) {
        // The bar the chosen slit count shows, at the position that gives it.
        const bool grating = c.nNdirek->text() == QLatin1String("20");
        QScrollBar *bar = grating ? c.HScrollKmitocet20 : c.HScrollKmitočet;
        bar->setValue(*options.frequency - (grating ? kLowestGratingFrequency : kLowestFrequency));
    }
    if (options.slowDown)
        c.HScrollSpomaleni->setValue(*options.slowDown);
    if (options.showMaxima)
        window.profileLayers().setShowMaxima(true);
    if (options.showFarField)
        window.profileLayers().setShowFarField(true);
    if (options.keepProfiles)
        window.profileLayers().setKeepProfiles(true);
    WindowView &view = window.view();
    if (options.zoom) {
        for (double before = 0.0; view.zoom() < *options.zoom && view.zoom() != before;) {
            before = view.zoom();
            view.zoomIn();
        }
        // The screen could not hold it: said on the window, not left to be noticed.
        if (view.zoom() < *options.zoom)
            window.showZoomLowerThanAsked(*options.zoom);
    }
    if (options.fullScreen)
        view.setFullScreenView(true);
    if (options.start)
        QTimer::singleShot(0, c.cmdStart, &QPushButton::click);
}

StartOptions currentSetup(MainWindow &window)
{
    const Controls &c = window.controls();
    StartOptions setup;
    setup.slits = c.nNdirek->text();
    setup.frequency = c.nKmitočet->text().toInt();
    setup.slowDown = c.HScrollSpomaleni->value();
    const WindowView &view = window.view();
    const auto *step = std::find(kZoomSteps.begin(), kZoomSteps.end(), view.zoom());
    if (step != kZoomSteps.end() && !view.fullScreenView())
        setup.zoom = *step;
    setup.fullScreen = view.fullScreenView();
    setup.showMaxima = window.profileLayers().showMaxima();
    setup.showFarField = window.profileLayers().showFarField();
    setup.keepProfiles = window.profileLayers().keepProfiles();
    return setup;
}

} // namespace korvane
