#include "rules/column_order.h"

#include <gtest/gtest.h>

#include <vector>

#include "rules/sheet_index.h"

namespace dravonelle {
namespace {

// The cells a column opens one after another from its first cell.
std::vector<int> walk(int first) {
    std::vector<int> cells{first};
    while (cells.size() <= 20) {
        const int next = nextCell(cells.back());
        if (next == -1) break;
        cells.push_back(next);
    }
    return cells;
}

TEST(ColumnOrder, DescenteGoesFromTheOnesDownToTheYam) {
    // 1, 2, 3, 4, 5, 6, S, F, C, +, =, -, Y
    EXPECT_EQ(walk(0), (std::vector<int>{0, 1, 2, 3, 4, 5, 8, 9, 10, 11, 12, 13, 14}));
}

TEST(ColumnOrder, MontéeGoesFromTheYamUpToTheOnes) {
    // Y, -, =, +, C, F, S, 6, 5, 4, 3, 2, 1
    EXPECT_EQ(walk(30), (std::vector<int>{30, 29, 28, 27, 26, 25, 24, 21, 20, 19, 18, 17, 16}));
}

TEST(ColumnOrder, ColumnsWithoutOrderOpenNothing) {
    for (int column : {sheet::Libre, sheet::Sèche, sheet::Annonce}) {
        for (int row : sheet::kRows) {
            EXPECT_EQ(nextCell(sheet::cell(column, row)), -1) << "column " << column << " row " << row;
        }
    }
}

TEST(ColumnOrder, LastCellsPlaceholdersAndNoCellOpenNothing) {
    for (int placed : {14, 16, -1, 6, 7, 15, 22, 23, 31, 79, 80, 81, 82}) {
        EXPECT_EQ(nextCell(placed), -1) << "cell " << placed;
    }
}

}  // namespace
}  // namespace dravonelle
