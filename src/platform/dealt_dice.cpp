#include "platform/dealt_dice.h"

#include <fstream>
#include <iterator>
#include <string>

namespace dravonelle {

std::optional<std::deque<int>> readDealtFaces(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::deque<int> faces;
    for (char c : text) {
        if (c >= '1' && c <= '6') faces.push_back(c - '0');
    }
    return faces;
}

double DealtDice::next() {
    if (faces_.empty()) return then_.next();
    const int face = faces_.front();
    faces_.pop_front();
    return valueForFace(face);
}

}  // namespace dravonelle
