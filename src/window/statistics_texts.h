// The bubble over the figure counters of the statistics table, rows 0 to 11
// (rows 12 to 15 are the odds: rules/odds.h).
#pragma once

#include "window/layer.h"

#include <string>

namespace dravonelle {

// The per-game column (Stats2): " Nombre de 1 sorti(s) depuis le début de la
// partie en mode 1 tirage ". Empty for any other row.
std::string texteStatPartie(int row, int mode);

// The since-creation column (Stats3), with the game counters of the way of
// playing: " Nombre de 1 sortis en 12 parties jouées et 3 parties abandonnées
// en mode 1 tirage ". Empty for any other row.
std::string texteStatCréation(int row, int mode, int terminées, int abandons);

}  // namespace dravonelle
