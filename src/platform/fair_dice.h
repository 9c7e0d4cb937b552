// The dice generator of the game: a xoshiro256** sequence into which the
// time of day is mixed before each die. Mixing never restarts the sequence,
// so five dice thrown within the same second stay independent.
#pragma once

#include "platform/layer.h"

#include <array>
#include <cstdint>

#include "platform/platform.h"

namespace dravonelle {

class FairDice : public DiceGenerator {
public:
    explicit FairDice(std::uint64_t seed);
    void reseed(float secondsSinceMidnight) override;
    double next() override;

private:
    std::uint64_t step();
    std::array<std::uint64_t, 4> s_{};
};

}  // namespace dravonelle
