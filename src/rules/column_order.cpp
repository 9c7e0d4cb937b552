#include "rules/column_order.h"

#include "rules/sheet_index.h"

namespace dravonelle {

namespace {

// Descente climbs down the sheet from the ones to the Yam, Montée climbs back
// up from the Yam to the ones; both step over the band between the sixes and
// the Suite.
int nextDescente(int placed) {
    if (sheet::row(placed) == sheet::Yam) return -1;
    if (sheet::row(placed) == 5) return sheet::cell(sheet::Descente, sheet::Suite);
    return placed + 1;
}

int nextMontée(int placed) {
    if (sheet::row(placed) == 0) return -1;
    if (sheet::row(placed) == sheet::Suite) return sheet::cell(sheet::Montée, 5);
    return placed - 1;
}

}  // namespace

int nextCell(int placed) {
    // Only a real cell is ever placed; the placeholders open nothing.
    if (!sheet::isScoringCell(placed)) return -1;
    switch (sheet::column(placed)) {
        case sheet::Descente:
            return nextDescente(placed);
        case sheet::Montée:
            return nextMontée(placed);
        default:
            return -1;  // Libre, Sèche and Annonce have no order
    }
}

}  // namespace dravonelle
