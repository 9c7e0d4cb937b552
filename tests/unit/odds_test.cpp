// The odds at the next throw: the table of cases against every outcome of
// the free dice, the five-fixed rule, the display texts, and the odds rows
// of the statistics table as the window fills them.
#include "rules/odds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "rules/cell_value.h"
#include "window_fixture.h"

namespace dravonelle {
namespace {

// ---- An independent judge of five dice ---------------------------------

struct Figures {
    bool suite, full, carré, yam;
};

Figures judge(const std::vector<int>& five) {
    std::array<int, 7> count{};
    for (int d : five) ++count[static_cast<std::size_t>(d)];
    const int most = *std::max_element(count.begin(), count.end());
    const bool three = std::find(count.begin(), count.end(), 3) != count.end();
    const bool two = std::find(count.begin(), count.end(), 2) != count.end();
    const bool low = count[1] == 1 && count[2] == 1 && count[3] == 1 && count[4] == 1 && count[5] == 1;
    const bool high = count[2] == 1 && count[3] == 1 && count[4] == 1 && count[5] == 1 && count[6] == 1;
    return {low || high, (three && two) || most == 5, most >= 4, most == 5};
}

// Every outcome of the dice still to throw, counted figure by figure.
Chances enumerate(const std::vector<int>& fixés) {
    const int free = 5 - static_cast<int>(fixés.size());
    int outcomes = 1;
    for (int i = 0; i < free; ++i) outcomes *= 6;
    Chances c{0, 0, 0, 0, outcomes};
    for (int code = 0; code < outcomes; ++code) {
        std::vector<int> five = fixés;
        for (int i = 0, rest = code; i < free; ++i, rest /= 6) five.push_back(1 + rest % 6);
        const Figures f = judge(five);
        c[kSuite] += f.suite;
        c[kFull] += f.full;
        c[kCarré] += f.carré;
        c[kYam] += f.yam;
    }
    return c;
}

// Every multiset of n fixed dice, ascending.
void multisets(int n, int from, std::vector<int>& current, std::vector<std::vector<int>>& all) {
    if (static_cast<int>(current.size()) == n) {
        all.push_back(current);
        return;
    }
    for (int face = from; face <= 6; ++face) {
        current.push_back(face);
        multisets(n, face, current, all);
        current.pop_back();
    }
}

std::string show(const std::vector<int>& dice) {
    std::string text = "fixed:";
    for (int d : dice) text += " " + std::to_string(d);
    return text;
}

TEST(ChancesDés, EveryTableEntryIsTheCountOfTheFreeDiceOutcomes) {
    int sets = 0;
    for (int n = 0; n <= 4; ++n) {
        std::vector<std::vector<int>> all;
        std::vector<int> current;
        multisets(n, 1, current, all);
        for (const std::vector<int>& fixés : all) {
            SCOPED_TRACE(show(fixés));
            const Chances want = enumerate(fixés);
            EXPECT_EQ(chancesDés(fixés), want);
            // The dice are fixed in die order, not sorted: the count must
            // not depend on it.
            std::vector<int> reversed(fixés.rbegin(), fixés.rend());
            EXPECT_EQ(chancesDés(reversed), want);
            std::vector<int> rotated = fixés;
            if (!rotated.empty()) std::rotate(rotated.begin(), rotated.begin() + 1, rotated.end());
            EXPECT_EQ(chancesDés(rotated), want);
            ++sets;
        }
    }
    EXPECT_EQ(sets, 1 + 6 + 21 + 56 + 126);
}

TEST(ChancesDés, TheGameGivesTheseCountsByName) {
    EXPECT_EQ(chancesDés(std::vector<int>{}), (Chances{240, 306, 156, 6, 7776}));
    EXPECT_EQ(chancesDés(std::vector<int>{1}), (Chances{24, 51, 26, 1, 1296}));
    EXPECT_EQ(chancesDés(std::vector<int>{6}), (Chances{24, 51, 26, 1, 1296}));
    EXPECT_EQ(chancesDés(std::vector<int>{3}), (Chances{48, 51, 26, 1, 1296}));
    EXPECT_EQ(chancesDés(std::vector<int>{6, 1}), (Chances{0, 6, 2, 0, 216}));
    EXPECT_EQ(chancesDés(std::vector<int>{4, 4}), (Chances{0, 21, 16, 1, 216}));
    EXPECT_EQ(chancesDés(std::vector<int>{2, 3, 4}), (Chances{4, 0, 0, 0, 36}));
    EXPECT_EQ(chancesDés(std::vector<int>{5, 2, 5}), (Chances{0, 3, 1, 0, 36}));
    EXPECT_EQ(chancesDés(std::vector<int>{5, 5, 5}), (Chances{0, 6, 11, 1, 36}));
    EXPECT_EQ(chancesDés(std::vector<int>{5, 2, 4, 3}), (Chances{2, 0, 0, 0, 6}));
    EXPECT_EQ(chancesDés(std::vector<int>{1, 2, 3, 4}), (Chances{1, 0, 0, 0, 6}));
    EXPECT_EQ(chancesDés(std::vector<int>{2, 2, 2, 2}), (Chances{0, 1, 6, 1, 6}));
    EXPECT_EQ(chancesDés(std::vector<int>{2, 6, 6, 6}), (Chances{0, 1, 1, 0, 6}));
    EXPECT_EQ(chancesDés(std::vector<int>{3, 1, 1, 3}), (Chances{0, 2, 0, 0, 6}));
    EXPECT_EQ(chancesDés(std::vector<int>{1, 1, 3, 4}), (Chances{0, 0, 0, 0, 6}));
}

// ---- Five fixed dice: the figure label decides ------------------------------

TEST(ChancesÉtiquette, TheLabelNamesOneFigureOnly) {
    EXPECT_EQ(chancesÉtiquette("SUITE = 45"), (Chances{1, 0, 0, 0, 1}));
    EXPECT_EQ(chancesÉtiquette("SUITE = 50"), (Chances{1, 0, 0, 0, 1}));
    EXPECT_EQ(chancesÉtiquette("FULL = 39"), (Chances{0, 1, 0, 0, 1}));
    EXPECT_EQ(chancesÉtiquette("CARRE = 48"), (Chances{0, 0, 1, 0, 1}));
    EXPECT_EQ(chancesÉtiquette("YAM = 85"), (Chances{0, 0, 0, 1, 1}));
    EXPECT_EQ(chancesÉtiquette(""), (Chances{0, 0, 0, 0, 1}));
    // Only the two exact Suite texts; the others by their first letter.
    EXPECT_EQ(chancesÉtiquette("SUITE = 4"), (Chances{0, 0, 0, 0, 1}));
    EXPECT_EQ(chancesÉtiquette("SUITE"), (Chances{0, 0, 0, 0, 1}));
    EXPECT_EQ(chancesÉtiquette("F"), (Chances{0, 1, 0, 0, 1}));
}

TEST(ChancesÉtiquette, EveryThrowCountsTheFigureItsLabelNames) {
    for (int code = 0; code < 7776; ++code) {
        Dice dice{};
        for (int k = 4, rest = code; k >= 0; --k, rest /= 6) dice[static_cast<std::size_t>(k)] = 1 + rest % 6;
        const Figures f = judge({dice.begin(), dice.end()});
        // The last figure test wins the label: a Yam is no Full, no Carré.
        const bool carré = f.carré && !f.yam, full = f.full && !f.yam && !f.carré;
        const Chances want{f.suite, full, carré, f.yam, 1};
        EXPECT_EQ(chancesÉtiquette(valueCell(dice, {}).figure), want) << code;
    }
}

// ---- The texts of the statistics table -----------------------------------

TEST(TexteOdds, PercentCutToThreeDecimalsFractionToOne) {
    struct Case {
        int favorables, possibles;
        const char *pourcentage, *fraction;
    };
    // The exhaustive check below pins every other count by its form; these
    // are the ones it leaves out, and a few as the game shows them.
    const Case cases[] = {
        {0, 6, "0%", "0/1"},          {0, 7776, "0%", "0/1"},
        {6, 6, "100%", "1/1"},        {240, 7776, "3.086%", "1/32.4"},
        {11, 36, "30.555%", "1/3.2"}, {27, 216, "12.5%", "1/8"},
        {1, 7776, ".012%", "1/7776"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.favorables) + "/" + std::to_string(c.possibles));
        EXPECT_EQ(textePourcentage(c.favorables, c.possibles), c.pourcentage);
        EXPECT_EQ(texteFraction(c.favorables, c.possibles), c.fraction);
    }
}

// A number as the table writes it: digits, at most one point, no leading
// zero, no trailing zero after the point; read back, the value cut to its
// last digit.
void expectCut(const std::string& n, double exact, double step) {
    SCOPED_TRACE(n);
    ASSERT_FALSE(n.empty());
    EXPECT_NE(n.front(), '0');
    EXPECT_EQ(n.find_first_not_of("0123456789."), std::string::npos);
    if (n.find('.') != std::string::npos) {
        EXPECT_EQ(n.find('.'), n.rfind('.'));
        EXPECT_NE(n.back(), '0');
        EXPECT_NE(n.back(), '.');
    }
    const double shown = std::stod(n);
    EXPECT_LE(shown, exact + 1e-9);
    EXPECT_GT(shown + step, exact + 1e-9);
}

TEST(TexteOdds, EveryCountTheTablesCanGiveIsWrittenInItsForm) {
    for (int possibles : {1, 6, 36, 216, 1296, 7776}) {
        for (int c = 1; c <= possibles; ++c) {
            SCOPED_TRACE(std::to_string(c) + "/" + std::to_string(possibles));
            const std::string p = textePourcentage(c, possibles), f = texteFraction(c, possibles);
            ASSERT_EQ(p.back(), '%');
            ASSERT_EQ(f.substr(0, 2), "1/");
            expectCut(p.substr(0, p.size() - 1), 100.0 * c / possibles, 0.001);
            expectCut(f.substr(2), static_cast<double>(possibles) / c, 0.1);
        }
    }
}

// ---- The odds rows as the window fills them ---------------------------------

// The odds rows of the statistics table after Pourcentage: the counts, and
// each row's texts those of its count. odds_throw_and_release plays a draw
// through as the game does.
struct Odds : WindowFixture {
    void set(Dice dés, std::array<bool, 5> gardés, int jet, const std::string& figure = "") {
        jeu.Dés = dés;
        jeu.DésGardés = gardés;
        jeu.NuméroJet = jet;
        jeu.TotalFigure.setCaption(figure);
        jeu.Pourcentage();
    }
    void expectOdds(const Chances& want) {
        EXPECT_EQ(jeu.ChancesFigures, want);
        for (int f = 0; f < 4; ++f) {
            EXPECT_EQ(jeu.Stats2(12 + f).caption(), textePourcentage(want[f], want[4])) << f;
            EXPECT_EQ(jeu.Stats3(12 + f).caption(), texteFraction(want[f], want[4])) << f;
        }
    }
};

TEST(Pourcentage, TheDrawDecidesWhatIsCounted) {
    struct Case {
        const char* what;
        Dice dés;
        const char* gardés;  // x for a die kept
        int jet;
        const char* figure;
        Chances want;
    };
    const Case cases[] = {
        {"before the first throw", {6, 6, 6, 6, 6}, "xxxxx", 0, "YAM = 90", {240, 306, 156, 6, 7776}},
        {"before it, some kept", {6, 6, 6, 6, 6}, "x.x..", 0, "YAM = 90", {240, 306, 156, 6, 7776}},
        // The kept dice in die order are the fixed ones.
        {"the first die kept", {1, 5, 3, 6, 1}, "x....", 1, "", {24, 51, 26, 1, 1296}},
        {"the third die kept", {1, 5, 3, 6, 1}, "..x..", 2, "", {48, 51, 26, 1, 1296}},
        {"a one and a six kept", {1, 5, 3, 6, 1}, "x..x.", 1, "", {0, 6, 2, 0, 216}},
        {"four kept for a Suite", {2, 4, 5, 3, 2}, "xxxx.", 1, "", {2, 0, 0, 0, 6}},
        {"four kept", {4, 4, 1, 4, 4}, "xx.xx", 2, "", {0, 1, 6, 1, 6}},
        // After the third throw the label decides, kept or not, even a label
        // left from other dice.
        {"third throw", {3, 3, 3, 5, 5}, ".....", 3, "FULL = 39", {0, 1, 0, 0, 1}},
        {"third throw, another label", {3, 3, 3, 5, 5}, "x.x..", 3, "SUITE = 50", {1, 0, 0, 0, 1}},
        {"third throw, no label", {1, 1, 1, 4, 6}, "xxxxx", 3, "", {0, 0, 0, 0, 1}},
        // Five kept dice that form a Yam are a Yam only.
        {"five kept", {2, 2, 2, 2, 2}, "xxxxx", 1, "YAM = 70", {0, 0, 0, 1, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::array<bool, 5> gardés{};
        for (std::size_t i = 0; i < 5; ++i) gardés[i] = c.gardés[i] == 'x';
        Odds o;
        o.set(c.dés, gardés, c.jet, c.figure);
        o.expectOdds(c.want);
    }
}

TEST(Pourcentage, TheOtherRowsOfTheTableAreLeftAlone) {
    Odds o;
    o.jeu.Stats2(11).setCaption("7");
    o.jeu.Stats3(16).setCaption("1/?");
    o.set({1, 2, 3, 4, 5}, {}, 0);
    EXPECT_EQ(o.jeu.Stats2(11).caption(), "7");
    EXPECT_EQ(o.jeu.Stats3(16).caption(), "1/?");
    EXPECT_EQ(o.jeu.Stats2(16).caption(), "%");
}

}  // namespace
}  // namespace dravonelle
