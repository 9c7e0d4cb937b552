// The game's pictures, each painted by code onto a painter whose
// coordinates run over the picture's size in window pixels; the caller
// chooses the resolution behind them, so they stay sharp on any screen.
#pragma once

#include "qt/layer.h"

#include <QSizeF>
#include <string_view>

class QPainter;

namespace dravonelle::art {

// The dice sets (1 to 3) and their faces (1 to 6).
constexpr int kDiceSets = 3;
void paintDie(QPainter& p, QSizeF size, int set, int face);

// The light under a die: lit red while the die stands on the table, dim once
// it is taken back.
void paintLight(QPainter& p, QSizeF size, bool onTable);

// Characters 1 to 24 each have a face of their own; 0 is nobody yet.
constexpr int kCharacters = 24;
void paintPortrait(QPainter& p, QSizeF size, int number);

// A tool's sign by its picture name; false when no tool has that name.
bool paintTool(QPainter& p, QSizeF size, std::string_view name);

// A small die of SET for the dice-style menu.
void paintDiceSetSign(QPainter& p, QSizeF size, int set);

// The background of the logo page ("LogoFond"), under its text.
void paintLogoBackground(QPainter& p, QSizeF size);

}  // namespace dravonelle::art
