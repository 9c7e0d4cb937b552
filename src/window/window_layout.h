// The main window's controls with their design-time state: the one layout
// table that both front ends start from.
#pragma once

#include "window/layer.h"

#include "window/controls/control_model.h"

namespace dravonelle {

// The window is 1024 × 768 pixels; the game works in twips, 15 per pixel.
inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kWindowWidth = 1024;
inline constexpr int kWindowHeight = 768;
constexpr int px(int pixels) { return pixels * kTwipsPerPixel; }

// The window answers as a control of its own name: its size and its state.
inline constexpr const char* kWindowFormName = "JeuYam";

// A control of the given kind at a place and size given in pixels.
inline ControlDesign designAt(ControlKind kind, int leftPx, int topPx, int widthPx, int heightPx) {
    ControlDesign d;
    d.kind = kind;
    d.left = px(leftPx);
    d.top = px(topPx);
    d.width = px(widthPx);
    d.height = px(heightPx);
    return d;
}

// A picture store: never shown, it lends its picture by name, with its index
// when it has one (index -1: a control of its own).
void addStore(ControlModel& m, const std::string& name, int index = -1, ControlKind kind = ControlKind::Image,
              int widthPx = 62, int heightPx = 59);

// Registers every control of the main window, in drawing order. Does nothing
// on a model that already holds them.
void buildMainWindow(ControlModel& model);

// The consent window that asks to switch a small screen to 1024 × 768:
// `AfficheForm` itself, its logo page, two labels and two buttons.
void buildConsentForm(ControlModel& model);

// Where the sheet stands, for the window's own drawing of the grid.
struct SheetGeometry {
    int left, top;          // pixels: the cell of column 0, row 0
    int cellWidth, cellHeight;
    int columnStep;
    int headingWidth;
};
SheetGeometry sheetGeometry();

}  // namespace dravonelle
