// The odds at the next throw: the table of cases against every outcome of
// the free dice, the five-fixed rule, and the texts; odds_* scenarios show
// the rows as the window fills them.
#include "rules/odds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <tuple>
#include <vector>

#include "rules/cell_value.h"

namespace dravonelle {
namespace {

// Suite, Full, Carré, Yam of five dice, judged from their counts.
std::array<bool, 4> judge(const std::vector<int>& five) {
    std::array<int, 7> n{};
    for (int d : five) ++n[static_cast<std::size_t>(d)];
    const int most = *std::ranges::max_element(n);
    const bool run = std::ranges::count(n, 1) == 5 && (n[1] == 0 || n[6] == 0);
    const bool full = std::ranges::count(n, 3) == 1 && std::ranges::count(n, 2) == 1;
    return {run, full || most == 5, most >= 4, most == 5};
}

// Every multiset of 0 to 4 fixed dice (210 of them), in any order, against
// every outcome of the dice still to throw.
TEST(ChancesDés, EveryEntryIsTheCountOfTheFreeDiceOutcomes) {
    int sets = 0;
    for (int code = 0; code < 7 * 7 * 7 * 7; ++code) {
        std::vector<int> fixés;
        for (int rest = code; rest > 0; rest /= 7) fixés.push_back(rest % 7);
        if (std::ranges::count(fixés, 0) > 0 || !std::ranges::is_sorted(fixés)) continue;
        ++sets;
        const int free = 5 - static_cast<int>(fixés.size());
        Chances want{0, 0, 0, 0, 1};
        for (int i = 0; i < free; ++i) want[kPossibles] *= 6;
        for (int outcome = 0; outcome < want[kPossibles]; ++outcome) {
            std::vector<int> five = fixés;
            for (int i = 0, rest = outcome; i < free; ++i, rest /= 6) five.push_back(1 + rest % 6);
            const auto f = judge(five);
            for (int k = 0; k < 4; ++k) want[static_cast<std::size_t>(k)] += f[static_cast<std::size_t>(k)];
        }
        std::vector<int> reversed(fixés.rbegin(), fixés.rend());
        EXPECT_EQ(chancesDés(fixés), want) << code;
        EXPECT_EQ(chancesDés(reversed), want) << code;
    }
    EXPECT_EQ(sets, 1 + 6 + 21 + 56 + 126);
    EXPECT_EQ(chancesDés(std::vector<int>{}), kChancesDébut);
}

// No die left: the label names the only figure made, the last test winning.
TEST(ChancesÉtiquette, EveryThrowCountsTheFigureItsLabelNames) {
    for (int code = 0; code < 7776; ++code) {
        Dice dice{};
        for (int k = 4, rest = code; k >= 0; --k, rest /= 6) dice[static_cast<std::size_t>(k)] = 1 + rest % 6;
        const auto f = judge({dice.begin(), dice.end()});
        const Chances want{f[0], f[1] && !f[2], f[2] && !f[3], f[3], 1};
        EXPECT_EQ(chancesÉtiquette(valueCell(dice, {}).figure), want) << code;
    }
    EXPECT_EQ(chancesÉtiquette("SUITE = 4"), (Chances{0, 0, 0, 0, 1}));
    EXPECT_EQ(chancesÉtiquette("F"), (Chances{0, 1, 0, 0, 1}));
}

// The percent cut (never rounded) to three decimals, the fraction to one.
TEST(TexteOdds, PercentAndFraction) {
    const std::tuple<int, int, const char*, const char*> cases[] = {
        {0, 6, "0%", "0/1"},          {6, 6, "100%", "1/1"},         {240, 7776, "3.086%", "1/32.4"},
        {11, 36, "30.555%", "1/3.2"}, {27, 216, "12.5%", "1/8"},     {1, 7776, ".012%", "1/7776"},
        {2, 6, "33.333%", "1/3"},     {5, 1296, ".385%", "1/259.2"}, {1295, 1296, "99.922%", "1/1"},
    };
    for (const auto& [favorables, possibles, pourcentage, fraction] : cases) {
        EXPECT_EQ(textePourcentage(favorables, possibles), pourcentage) << favorables << "/" << possibles;
        EXPECT_EQ(texteFraction(favorables, possibles), fraction) << favorables << "/" << possibles;
    }
}

}  // namespace
}  // namespace dravonelle
