#include "rules/cell_value.h"

#include <algorithm>
#include <numeric>
#include <string_view>

#include "rules/sheet_index.h"

namespace dravonelle {

namespace {

// The Yam of the Sèche column, at the very last turn, takes whatever the dice
// are worth: it is the player's last chance to save a throw.
constexpr int kSècheYam = sheet::cell(sheet::Sèche, sheet::Yam);
constexpr int kLastTurn = 65;

// Everything the steps of a valuation share.
struct Valuation {
    const Dice& d;  // sorted dice
    int sum;        // S
    int row;        // row of the valued cell, -1 when it takes no points
    bool lastSècheYam;
    CellValue& out;

    // A figure is written on the panel whatever the cell, and scores only in
    // its own row, or in the Sèche Yam at the last turn.
    void figure(std::string_view name, int figureRow, int value) {
        out.figure = std::string(name) + " = " + std::to_string(value);
        if (row == figureRow || lastSècheYam) out.points = value;
    }
};

// Ones are counted plainly; every other face plays against a par of three
// dice, so missing it costs and beating it pays.
int numberPoints(const Dice& dice, int face) {
    const int n = static_cast<int>(std::ranges::count(dice, face));
    return face == 1 ? n : (n - 3) * face;
}

void scoreSuite(Valuation& v) {
    constexpr Dice kPetite{1, 2, 3, 4, 5};
    constexpr Dice kGrande{2, 3, 4, 5, 6};
    if (v.d == kPetite) v.figure("SUITE", sheet::Suite, 45);
    if (v.d == kGrande) v.figure("SUITE", sheet::Suite, 50);
}

void scoreFull(Valuation& v) {
    const Dice& d = v.d;
    // Three below a pair, or a pair below three; a Yam is a Full too.
    if (d[0] == d[2] && d[3] == d[4]) v.figure("FULL", sheet::Full, 20 + v.sum);
    if (d[0] == d[1] && d[2] == d[4]) v.figure("FULL", sheet::Full, 20 + v.sum);
}

void scoreCarré(Valuation& v) {
    const Dice& d = v.d;
    // Only the four equal dice count; the odd one is left out.
    if (d[0] == d[3]) v.figure("CARRE", sheet::Carré, 40 + d[0] + d[1] + d[2] + d[3]);
    if (d[1] == d[4]) v.figure("CARRE", sheet::Carré, 40 + d[1] + d[2] + d[3] + d[4]);
    if (d[0] == d[4]) v.figure("CARRE", sheet::Carré, 40 + v.sum);
    v.out.carré = d[0] == d[3] || d[1] == d[4];
}

// Maxi, Egal and Mini of a column must stand in that order, strictly: a cell
// scores nothing when a neighbour already on the sheet leaves it no room. A
// neighbour still open, crossed or worth 0 holds no place.
int orderedPoints(int rank, int sum, const std::array<OrderNeighbour, 3>& maxiEgalMini) {
    for (int other = 0; other < static_cast<int>(maxiEgalMini.size()); ++other) {
        const OrderNeighbour& n = maxiEgalMini[other];
        if (other == rank || !n.closed || n.points == 0) continue;
        const bool standsAbove = other < rank;
        if (standsAbove ? n.points <= sum : n.points >= sum) return 0;
    }
    return sum;
}

void scoreYam(Valuation& v) {
    if (v.d[0] != v.d[4]) return;
    v.out.yam = true;
    v.figure("YAM", sheet::Yam, 60 + v.sum);
    // A Yam thrown dry at the very last turn is worth double.
    if (v.lastSècheYam) v.out.points *= 2;
}

}  // namespace

CellValue valueCell(const Dice& dice, const CellQuery& query) {
    CellValue out;
    out.sorted = dice;
    std::ranges::sort(out.sorted);

    Valuation v{.d = out.sorted,
                .sum = std::accumulate(out.sorted.begin(), out.sorted.end(), 0),
                .row = sheet::isScoringCell(query.cell) ? sheet::row(query.cell) : -1,
                .lastSècheYam = query.cell == kSècheYam && query.turn == kLastTurn,
                .out = out};

    if (sheet::isNumberRow(v.row)) out.points = numberPoints(out.sorted, v.row + 1);
    scoreSuite(v);
    scoreFull(v);
    scoreCarré(v);
    if (v.row >= sheet::Maxi && v.row <= sheet::Mini) {
        out.points = orderedPoints(v.row - sheet::Maxi, v.sum, query.maxiEgalMini);
    }
    scoreYam(v);
    // With no figure at all, the last Sèche Yam still takes the sum of the dice.
    if (v.lastSècheYam && v.sum > out.points) out.points = v.sum;
    return out;
}

}  // namespace dravonelle
