#include "app/main_window.h"

#include "app/drawing_surface.h"
#include "app/startup.h"
#include "app/twips.h"
#include "controls/frequency.h"
#include "controls/slit_count.h"
#include "controls/slow_down.h"

#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace korvane {

MainWindow::MainWindow(QWidget *parent)
    : QWidget(parent)
{
    installFontSubstitutes();
    setObjectName(QStringLiteral("Korvane"));
    setWindowTitle(QStringLiteral("Korvane"));
    QPalette grey = palette();
    grey.setColor(QPalette::Window, DrawingSurface::kBackColour);
    setPalette(grey);
    setAutoFillBackground(true);

    // Made first, so every control stacks in front of the drawing.
    surface_ = new DrawingSurface(this);
    surface_->move(0, 0);
    controls_ = createControls(this);
    connectHandlers();

    RunStartUp(controls_);

    // The start-up selection drew the strip while the window was not yet on
    // screen; none of that is seen: the window opens on the bare surface.
    surface_->erase();
    surface_->paintCaption(twipsRect(labKlepnete.left, labKlepnete.top, labKlepnete.width, labKlepnete.height),
                           QString::fromLatin1(labKlepnete.caption), labKlepnete.font());

    resize(kClientSize);
    controls_.cmdStart->setFocus();
}

void MainWindow::connectHandlers()
{
    Controls &c = controls_;
    const auto onSelected = [this](QRadioButton *option, const SlitCountChoice &choice) {
        connect(option, &QRadioButton::toggled, this, [this, option, &choice](bool selected) {
            // Tab reaches only the selected button of the group; a click reaches any.
            option->setFocusPolicy(selected ? Qt::StrongFocus : Qt::ClickFocus);
            if (selected)
                SelectSlitCount(controls_, *surface_, choice);
        });
    };
    onSelected(c.op2, kTwoSlits);
    onSelected(c.op3Dirky, kThreeSlits);
    onSelected(c.op4Dírky, kFourSlits);
    onSelected(c.op20, kTwentySlits);

    connect(c.HScrollKmitočet, &QScrollBar::valueChanged, this,
            [this] { HScrollKmitočetChange(controls_, *surface_); });
    connect(c.HScrollKmitocet20, &QScrollBar::valueChanged, this,
            [this] { HScrollKmitocet20Change(controls_, *surface_); });
    connect(c.HScrollSpomaleni, &QScrollBar::valueChanged, this, [this] { HScrollSpomaleniChange(controls_); });

    connect(c.cmdStart, &QPushButton::clicked, this, &MainWindow::startRequested);
    connect(c.cmdKonec, &QPushButton::clicked, this, &QWidget::close);
}

} // namespace korvane
