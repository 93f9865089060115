// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "design.h"

#include "design_widgets.h"
#include "drawing_surface.h"
#include "twips.h"
#include "zoom.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFont>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

#include <algorithm>
#include <memory>
#include <utility>

namespace korvane {

namespace {

// Design point sizes at 96 dpi, as whole pixels so that the layout does not
// depend on the screen's reported dpi: 14.25 pt = 19 px, 9.75 pt = 13 px,
// 12 pt = 16 px, 8.25 pt (the default dialog font) = 11 px.
struct FontSpec {
    const char *family;
    int pixelSize;
    bool bold;
};
constexpr FontSpec kTitleFont{"Times New Roman", 19, true};
constexpr FontSpec kButtonFont{"Times New Roman", 19, false};
constexpr FontSpec kSmallFont{"MS Sans Serif", 13, false};
constexpr FontSpec kSmallBoldFont{"MS Sans Serif", 13, true};
constexpr FontSpec kCaptionFont{"MS Sans Serif", 16, false};
constexpr FontSpec kDialogFont{"MS Sans Serif", 11, false};
// "Number of wavelengths per slits spacing " fits its box at the design's
// 13 px in the design's face, a bitmap face made at that size. The stand-in,
// Liberation Sans, is a pixel too wide there and would scroll; at 12 px it
// shows whole.
constexpr FontSpec kWavelengthsFont{"MS Sans Serif", 13, false};
constexpr int kWavelengthsStandInPixelSize = 12;

// What each control was given at 100 %, so that any zoom starts from the design.
constexpr char kDesignPlace[] = "korvaneDesignPlace";
constexpr char kDesignFont[] = "korvaneDesignFont";
constexpr char kDesignPixmap[] = "korvaneDesignPixmap";

// Every control starts the same way: its design name and its place.
template<typename Widget, typename... Args>
Widget *placed(const char *name, QRect place, Args &&...args)
{
    auto *widget = new Widget(std::forward<Args>(args)...);
    widget->setObjectName(QString::fromUtf8(name));
    widget->setGeometry(place);
    widget->setProperty(kDesignPlace, place);
    return widget;
}

QFont makeFont(const char *family, int pixelSize, bool bold)
{
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont makeFont(const FontSpec &spec)
{
    return makeFont(spec.family, spec.pixelSize, spec.bold);
}

void setBackColour(QWidget *widget, QPalette::ColorRole role)
{
    QPalette palette = widget->palette();
    palette.setColor(role, DrawingSurface::kBackColour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// A visible text box used as a caption or read-out: editable, borderless, grey.
QLineEdit *captionBox(QWidget *parent, const char *name, const QString &text, QRect place, const FontSpec &font)
{
    auto *box = placed<QLineEdit>(name, place, text, parent);
    box->setFont(makeFont(font));
    box->setFrame(false);
    setBackColour(box, QPalette::Base);
    box->setCursorPosition(0);
    return box;
}

// A value store: a text box that nobody sees and no key or click reaches.
QLineEdit *valueStore(QWidget *parent, const char *name, const QString &text, QRect place)
{
    auto *box = placed<QLineEdit>(name, place, text, parent);
    box->setFocusPolicy(Qt::NoFocus);
    box->hide();
    return box;
}

QPushButton *commandButton(QWidget *parent, const char *name, const QString &caption, QRect place)
{
    auto *button = placed<QPushButton>(name, place, caption, parent);
    button->setFont(makeFont(kButtonFont));
    // Enter acts on the focused button as Space does; no button is the default.
    button->setAutoDefault(true);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

QScrollBar *scrollBar(QWidget *parent, const char *name, QRect place, int maximum)
{
    auto *bar = placed<ParameterBar>(name, place, parent);
    bar->setRange(0, maximum);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setValue(0);
    // One change per committed move: a dragged thumb reports only on release.
    bar->setTracking(false);
    bar->setFocusPolicy(Qt::StrongFocus);
    // Qt's "scroll here" menu is a way to move the bar that the design lacks.
    bar->setContextMenuPolicy(Qt::NoContextMenu);
    return bar;
}

QLabel *pictureBox(QWidget *parent, const char *name, QRect place)
{
    auto *picture = placed<QLabel>(name, place, parent);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setFocusPolicy(Qt::StrongFocus);
    setBackColour(picture, QPalette::Window);
    return picture;
}

QRadioButton *optionButton(QGroupBox *frame, const char *name, const QString &caption, QRect place)
{
    auto *option = placed<OptionButton>(name, place, caption, frame);
    option->setFont(makeFont(kDialogFont));
    option->setFocusPolicy(Qt::ClickFocus); // until selected: see the window's wiring
    setBackColour(option, QPalette::Window);
    return option;
}

// The design's English captions are the source texts of the translations. A
// translation must show whole in the design's box at the design's font: the
// boxes and fonts stay as designed, and a test measures every language.
QString caption(const char *english)
{
    return QCoreApplication::translate("Korvane", english);
}

} // namespace

//: The label in the middle of the window before the first run; it names the
//: Start button, so use the button's translated caption.
constexpr char kPleasePressStart[] = QT_TRANSLATE_NOOP("Korvane", "Please press button Start");
const SurfaceLabel labKlepnete{"labKlepnete", kPleasePressStart, 3120, 4080, 3495, 495, "Times New Roman", 21, true};

QFont SurfaceLabel::font() const
{
    return makeFont(family, pixelSize, bold);
}

void installFontSubstitutes()
{
    // Windows has both faces. Where "MS Sans Serif" is missing, Windows' own
    // scalable successor comes first, then the metric-compatible Liberation
    // faces that Linux has.
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans")});
}

QPalette designPalette()
{
    // Fusion's standard palette is a fixed one. Others need not be: Windows'
    // own style hands back the system's colours, yellow on black under a
    // high-contrast scheme.
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette palette = fusion ? fusion->standardPalette() : QApplication::style()->standardPalette();
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = static_cast<QPalette::ColorGroup>(group);
            const auto r = static_cast<QPalette::ColorRole>(role);
            if (r != QPalette::NoRole)
                palette.setBrush(g, r, palette.brush(g, r));
        }
    }
    palette.setColor(QPalette::Window, DrawingSurface::kBackColour);
    return palette;
}

QFont smallFont(double zoom)
{
    QFont font = makeFont(kSmallFont);
    font.setPixelSize(zoomedPixelSize(kSmallFont.pixelSize, zoom));
    return font;
}

Controls createControls(QWidget *window)
{
    Controls c;
    c.nTitul = captionBox(window, "nTitul", QStringLiteral("Korvane"), twipsRect(3720, 0, 2535, 405), kTitleFont);
    c.cmdStart = commandButton(window, "cmdStart", caption(QT_TRANSLATE_NOOP("Korvane", "Start")),
                               twipsRect(8880, 120, 855, 375));
    c.cmdKonec = commandButton(window, "cmdKonec", caption(QT_TRANSLATE_NOOP("Korvane", "Exit")),
                               twipsRect(9840, 120, 855, 375));
    c.HScrollSpomaleni = scrollBar(window, "HScrollSpomaleni", twipsRect(6360, 120, 1935, 255), 10000);
    c.nKmitočet = valueStore(window, "nKmitočet", QStringLiteral("Kmitočet"), twipsRect(4560, 360, 615, 285));
    c.nSpomaleni = valueStore(window, "nSpomaleni", QStringLiteral("Spomalení"), twipsRect(5640, 360, 1455, 285));
    c.Picture1 = pictureBox(window, "Picture1", twipsRect(5400, 600, 5655, 2055));
    c.Picture2 = pictureBox(window, "Picture2", twipsRect(5520, 720, 5775, 2055));
    c.Picture2->setPixmap(QPixmap(QStringLiteral(":/res/grating.bmp")));

    c.nNomKmitočet = placed<QGroupBox>("nNomKmitočet", twipsRect(1440, 720, 2175, 615),
                                       caption(QT_TRANSLATE_NOOP("Korvane", "Number of slits")), window);
    c.nNomKmitočet->setFont(makeFont(kSmallFont));
    c.nNomKmitočet->setFocusPolicy(Qt::NoFocus);
    setBackColour(c.nNomKmitočet, QPalette::Window);
    c.op2 = optionButton(c.nNomKmitočet, "op2", QStringLiteral("2"), twipsRect(120, 360, 495, 195));
    c.op3Dirky = optionButton(c.nNomKmitočet, "op3Dirky", QStringLiteral("3"), twipsRect(600, 360, 495, 195));
    c.op4Dírky = optionButton(c.nNomKmitočet, "op4Dírky", QStringLiteral("4"), twipsRect(1080, 360, 495, 195));
    c.op20 = optionButton(c.nNomKmitočet, "op20", QStringLiteral("20"), twipsRect(1560, 360, 495, 195));

    c.nWavelenghts = captionBox(window, "nWavelenghts",
                                //: Stands left of the read-out of the slit spacing divided by the wavelength.
                                caption(QT_TRANSLATE_NOOP("Korvane", "Number of wavelengths per slits spacing ")),
                                twipsRect(360, 2040, 3615, 285), kWavelengthsFont);
    if (QFontInfo(c.nWavelenghts->font()).family() != QLatin1String(kWavelengthsFont.family)) {
        QFont standIn = c.nWavelenghts->font();
        standIn.setPixelSize(kWavelengthsStandInPixelSize);
        c.nWavelenghts->setFont(standIn);
    }
    c.nRelKmitočet = captionBox(window, "nRelKmitočet", QStringLiteral("Rel. kmitočet"),
                                twipsRect(4080, 2040, 615, 285), kSmallBoldFont);
    c.nRelKmitočet->setAlignment(Qt::AlignCenter);
    c.HScrollKmitočet = scrollBar(window, "HScrollKmitočet", twipsRect(1320, 2280, 2655, 255), 180);
    c.HScrollKmitocet20 = scrollBar(window, "HScrollKmitocet20", twipsRect(1560, 2280, 2415, 255), 10);
    c.nSměs = captionBox(window, "nSměs",
                         //: Under the grating picture, beside its white light: red, green and blue in equal parts.
                         caption(QT_TRANSLATE_NOOP("Korvane", "equal mixture of R+G+B")),
                         twipsRect(5880, 2520, 1935, 285), kDialogFont);
    c.nCornu = captionBox(window, "nCornu",
                          //: Over the phasor chains: each slit's phasor added end to end, curling towards a spiral.
                          caption(QT_TRANSLATE_NOOP("Korvane", "Cornu spirals")), twipsRect(2880, 2760, 2175, 285),
                          kCaptionFont);
    c.nNdirek = valueStore(window, "nNdirek", QStringLiteral("Ndirek"), twipsRect(600, 3240, 1095, 285));
    c.nMřížka = captionBox(window, "nMřížka", caption(QT_TRANSLATE_NOOP("Korvane", "diaphragm with grating")),
                           twipsRect(6240, 8040, 2535, 405), kCaptionFont);

    // Creation order stacks later controls in front; the caption row must also
    // cover the top of the frequency bars, which were created after it.
    c.nWavelenghts->raise();

    // Keyboard order by design tab index; Qt itself lets only the selected
    // option button of the group take the focus by Tab.
    QWidget *const order[] = {c.cmdStart,          c.cmdKonec,         c.nTitul,   c.nCornu,
                              c.nMřížka,           c.HScrollKmitočet,  c.op2,      c.op20,
                              c.HScrollKmitocet20, c.HScrollSpomaleni, c.op3Dirky, c.op4Dírky,
                              c.nRelKmitočet,      c.Picture1,         c.Picture2, c.nSměs,
                              c.nWavelenghts};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);

    const QList<QWidget *> placedControls = window->findChildren<QWidget *>();
    for (QWidget *control : placedControls)
        if (control->property(kDesignPlace).isValid() && control->testAttribute(Qt::WA_SetFont))
            control->setProperty(kDesignFont, control->font());
    c.Picture2->setProperty(kDesignPixmap, c.Picture2->pixmap());
    return c;
}

void zoomControls(QWidget *window, double zoom, QPoint offset)
{
    const QList<QWidget *> controls = window->findChildren<QWidget *>();
    for (QWidget *control : controls) {
        const QVariant place = control->property(kDesignPlace);
        if (!place.isValid())
            continue;
        // A group's buttons are placed within the group, which has moved already.
        control->setGeometry(
            zoomed(place.toRect(), zoom).translated(control->parentWidget() == window ? offset : QPoint()));
        const QVariant font = control->property(kDesignFont);
        if (font.isValid()) {
            QFont zoomedFont = font.value<QFont>();
            zoomedFont.setPixelSize(zoomedPixelSize(zoomedFont.pixelSize(), zoom));
            control->setFont(zoomedFont);
        }
        const QVariant pixmap = control->property(kDesignPixmap);
        if (auto *label = qobject_cast<QLabel *>(control); label && pixmap.isValid()) {
            // A bitmap has no more detail to give: its pixels grow, as the
            // toolkit's own scaling would grow them, without blurring.
            const auto design = pixmap.value<QPixmap>();
            label->setPixmap(zoom == 1.0 ? design
                                         : design.scaled(zoomed(design.size(), zoom), Qt::IgnoreAspectRatio,
                                                         Qt::FastTransformation));
        }
    }
}

} // namespace korvane
