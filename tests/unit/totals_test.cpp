#include "rules/totals.h"

#include <gtest/gtest.h>

namespace dravonelle {
namespace {

struct Example {
    int sommeChiffres;
    int total;
    int bonus;
};

TEST(NumbersTotal, ExamplesAndBoundaries) {
    const Example examples[] = {
        // Sheets played out: 3,0,0,0,0,0 / 2,-2,0,0,0,0 / 1,-6,0,0,0,0 /
        // 0,-6,0,0,-5,0 / 0,-4,-9,-8,-15,-18.
        {3, 90, 18},
        {0, 90, 0},
        {-5, 30, 0},
        {-11, 0, -6},
        {-54, 0, -264},
        // Where the rule changes, and the ends of what six number cells reach.
        {-10, 0, 0},
        {-1, 54, 0},
        {1, 90, 6},
        {45, 90, 270},
        {-60, 0, -300},
    };
    for (const Example& e : examples) {
        const NumbersTotal got = numbersTotal(e.sommeChiffres);
        EXPECT_EQ(got.total, e.total) << "SommeChiffres " << e.sommeChiffres;
        EXPECT_EQ(got.bonus, e.bonus) << "SommeChiffres " << e.sommeChiffres;
    }
}

// Each point of SommeChiffres is worth six to the column, and reaching par
// is worth thirty more on top; nothing jumps anywhere else.
TEST(NumbersTotal, EachPointIsWorthSixAndParThirtyMore) {
    auto added = [](int somme) {
        const NumbersTotal t = numbersTotal(somme);
        return t.total + t.bonus;
    };
    for (int somme = -59; somme <= 45; ++somme) {
        const int step = added(somme) - added(somme - 1);
        EXPECT_EQ(step, somme == 0 ? 36 : 6) << "SommeChiffres " << somme;
    }
    for (int somme = -60; somme <= 45; ++somme) {
        const NumbersTotal t = numbersTotal(somme);
        EXPECT_TRUE(t.total >= 0 && t.total <= 90) << "SommeChiffres " << somme;
        // A malus and a shortened total never come together.
        EXPECT_TRUE(t.bonus >= 0 || t.total == 0) << "SommeChiffres " << somme;
        EXPECT_TRUE(t.bonus <= 0 || t.total == 90) << "SommeChiffres " << somme;
    }
}

}  // namespace
}  // namespace dravonelle
