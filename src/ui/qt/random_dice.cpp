#include "ui/qt/random_dice.h"

#include <array>
#include <bit>
#include <cstdint>

namespace dravonelle {

RandomDice::RandomDice() {
    std::random_device entropy;
    std::seed_seq seed{entropy(), entropy(), entropy(), entropy(),
                       entropy(), entropy(), entropy(), entropy()};
    engine_.seed(seed);
}

void RandomDice::reseed(float secondsSinceMidnight) {
    // The new state grows from the old one and the time together: the
    // sequence goes on, it never starts again from a value the time alone
    // would give.
    const auto time = std::bit_cast<std::uint32_t>(secondsSinceMidnight);
    std::array<std::uint32_t, 17> words{};
    for (std::size_t i = 0; i + 1 < words.size(); i += 2) {
        const std::uint64_t w = engine_();
        words[i] = static_cast<std::uint32_t>(w);
        words[i + 1] = static_cast<std::uint32_t>(w >> 32);
    }
    words.back() = time;
    std::seed_seq seed(words.begin(), words.end());
    engine_.seed(seed);
}

double RandomDice::next() {
    // The top 53 bits make a double in [0, 1) that never reaches 1.
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

}  // namespace dravonelle
