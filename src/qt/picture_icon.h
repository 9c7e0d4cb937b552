// The game's icon: two dice, an ivory one leaning on a red one, from one
// description drawn both onto a painter (the window's icon, the PNG sizes
// of the icon theme) and as an SVG document (the theme's scalable icon), so
// that every size shows the same picture.
#pragma once

#include "qt/layer.h"

#include <string>

class QPainter;

namespace dravonelle::art {

// The icon's own coordinates: a square of this side.
constexpr int kIconSide = 256;

// Paints the icon over a square of SIDE pixels from the painter's origin.
void paintIcon(QPainter& p, double side);

// The icon as a standalone SVG document of kIconSide × kIconSide.
std::string iconSvg();

}  // namespace dravonelle::art
