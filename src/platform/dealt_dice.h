// Dice dealt in advance, for replaying a known game in the window: the faces
// of a file come first, in order, then the fair dice take over.
#pragma once

#include "platform/layer.h"

#include <deque>
#include <filesystem>
#include <optional>

#include "platform/platform.h"

namespace dravonelle {

// The faces written in a file: digits 1 to 6, anything else between them
// ignored ("3 3 3 1 2" or one throw a line). Nothing when the file cannot be
// read.
std::optional<std::deque<int>> readDealtFaces(const std::filesystem::path& file);

class DealtDice : public DiceGenerator {
public:
    DealtDice(DiceGenerator& then, std::deque<int> faces) : then_(then), faces_(std::move(faces)) {}

    void reseed(float secondsSinceMidnight) override { then_.reseed(secondsSinceMidnight); }
    double next() override;

private:
    DiceGenerator& then_;
    std::deque<int> faces_;
};

}  // namespace dravonelle
