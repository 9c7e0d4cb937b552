#include "platform/fair_dice.h"

#include <bit>
#include <cstring>

namespace dravonelle {
namespace {

std::uint64_t splitmix(std::uint64_t& x) {
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

}  // namespace

FairDice::FairDice(std::uint64_t seed) {
    for (auto& word : s_) word = splitmix(seed);
}

void FairDice::reseed(float secondsSinceMidnight) {
    // The clock adds a little of the player's moment to the state; the state
    // itself carries on, so equal clock readings give different dice.
    std::uint32_t bits;
    std::memcpy(&bits, &secondsSinceMidnight, sizeof bits);
    std::uint64_t x = bits;
    s_[0] ^= splitmix(x);
    if ((s_[0] | s_[1] | s_[2] | s_[3]) == 0) s_[0] = 1;  // xoshiro's one forbidden state
    step();
}

std::uint64_t FairDice::step() {
    const std::uint64_t result = std::rotl(s_[1] * 5, 7) * 9;
    const std::uint64_t t = s_[1] << 17;
    s_[2] ^= s_[0];
    s_[3] ^= s_[1];
    s_[1] ^= s_[2];
    s_[0] ^= s_[3];
    s_[2] ^= t;
    s_[3] = std::rotl(s_[3], 45);
    return result;
}

double FairDice::next() { return static_cast<double>(step() >> 11) * 0x1.0p-53; }

}  // namespace dravonelle
