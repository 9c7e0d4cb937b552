// Cell addressing of the score sheet: index = 16 × column + row.
#pragma once

#include <array>
#include <string_view>

namespace dravonelle::sheet {

enum Column { Descente = 0, Montée = 1, Libre = 2, Sèche = 3, Annonce = 4 };

inline constexpr int kColumns = 5;
inline constexpr int kCellCount = 83;        // indexes 0 to 82
inline constexpr int kLastSheetCell = 80;    // 81 and 82 are the value buttons
inline constexpr int kScoringCells = 65;

// Rows: 0–5 the numbers, 8 Suite, 9 Full, 10 Carré, 11 Maxi, 12 Egal,
// 13 Mini, 14 Yam; 6, 7 and 15 hold nothing.
enum Row { Suite = 8, Full = 9, Carré = 10, Maxi = 11, Egal = 12, Mini = 13, Yam = 14 };

constexpr int column(int index) { return index / 16; }
constexpr int row(int index) { return index % 16; }
constexpr int cell(int column, int row) { return 16 * column + row; }

constexpr bool isNumberRow(int row) { return row >= 0 && row <= 5; }
constexpr bool isFigureRow(int row) { return row >= 8 && row <= 14; }

// One of the sixty-five cells that take a result.
constexpr bool isScoringCell(int index) {
    return index >= 0 && index < 80 && (isNumberRow(row(index)) || isFigureRow(row(index)));
}

// Cells that exist but are never shown nor opened.
constexpr bool isPlaceholder(int index) { return index >= 0 && index <= 80 && !isScoringCell(index); }

constexpr bool isSèche(int index) { return index >= 48 && index <= 62; }
constexpr bool isAnnonce(int index) { return index >= 64 && index <= 78; }

// The thirteen scoring cells in row order.
inline constexpr std::array<int, 13> kRows{0, 1, 2, 3, 4, 5, 8, 9, 10, 11, 12, 13, 14};

}  // namespace dravonelle::sheet
