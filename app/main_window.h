#pragma once

// Korvane's one window: the drawing surface underneath, the controls on top,
// each control event wired to its handler.

#include "app/design.h"

#include <QWidget>

namespace korvane {

class DrawingSurface;

class MainWindow : public QWidget
{
    Q_OBJECT

public:
    // The client area at first show, in logical pixels (11370 x 8565 twips).
    static constexpr QSize kClientSize{758, 571};

    explicit MainWindow(QWidget *parent = nullptr);

    Controls &controls() { return controls_; }
    DrawingSurface &surface() { return *surface_; }

signals:
    // Emitted by the Start button; the run itself is wired up by its owner.
    void startRequested();

private:
    void connectHandlers();

    DrawingSurface *surface_ = nullptr;
    Controls controls_;
};

} // namespace korvane
