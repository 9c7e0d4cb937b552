// The odds at the next throw, by the game's own table of cases: each entry
// is the exact count of the outcomes of the free dice that make the figure.
#include "rules/odds.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace dravonelle {
namespace {

// A Suite is still possible when no fixed value repeats and 1 and 6 are not
// both fixed; it then has one or two straights left.
int suite(const std::vector<int>& v) {
    if (std::adjacent_find(v.begin(), v.end()) != v.end()) return 0;
    const bool un = v.front() == 1, six = v.back() == 6;
    if (un && six) return 0;
    static constexpr int kUneSuite[] = {0, 24, 6, 2, 1};  // by number of fixed dice
    const int une = kUneSuite[v.size()];
    return un || six ? une : 2 * une;
}

Chances trois(const std::vector<int>& v) {
    const int a = v[0], b = v[1], c = v[2];
    if (a == c) return {0, 6, 11, 1, 36};
    if (a == b || b == c) return {0, 3, 1, 0, 36};
    return {0, 0, 0, 0, 36};
}

Chances quatre(const std::vector<int>& v) {
    const int a = v[0], b = v[1], c = v[2], d = v[3];
    if (a == d) return {0, 1, 6, 1, 6};
    if ((a == c && c != d) || (a != b && b == d)) return {0, 1, 1, 0, 6};
    if (a == b && b != c && c == d) return {0, 2, 0, 0, 6};
    return {0, 0, 0, 0, 6};
}

// Decimal digits of k / 10^decimales, without trailing zeros, without the
// point when whole, and without a leading zero below 1: 3086 → "3.086",
// 77 → ".077", 100000 → "100".
std::string décimal(long long k, int decimales) {
    long long unité = 1;
    for (int i = 0; i < decimales; ++i) unité *= 10;
    std::string texte = k >= unité ? std::to_string(k / unité) : "";
    std::string fraction = std::to_string(k % unité);
    fraction.insert(0, static_cast<std::size_t>(decimales) - fraction.size(), '0');
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
    if (!fraction.empty()) texte += "." + fraction;
    return texte.empty() ? "0" : texte;
}

}  // namespace

Chances chancesDés(std::span<const int> fixés) {
    std::vector<int> v(fixés.begin(), fixés.end());
    std::sort(v.begin(), v.end());
    switch (v.size()) {
        case 0:
            return kChancesDébut;
        case 1:
            return {suite(v), 51, 26, 1, 1296};
        case 2: {
            const bool paire = v[0] == v[1];
            return {suite(v), paire ? 21 : 6, paire ? 16 : 2, paire ? 1 : 0, 216};
        }
        case 3: {
            Chances c = trois(v);
            c[kSuite] = suite(v);
            return c;
        }
        case 4: {
            Chances c = quatre(v);
            c[kSuite] = suite(v);
            return c;
        }
        default:
            return {0, 0, 0, 0, 1};
    }
}

Chances chancesÉtiquette(std::string_view figure) {
    const char f = figure.empty() ? ' ' : figure.front();
    return {figure == "SUITE = 50" || figure == "SUITE = 45", f == 'F', f == 'C', f == 'Y', 1};
}

// Both cut, not rounded, in double precision as the game computes them: the
// percent to three decimals, the fraction to one.
std::string textePourcentage(int favorables, int possibles) {
    if (favorables == 0) return "0%";
    const double p = std::floor(100000.0 * favorables / possibles);
    return décimal(static_cast<long long>(p), 3) + "%";
}

std::string texteFraction(int favorables, int possibles) {
    if (favorables == 0) return "0/1";
    const double f = std::floor(10.0 * possibles / favorables);
    return "1/" + décimal(static_cast<long long>(f), 1);
}

std::string texteChance(int row, bool fraction) {
    static constexpr const char* kFigures[] = {"une Suite au prochain jet ", "un Full au prochain jet ",
                                               "un Carré au prochain jet ", "un Yam au prochain jet "};
    if (row < 12 || row > 15) return {};
    return std::string(" Chance de réaliser ") + kFigures[row - 12] +
           (fraction ? "exprimée en Fraction " : "exprimée en Pourcentage ");
}

}  // namespace dravonelle
