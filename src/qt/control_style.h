// How a control's data becomes pixels, fonts and colours on screen.
#pragma once

#include "qt/layer.h"

#include <QColor>
#include <QFont>
#include <QRect>

#include "window/controls/control.h"

namespace dravonelle {

// Twips to the window's own pixels, rounded to the nearest.
int toPixels(int twips);
int toTwips(int pixels);

// Where the control stands in the window, in pixels.
QRect pixelRect(const Control& c);

QColor toQColor(Color c);

// The control's font. Its size is given in pixels of the 96-dpi window, so
// that the text keeps its place in the fixed-size cells whatever the
// screen's logical dpi; Qt's own scaling then makes it sharp on HiDPI.
QFont fontOf(const Control& c);

// Width in twips an auto-sizing label needs for its caption: what the model
// asks of the window through `ControlModel::setMeasure`.
int measureCaption(const Control& c);

}  // namespace dravonelle
