#include "rules/totals.h"

namespace dravonelle {

NumbersTotal numbersTotal(int sommeChiffres) {
    // At par or better the column keeps its full 90 and earns six points for
    // every point over par.
    if (sommeChiffres >= 0) return {90, 6 * sommeChiffres};
    // A little under par eats into the 90, six points a point, down to 0 at -10.
    if (sommeChiffres >= -10) return {60 + 6 * sommeChiffres, 0};
    // Beyond that the total is gone and the shortfall becomes a malus.
    return {0, (sommeChiffres + 10) * 6};
}

}  // namespace dravonelle
