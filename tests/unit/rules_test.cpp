// The pure rules: the points of a cell, the numbers total, the order of
// Descente and Montée, and how captions read as numbers.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "rules/cell_value.h"
#include "rules/column_order.h"
#include "rules/sheet_index.h"
#include "rules/totals.h"
#include "rules/number_text.h"

namespace dravonelle {
namespace {

using sheet::cell;
constexpr int kSècheYam = sheet::cell(sheet::Sèche, sheet::Yam);

TEST(CellValue, WorkedValues) {
    struct Row {
        Dice dice;
        int cell, turn, points;
        const char* figure;
    };
    const Row rows[] = {
        // The ones count one each; the other faces play against three of them.
        {{1, 1, 1, 4, 6}, cell(sheet::Descente, 0), 1, 3, ""},
        {{4, 4, 4, 4, 1}, cell(sheet::Libre, 3), 1, 4, "CARRE = 56"},
        {{1, 2, 3, 4, 5}, cell(sheet::Descente, sheet::Suite), 1, 45, "SUITE = 45"},
        {{6, 5, 4, 3, 2}, cell(sheet::Montée, sheet::Suite), 1, 50, "SUITE = 50"},
        {{1, 2, 3, 4, 6}, cell(sheet::Libre, sheet::Suite), 1, 0, ""},
        {{3, 3, 3, 5, 5}, cell(sheet::Libre, sheet::Full), 1, 39, "FULL = 39"},
        {{1, 1, 3, 3, 3}, cell(sheet::Libre, sheet::Full), 1, 31, "FULL = 31"},
        {{1, 1, 2, 3, 3}, cell(sheet::Libre, sheet::Full), 1, 0, ""},
        {{2, 2, 2, 2, 5}, cell(sheet::Sèche, sheet::Carré), 1, 48, "CARRE = 48"},
        {{5, 5, 5, 5, 5}, cell(sheet::Montée, sheet::Yam), 1, 85, "YAM = 85"},
        // At turn 65 the Sèche Yam takes the figure, twice a Yam, else the sum.
        {{3, 4, 4, 5, 6}, kSècheYam, 65, 22, ""},
        {{2, 2, 2, 6, 6}, kSècheYam, 65, 38, "FULL = 38"},
        {{4, 4, 4, 4, 4}, kSècheYam, 65, 160, "YAM = 80"},
        {{4, 4, 4, 4, 4}, kSècheYam, 12, 80, "YAM = 80"},
        {{1, 2, 3, 4, 5}, kSècheYam, 64, 0, "SUITE = 45"},
        // Placeholders and cells off the sheet take nothing.
        {{6, 6, 6, 6, 6}, 81, 65, 0, "YAM = 90"},
    };
    for (const Row& r : rows) {
        CellQuery query;
        query.cell = r.cell;
        query.turn = r.turn;
        const CellValue v = valueCell(r.dice, query);
        EXPECT_EQ(v.points, r.points) << "cell " << r.cell << ", turn " << r.turn << ", " << r.figure;
        EXPECT_EQ(v.figure, r.figure) << "cell " << r.cell;
    }
}

// Maxi stands strictly above Egal, Egal strictly above Mini; an open or
// crossed (0) neighbour does not count. The dice are worth 26.
TEST(CellValue, MaxiEgalMiniKeepTheirOrderInEveryColumn) {
    constexpr OrderNeighbour o{}, x{true, 0};
    const auto at = [](int p) { return OrderNeighbour{true, p}; };
    const std::tuple<int, std::array<OrderNeighbour, 3>, int> cases[] = {
        {sheet::Maxi, {o, o, o}, 26},         {sheet::Maxi, {o, at(25), o}, 26},
        {sheet::Maxi, {o, at(26), o}, 0},     {sheet::Maxi, {o, o, at(26)}, 0},
        {sheet::Maxi, {o, x, o}, 26},         {sheet::Maxi, {o, {false, 30}, o}, 26},
        {sheet::Maxi, {at(30), o, o}, 26},    {sheet::Egal, {at(26), o, o}, 0},
        {sheet::Egal, {at(27), o, at(25)}, 26}, {sheet::Egal, {o, o, at(26)}, 0},
        {sheet::Egal, {x, o, x}, 26},         {sheet::Mini, {o, at(26), o}, 0},
        {sheet::Mini, {o, at(27), o}, 26},    {sheet::Mini, {at(26), o, o}, 0},
        {sheet::Mini, {at(30), at(20), o}, 0}, {sheet::Mini, {x, x, o}, 26},
    };
    for (int column = sheet::Descente; column <= sheet::Annonce; ++column) {
        for (const auto& [row, maxiEgalMini, points] : cases) {
            EXPECT_EQ(valueCell({6, 6, 5, 5, 4}, {cell(column, row), 1, maxiEgalMini}).points, points)
                << "column " << column << ", row " << row << ", " << maxiEgalMini[0].points << " "
                << maxiEgalMini[1].points << " " << maxiEgalMini[2].points;
        }
    }
    EXPECT_EQ(valueCell({3, 3, 3, 5, 5}, {cell(sheet::Libre, sheet::Full), 1, {at(40), at(40), at(40)}}).points,
              39);
}

// SommeChiffres (the six number cells added) gives the numbers total and the
// bonus or malus.
TEST(NumbersTotal, ExamplesAndBoundaries) {
    const int cases[][3] = {{3, 90, 18},   {0, 90, 0},    {1, 90, 6},        {45, 90, 270},
                            {-1, 54, 0},   {-5, 30, 0},   {-10, 0, 0},       {-11, 0, -6},
                            {-54, 0, -264}, {-60, 0, -300}};
    for (const auto& [somme, total, bonus] : cases) {
        const NumbersTotal got = numbersTotal(somme);
        EXPECT_EQ(got.total, total) << "SommeChiffres " << somme;
        EXPECT_EQ(got.bonus, bonus) << "SommeChiffres " << somme;
    }
}

TEST(ColumnOrder, EachPlacedCellOpensTheNext) {
    const auto walk = [](int first) {
        std::vector<int> cells{first};
        while (cells.size() <= 20 && nextCell(cells.back()) != -1) cells.push_back(nextCell(cells.back()));
        return cells;
    };
    // Descente: 1 to 6, S, F, C, +, =, -, Y; Montée the other way.
    EXPECT_EQ(walk(0), (std::vector<int>{0, 1, 2, 3, 4, 5, 8, 9, 10, 11, 12, 13, 14}));
    EXPECT_EQ(walk(30), (std::vector<int>{30, 29, 28, 27, 26, 25, 24, 21, 20, 19, 18, 17, 16}));
    for (int column : {sheet::Libre, sheet::Sèche, sheet::Annonce}) {
        for (int row : sheet::kRows) EXPECT_EQ(nextCell(cell(column, row)), -1) << column << " " << row;
    }
    for (int placed : {-1, 6, 7, 15, 22, 23, 31, 81, 82}) EXPECT_EQ(nextCell(placed), -1) << placed;
}

TEST(NumberText, CaptionsReadAsNumbersAndNumbersWritten) {
    const std::pair<const char*, int> read[] = {
        {"   ", 0}, {"XXX", 0}, {"  -264", -264}, {"+3", 3}, {" 12 points", 12}, {"-", 0}, {"DES = 17", 0},
        {"3.5", 3}, {"99999999999", 2147483647}, {"-99999999999", -2147483648},
    };
    for (const auto& [text, value] : read) EXPECT_EQ(leadingNumber(text), value) << '"' << text << '"';
    EXPECT_EQ(signedNumber(25) + signedNumber(0) + signedNumber(-10), " 25 0-10");
    EXPECT_EQ(plainNumber(-264) + plainNumber(90), "-26490");
    EXPECT_EQ(textLength(" Sèche (1 seul coup) "), 21u);
}

}  // namespace
}  // namespace dravonelle
