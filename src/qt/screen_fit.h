// The game's window on a screen smaller than itself.
//
// The window is drawn for 1024 × 768. Where the screen stays smaller (the
// switch to 1024 × 768 refused or impossible, or Wayland), the window is
// shown at a zoom below 1 that fits the screen's free area: MainWindow
// sizes itself and every ControlWidget places and paints itself at that
// zoom (a QPainter scale), while the model, the layout and the animations
// keep counting in window pixels. Each control stays a widget of its own,
// so a click lands on the control under the pointer as before, and the
// look is the same drawing, smaller.
//
// Qt's own scaling (QT_SCALE_FACTOR) was the first choice, decided before
// the QApplication from a probe of the screen, but Qt 6.4 cannot scale
// below 1: the widgets are placed smaller, yet QPainter never scales a
// device down (its effective pixel ratio is at least 1), so their contents
// come out at full size, cut. The zoom also follows the screen at run time:
// a mode switched after the consent window, or changed by the user.
#pragma once

#include "qt/layer.h"

#include <QSize>

class QScreen;

namespace dravonelle {

// The largest zoom, at most 1 and a multiple of 1/256 (the window then has
// whole pixels), by which a WINDOW and its FRAME (title bar and borders)
// fit into AVAILABLE; never below 1/4.
double fitFactor(QSize window, QSize frame, QSize available);

// The zoom of the game's window on SCREEN: 1 on a screen of 1024 × 768 or
// more, else the fit of the window, with a frame where a window manager
// draws one, into the screen's free area.
double zoomForScreen(const QScreen& screen);

}  // namespace dravonelle
