// The odds of each figure at the next throw: the counts of favourable
// outcomes from the fixed dice, by the game's table of cases, and the texts
// the statistics table shows for them.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace dravonelle {

// ChancesFigures: favourable outcomes for Suite, Full, Carré and Yam, then
// the number of possible outcomes of the dice still to be thrown.
using Chances = std::array<int, 5>;
enum Chance { kSuite = 0, kFull = 1, kCarré = 2, kYam = 3, kPossibles = 4 };

// Before the first throw of a draw, whatever is kept.
inline constexpr Chances kChancesDébut{240, 306, 156, 6, 7776};

// Zero to four fixed dice, in any order: the table of cases. Five or more
// fixed dice are not counted here (the figure label decides them).
Chances chancesDés(std::span<const int> fixés);

// No die left to throw: one outcome, and the figure the label names is the
// only one made ("SUITE = 45", "FULL = 32", "CARRE = 56", "YAM = 85", "").
Chances chancesÉtiquette(std::string_view figure);

// The per-game column: "3.086%", ".077%", "100%", "0%".
std::string textePourcentage(int favorables, int possibles);
// The since-creation column: "1/32.4", "1/1296", "1/1", "0/1".
std::string texteFraction(int favorables, int possibles);

// The bubble over rows 12 to 15: in percent over the per-game column, as a
// fraction over the since-creation column. Empty for any other row.
std::string texteChance(int row, bool fraction);

}  // namespace dravonelle
