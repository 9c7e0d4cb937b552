// Five dice, positions 0 to 4 from left to right (keys W X C V B).
#pragma once

#include <array>

namespace dravonelle {

using Dice = std::array<int, 5>;

}  // namespace dravonelle
