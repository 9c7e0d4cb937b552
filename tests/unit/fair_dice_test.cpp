#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "platform/fair_dice.h"

namespace dravonelle {
namespace {

// Chi-square critical values at p = 0.001: a fair die fails these once in a
// thousand seeds, and the seed is fixed.
constexpr double kChi5 = 20.515;
constexpr double kChi35 = 66.619;

template <std::size_t N>
double chiSquare(const std::array<long, N>& counts, double expected) {
    double chi = 0;
    for (long c : counts) chi += (c - expected) * (c - expected) / expected;
    return chi;
}

// Five dice thrown in the same second each reseed from the same clock
// reading: that must not make them equal, nor related.
TEST(FairDice, FacesAndConsecutivePairsAreUniformUnderAOneSecondClock) {
    FairDice dice(20261206);
    constexpr long kThrows = 120000;  // five dice each
    std::array<long, 6> faces{};
    std::array<long, 36> pairs{};
    long allEqual = 0;
    int previous = -1;
    for (long t = 0; t < kThrows; ++t) {
        const float clock = static_cast<float>(36000 + t / 50);  // many throws a second
        bool same = true;
        for (int d = 0; d < 5; ++d) {
            dice.reseed(clock);
            const int face = static_cast<int>(dice.next() * 6) + 1;
            ASSERT_TRUE(face >= 1 && face <= 6);
            same = same && (d == 0 || face == previous);
            ++faces[static_cast<std::size_t>(face - 1)];
            if (previous > 0) ++pairs[static_cast<std::size_t>((previous - 1) * 6 + face - 1)];
            previous = face;
        }
        allEqual += same;
    }
    const long n = kThrows * 5;
    EXPECT_LT(chiSquare(faces, n / 6.0), kChi5);
    EXPECT_LT(chiSquare(pairs, (n - 1) / 36.0), kChi35);
    // A Yam at one throw comes once in 1296.
    EXPECT_NEAR(static_cast<double>(allEqual) / kThrows, 1.0 / 1296, 4 * std::sqrt(kThrows / 1296.0) / kThrows);
}

}  // namespace
}  // namespace dravonelle
