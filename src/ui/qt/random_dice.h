// The dice of the window: a 64-bit Mersenne twister seeded by the system's
// entropy. Reseeding with the time of day stirs the time into the running
// state, so two reseeds in the same second still lead to different throws.
#pragma once

#include <random>

#include "ui/platform.h"

namespace dravonelle {

class RandomDice : public DiceGenerator {
public:
    RandomDice();
    void reseed(float secondsSinceMidnight) override;
    double next() override;

private:
    std::mt19937_64 engine_;
};

}  // namespace dravonelle
