// The tables of the advisor's reckoning, made once: the 252 hands of five
// dice, the 462 ways to keep up to five, what throwing the others gives, and
// what each row of the sheet takes for each hand.
#pragma once

#include "advisor/layer.h"

#include <array>
#include <cstdint>
#include <vector>

#include "rules/dice.h"

namespace dravonelle::conseil {

inline constexpr int kMains = 252;   // hands of five dice, in no order
inline constexpr int kGardes = 462;  // sets of zero to five dice, in no order

using ParMain = std::array<double, kMains>;
using ParGarde = std::array<double, kGardes>;

struct Issue {
    std::int16_t main;  // the hand the throw ends in
    double probabilité;
};

struct Mains {
    // Each set of dice by how many of each face it holds.
    std::array<std::array<std::int8_t, 6>, kGardes> compte{};
    std::array<std::int8_t, kGardes> taille{};
    std::array<std::int16_t, kGardes> mainDeGarde{};  // its hand when it holds five dice, else -1
    std::array<std::int16_t, kMains> gardeDeMain{};   // the set of each hand
    std::array<Dice, kMains> dés{};                   // each hand's dice in order
    std::array<int, kMains> somme{};
    // What the throw of the others gives, for each set kept: issues
    // [débutIssues[g], débutIssues[g + 1]).
    std::vector<int> débutIssues;
    std::vector<Issue> issues;
    // The distinct sets a hand can keep, the largest first (the hand itself
    // first of all): [débutSous[m], débutSous[m + 1]).
    std::vector<int> débutSous;
    std::vector<std::int16_t> sous;
    // The points of each row (0-14, Libre's cells) for each hand, at an
    // ordinary turn and with no Maxi Egal Mini standing.
    std::array<std::array<int, 15>, kMains> points{};
    // A hand of each sum, 5 to 30.
    std::array<std::int16_t, 31> mainDeSomme{};

    int garde(const std::array<int, 6>& compte) const;  // the set holding these faces
    int main(const Dice& dés) const;                    // the hand of five dice
};

const Mains& mains();

// The expectations of every set kept, when the hand reached is worth `v`.
void espérances(const ParMain& v, ParGarde& e);

}  // namespace dravonelle::conseil
