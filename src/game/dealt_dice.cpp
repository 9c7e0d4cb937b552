#include "game/dealt_dice.h"

#include <string>

#include "records/safe_file.h"

namespace dravonelle {

std::optional<std::deque<int>> readDealtFaces(const std::filesystem::path& file) {
    const auto text = readWhole(file.parent_path(), file.filename().string());
    if (!text) return std::nullopt;
    std::deque<int> faces;
    for (char c : *text) {
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
