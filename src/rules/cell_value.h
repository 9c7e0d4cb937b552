// The points a cell takes for five dice, and the figure the dice form.
#pragma once

#include <array>
#include <string>

#include "rules/dice.h"

namespace dravonelle {

// A Maxi, Egal or Mini cell of the valued cell's column, as the order rule
// sees it: it counts only when closed, and a neighbour worth 0 never
// constrains.
struct OrderNeighbour {
    bool closed = false;
    int points = 0;
};

struct CellQuery {
    int cell = -1;  // the cell to value; -1 or a placeholder gives 0 points
    int turn = 0;   // NuméroTirage, 1 to 65
    // Maxi, Egal, Mini of the same column, in that order.
    std::array<OrderNeighbour, 3> maxiEgalMini{};
};

struct CellValue {
    int points = 0;
    std::string figure;  // "SUITE = 45", "FULL = 32", "CARRE = 56", "YAM = 85" or empty
    Dice sorted{};       // DésTriés
    bool carré = false;  // a Carré test matched (four or five equal dice)
    bool yam = false;    // five equal dice
};

CellValue valueCell(const Dice& dice, const CellQuery& query);

}  // namespace dravonelle
