#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "folder_fixture.h"
#include "platform/dealt_dice.h"
#include "platform/fair_dice.h"
#include "records/safe_file.h"

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
        std::array<int, 5> throwFaces{};
        for (int d = 0; d < 5; ++d) {
            dice.reseed(clock);
            const int face = static_cast<int>(dice.next() * 6) + 1;
            ASSERT_GE(face, 1);
            ASSERT_LE(face, 6);
            throwFaces[static_cast<std::size_t>(d)] = face;
            ++faces[static_cast<std::size_t>(face - 1)];
            if (previous > 0) ++pairs[static_cast<std::size_t>((previous - 1) * 6 + face - 1)];
            previous = face;
        }
        allEqual += throwFaces[0] == throwFaces[1] && throwFaces[1] == throwFaces[2] &&
                    throwFaces[2] == throwFaces[3] && throwFaces[3] == throwFaces[4];
    }
    const long n = kThrows * 5;
    EXPECT_LT(chiSquare(faces, n / 6.0), kChi5);
    EXPECT_LT(chiSquare(pairs, (n - 1) / 36.0), kChi35);
    // A Yam at one throw comes once in 1296.
    EXPECT_NEAR(static_cast<double>(allEqual) / kThrows, 1.0 / 1296, 4 * std::sqrt(kThrows / 1296.0) / kThrows);
}

TEST(FairDice, ValuesStayInTheUnitInterval) {
    FairDice dice(0);
    for (int i = 0; i < 100000; ++i) {
        dice.reseed(static_cast<float>(i % 7));
        const double v = dice.next();
        ASSERT_GE(v, 0.0);
        ASSERT_LT(v, 1.0);
    }
}

// A replayed game: the file's faces come out of the game's throw formula in
// order, whatever else the file holds, then the fair dice carry on; a file
// that cannot be read deals nothing.
TEST(DealtDice, FileFacesComeFirstThenTheFairDice) {
    ScratchFolder folder;
    const auto file = folder.path / "faces";
    writeWhole(folder.path, "faces", "3 3 3 1 2\r\n# then a Yam of sixes: 6,6,6,6,6 and 0 7 9 x are no faces\n");
    const auto faces = readDealtFaces(file);
    ASSERT_TRUE(faces.has_value());
    FairDice fair(7);
    DealtDice dice(fair, *faces);
    std::vector<int> thrown;
    for (int i = 0; i < 10; ++i) {
        dice.reseed(12.5f);
        thrown.push_back(static_cast<int>(dice.next() * 6) + 1);
    }
    EXPECT_EQ(thrown, (std::vector<int>{3, 3, 3, 1, 2, 6, 6, 6, 6, 6}));
    for (int i = 0; i < 1000; ++i) {
        const double v = dice.next();
        ASSERT_GE(v, 0.0);
        ASSERT_LT(v, 1.0);
    }
    EXPECT_FALSE(readDealtFaces(folder.path / "missing").has_value());
    EXPECT_FALSE(readDealtFaces(folder.path).has_value());  // a folder
}

}  // namespace
}  // namespace dravonelle
