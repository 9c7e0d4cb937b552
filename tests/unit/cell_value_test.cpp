#include "rules/cell_value.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "rules/sheet_index.h"

namespace dravonelle {
namespace {

using sheet::Column;

constexpr int kSècheYam = sheet::cell(sheet::Sèche, sheet::Yam);

// ---- Every throw of five dice, counted out face by face ----------------

std::string show(const Dice& dice) {
    std::string text;
    for (int die : dice) text += static_cast<char>('0' + die);
    return text;
}

// All 7776 throws, the first die turning slowest.
std::vector<Dice> everyThrow() {
    std::vector<Dice> throws;
    for (int code = 0; code < 6 * 6 * 6 * 6 * 6; ++code) {
        Dice dice{};
        for (int k = 4, rest = code; k >= 0; --k, rest /= 6) dice[k] = 1 + rest % 6;
        throws.push_back(dice);
    }
    return throws;
}

// The throws whose dice already stand in ascending order: one per multiset.
std::vector<Dice> everyHand() {
    std::vector<Dice> hands;
    for (const Dice& dice : everyThrow()) {
        if (std::ranges::is_sorted(dice)) hands.push_back(dice);
    }
    return hands;
}

// What the table says about a hand, read from how many dice show each face
// rather than from the dice in order.
struct Hand {
    std::array<int, 7> count{};  // count[face]
    int sum = 0;
    int biggest = 0;  // size of the largest group of equal dice
    int biggestFace = 0;
    int groups = 0;  // how many different faces show

    explicit Hand(const Dice& dice) {
        for (int die : dice) ++count[die];
        for (int face = 1; face <= 6; ++face) {
            sum += face * count[face];
            if (count[face] > 0) ++groups;
            if (count[face] > biggest) {
                biggest = count[face];
                biggestFace = face;
            }
        }
    }
    bool yam() const { return biggest == 5; }
    bool carré() const { return biggest >= 4; }
    bool full() const { return yam() || (groups == 2 && biggest == 3); }
    // Five different faces can miss only the one or the six to be a run.
    bool suite() const { return groups == 5 && (count[1] == 0 || count[6] == 0); }

    int suiteValue() const { return count[1] == 0 ? 50 : 45; }
    int fullValue() const { return 20 + sum; }
    int carréValue() const { return 40 + biggestFace * biggest; }
    int yamValue() const { return 60 + sum; }

    // Ones are worth one each; any other face is measured against three of it.
    int numberValue(int face) const { return face == 1 ? count[1] : face * count[face] - 3 * face; }

    std::string figure() const {
        if (yam()) return "YAM = " + std::to_string(yamValue());
        if (carré()) return "CARRE = " + std::to_string(carréValue());
        if (full()) return "FULL = " + std::to_string(fullValue());
        if (suite()) return "SUITE = " + std::to_string(suiteValue());
        return "";
    }

    // The last Sèche Yam takes the best figure the dice make, else their sum.
    int lastSècheYamValue() const {
        if (yam()) return 2 * yamValue();
        if (carré()) return carréValue();
        if (full()) return fullValue();
        if (suite()) return suiteValue();
        return sum;
    }

    // The points of a scoring cell with no standing Maxi, Egal or Mini.
    int points(int cell, int turn) const {
        if (cell == kSècheYam && turn == 65) return lastSècheYamValue();
        const int row = sheet::row(cell);
        if (sheet::isNumberRow(row)) return numberValue(row + 1);
        switch (row) {
            case sheet::Suite:
                return suite() ? suiteValue() : 0;
            case sheet::Full:
                return full() ? fullValue() : 0;
            case sheet::Carré:
                return carré() ? carréValue() : 0;
            case sheet::Maxi:
            case sheet::Egal:
            case sheet::Mini:
                return sum;
            case sheet::Yam:
                return yam() ? yamValue() : 0;
            default:
                return 0;
        }
    }
};

CellValue valueAt(const Dice& dice, int cell, int turn = 1) {
    CellQuery query;
    query.cell = cell;
    query.turn = turn;
    return valueCell(dice, query);
}

// Every scoring cell of every column, for every hand, at an ordinary turn
// and at the last one.
template <typename Check>
void forEveryHandAndCell(Check check) {
    for (const Dice& hand : everyHand()) {
        const Hand counted(hand);
        for (int cell = 0; cell <= sheet::kLastSheetCell; ++cell) {
            if (!sheet::isScoringCell(cell)) continue;
            for (int turn : {1, 65}) check(hand, counted, cell, turn);
        }
    }
}

// Every hand scores its row in every column, at an ordinary turn and at the
// last one, and names its figure and raises its flags whatever the cell;
// the cells that take no result score nothing.
TEST(CellValueHands, EveryHandInEveryCell) {
    ASSERT_EQ(everyHand().size(), 252u);
    forEveryHandAndCell([](const Dice& hand, const Hand& counted, int cell, int turn) {
        const CellValue value = valueAt(hand, cell, turn);
        EXPECT_EQ(value.points, counted.points(cell, turn))
            << show(hand) << " in cell " << cell << " at turn " << turn;
        EXPECT_EQ(value.figure, counted.figure()) << show(hand) << " in cell " << cell << " at turn " << turn;
        EXPECT_EQ(value.carré, counted.carré()) << show(hand);
        EXPECT_EQ(value.yam, counted.yam()) << show(hand);
    });
    for (const Dice& hand : everyHand()) {
        for (int cell : {-1, 6, 7, 15, 22, 31, 63, 79, 80, 81}) {
            const CellValue value = valueAt(hand, cell, 65);
            EXPECT_EQ(value.points, 0) << show(hand) << " in cell " << cell;
            EXPECT_EQ(value.figure, Hand(hand).figure()) << show(hand) << " in cell " << cell;
        }
    }
}

// ---- The order of the dice on the table does not matter ------------------

TEST(CellValueThrows, EveryOrderOfTheDiceScoresLikeTheSortedHand) {
    const std::array<int, 8> cells{
        sheet::cell(sheet::Descente, 0),          sheet::cell(sheet::Montée, 3),
        sheet::cell(sheet::Montée, sheet::Suite), sheet::cell(sheet::Libre, sheet::Full),
        sheet::cell(sheet::Sèche, sheet::Carré),  sheet::cell(sheet::Annonce, sheet::Egal),
        sheet::cell(sheet::Annonce, sheet::Yam),  kSècheYam};
    for (const Dice& dice : everyThrow()) {
        Dice sorted = dice;
        std::ranges::sort(sorted);
        for (int cell : cells) {
            const CellValue thrown = valueAt(dice, cell, 65);
            const CellValue ordered = valueAt(sorted, cell, 65);
            EXPECT_EQ(thrown.sorted, sorted) << show(dice);
            EXPECT_EQ(thrown.points, ordered.points) << show(dice) << " in cell " << cell;
            EXPECT_EQ(thrown.figure, ordered.figure) << show(dice);
            EXPECT_EQ(thrown.carré, ordered.carré) << show(dice);
            EXPECT_EQ(thrown.yam, ordered.yam) << show(dice);
        }
    }
}

// ---- The worked values of the rules --------------------------------------

struct Worked {
    Dice dice;
    int cell;
    int turn;
    int egal;  // points of a standing Egal in the column, 0 for none
    int points;
    const char* figure;
};

TEST(CellValueWorked, TheRulesWorkedValues) {
    using sheet::cell;
    const Worked rows[] = {
        {{1, 1, 1, 4, 6}, cell(sheet::Descente, 0), 1, 0, 3, ""},
        {{2, 2, 2, 3, 5}, cell(sheet::Montée, 1), 1, 0, 0, ""},
        {{4, 4, 4, 4, 1}, cell(sheet::Libre, 3), 1, 0, 4, "CARRE = 56"},
        {{5, 1, 2, 3, 3}, cell(sheet::Sèche, 4), 1, 0, -10, ""},
        {{6, 2, 4, 1, 3}, cell(sheet::Annonce, 5), 1, 0, -12, ""},
        {{1, 2, 3, 4, 5}, cell(sheet::Descente, sheet::Suite), 1, 0, 45, "SUITE = 45"},
        {{6, 5, 4, 3, 2}, cell(sheet::Montée, sheet::Suite), 1, 0, 50, "SUITE = 50"},
        {{3, 3, 3, 5, 5}, cell(sheet::Libre, sheet::Full), 1, 0, 39, "FULL = 39"},
        {{2, 2, 2, 2, 5}, cell(sheet::Sèche, sheet::Carré), 1, 0, 48, "CARRE = 48"},
        {{5, 5, 5, 5, 5}, cell(sheet::Annonce, sheet::Full), 1, 0, 45, "YAM = 85"},
        {{5, 5, 5, 5, 5}, cell(sheet::Descente, sheet::Carré), 1, 0, 65, "YAM = 85"},
        {{5, 5, 5, 5, 5}, cell(sheet::Montée, sheet::Yam), 1, 0, 85, "YAM = 85"},
        {{1, 2, 3, 4, 6}, cell(sheet::Libre, sheet::Suite), 1, 0, 0, ""},
        {{6, 6, 5, 5, 4}, cell(sheet::Descente, sheet::Maxi), 1, 20, 26, ""},
        {{6, 6, 5, 5, 4}, cell(sheet::Descente, sheet::Maxi), 1, 26, 0, ""},
        // At turn 65 the Sèche Yam takes the figure, twice a Yam, else the
        // sum; at any other turn, or in any other cell, only a Yam counts there.
        {{3, 4, 4, 5, 6}, kSècheYam, 65, 0, 22, ""},
        {{2, 3, 4, 5, 6}, kSècheYam, 65, 0, 50, "SUITE = 50"},
        {{2, 5, 2, 2, 2}, kSècheYam, 65, 0, 48, "CARRE = 48"},
        {{1, 2, 3, 4, 5}, kSècheYam, 64, 0, 0, "SUITE = 45"},
        {{6, 6, 1, 6, 1}, sheet::cell(sheet::Sèche, sheet::Suite), 65, 0, 0, "FULL = 40"},
        {{6, 6, 6, 6, 6}, sheet::cell(sheet::Libre, sheet::Yam), 65, 0, 90, "YAM = 90"},
        {{2, 2, 2, 6, 6}, kSècheYam, 65, 0, 38, "FULL = 38"},
        {{4, 4, 4, 4, 4}, kSècheYam, 65, 0, 160, "YAM = 80"},
        {{4, 4, 4, 4, 4}, kSècheYam, 12, 0, 80, "YAM = 80"},
    };
    for (const Worked& row : rows) {
        CellQuery query;
        query.cell = row.cell;
        query.turn = row.turn;
        if (row.egal != 0) query.maxiEgalMini[1] = {true, row.egal};
        const CellValue value = valueCell(row.dice, query);
        EXPECT_EQ(value.points, row.points) << show(row.dice) << " in cell " << row.cell;
        EXPECT_EQ(value.figure, row.figure) << show(row.dice) << " in cell " << row.cell;
    }
}

// ---- Maxi above Egal above Mini ------------------------------------------

struct Order {
    const char* why;
    int row;  // Maxi, Egal or Mini
    std::array<OrderNeighbour, 3> maxiEgalMini;
    int points;
};

constexpr OrderNeighbour open(int points = 0) { return {false, points}; }
constexpr OrderNeighbour standing(int points) { return {true, points}; }
constexpr OrderNeighbour crossed() { return {true, 0}; }

TEST(CellValueOrder, MaxiEgalMiniKeepTheirOrderInEveryColumn) {
    const Dice dice{6, 6, 5, 5, 4};  // worth 26
    const Order cases[] = {
        // Maxi must stand strictly above the others.
        {"Maxi alone", sheet::Maxi, {open(), open(), open()}, 26},
        {"Maxi over a lower Egal", sheet::Maxi, {open(), standing(25), open()}, 26},
        {"Maxi equal to Egal", sheet::Maxi, {open(), standing(26), open()}, 0},
        {"Maxi under Egal", sheet::Maxi, {open(), standing(27), open()}, 0},
        {"Maxi equal to Mini", sheet::Maxi, {open(), open(), standing(26)}, 0},
        {"Maxi over Mini", sheet::Maxi, {open(), open(), standing(25)}, 26},
        {"Maxi with a crossed Egal", sheet::Maxi, {open(), crossed(), open()}, 26},
        {"Maxi with an open Egal", sheet::Maxi, {open(), open(30), open(30)}, 26},
        {"Maxi does not read its own place", sheet::Maxi, {standing(30), open(), open()}, 26},
        // Egal must stand strictly between them.
        {"Egal alone", sheet::Egal, {open(), open(), open()}, 26},
        {"Egal equal to Maxi", sheet::Egal, {standing(26), open(), open()}, 0},
        {"Egal over Maxi", sheet::Egal, {standing(25), open(), open()}, 0},
        {"Egal under Maxi", sheet::Egal, {standing(27), open(), open()}, 26},
        {"Egal equal to Mini", sheet::Egal, {open(), open(), standing(26)}, 0},
        {"Egal over Mini", sheet::Egal, {open(), open(), standing(25)}, 26},
        {"Egal between", sheet::Egal, {standing(27), open(), standing(25)}, 26},
        {"Egal with a crossed Maxi", sheet::Egal, {crossed(), open(), open()}, 26},
        {"Egal with a crossed Mini", sheet::Egal, {open(), open(), crossed()}, 26},
        {"Egal with open neighbours", sheet::Egal, {open(20), open(), open(30)}, 26},
        // Mini must stand strictly below the others.
        {"Mini alone", sheet::Mini, {open(), open(), open()}, 26},
        {"Mini equal to Egal", sheet::Mini, {open(), standing(26), open()}, 0},
        {"Mini under Egal", sheet::Mini, {open(), standing(27), open()}, 26},
        {"Mini over Egal", sheet::Mini, {open(), standing(25), open()}, 0},
        {"Mini equal to Maxi", sheet::Mini, {standing(26), open(), open()}, 0},
        {"Mini under Maxi", sheet::Mini, {standing(30), open(), open()}, 26},
        {"Mini under Maxi, over Egal", sheet::Mini, {standing(30), standing(20), open()}, 0},
        {"Mini with crossed neighbours", sheet::Mini, {crossed(), crossed(), open()}, 26},
        {"Mini with open neighbours", sheet::Mini, {open(10), open(10), open()}, 26},
    };
    for (int column = sheet::Descente; column <= sheet::Annonce; ++column) {
        for (const Order& c : cases) {
            CellQuery query;
            query.cell = sheet::cell(column, c.row);
            query.maxiEgalMini = c.maxiEgalMini;
            EXPECT_EQ(valueCell(dice, query).points, c.points) << c.why << ", column " << column;
        }
    }
}

TEST(CellValueOrder, NeighboursDoNotTouchOtherRows) {
    CellQuery query;
    query.cell = sheet::cell(sheet::Libre, sheet::Full);
    query.maxiEgalMini = {standing(40), standing(40), standing(40)};
    EXPECT_EQ(valueCell({3, 3, 3, 5, 5}, query).points, 39);
}

}  // namespace
}  // namespace dravonelle
