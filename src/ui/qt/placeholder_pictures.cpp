#include "ui/qt/placeholder_pictures.h"

#include <QPainter>
#include <array>
#include <charconv>
#include <optional>
#include <string_view>

namespace dravonelle {
namespace {

constexpr int kSize = 128;  // drawn large, scaled down sharp on any screen

// The number between the parentheses of "GrosDésImage(13)".
std::optional<int> storeIndex(std::string_view name, std::string_view store) {
    if (name.size() < store.size() + 3 || name.substr(0, store.size()) != store) return std::nullopt;
    if (name[store.size()] != '(' || name.back() != ')') return std::nullopt;
    const std::string_view digits = name.substr(store.size() + 1, name.size() - store.size() - 2);
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc{} || end != digits.data() + digits.size()) return std::nullopt;
    return value;
}

QPixmap blank() {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QPixmap dieFace(int face) {
    // Pips on a three-by-three grid, read row by row.
    static constexpr std::array<std::array<bool, 9>, 6> kPips{{
        {0, 0, 0, 0, 1, 0, 0, 0, 0},
        {1, 0, 0, 0, 0, 0, 0, 0, 1},
        {1, 0, 0, 0, 1, 0, 0, 0, 1},
        {1, 0, 1, 0, 0, 0, 1, 0, 1},
        {1, 0, 1, 0, 1, 0, 1, 0, 1},
        {1, 0, 1, 1, 0, 1, 1, 0, 1},
    }};
    QPixmap pixmap = blank();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(150, 150, 150), 4));
    p.setBrush(QColor(255, 255, 252));
    p.drawRoundedRect(QRectF(3, 3, kSize - 6, kSize - 6), 22, 22);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(28, 28, 36));
    const auto& pips = kPips[static_cast<std::size_t>(face - 1)];
    for (int i = 0; i < 9; ++i) {
        if (!pips[static_cast<std::size_t>(i)]) continue;
        const int column = i % 3, row = i / 3;
        const QPointF centre(kSize * (0.27 + 0.23 * column), kSize * (0.27 + 0.23 * row));
        p.drawEllipse(centre, 11, 11);
    }
    return pixmap;
}

QPixmap lamp(bool lit) {
    QPixmap pixmap = blank();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(30, 40, 30), 6));
    p.setBrush(lit ? QColor(120, 230, 90) : QColor(90, 100, 90));
    p.drawEllipse(QRectF(12, 12, kSize - 24, kSize - 24));
    return pixmap;
}

}  // namespace

QPixmap placeholderPicture(const std::string& name) {
    for (std::string_view store : {"GrosDésImage", "PetitsDésImage"}) {
        if (const auto index = storeIndex(name, store)) {
            const int face = *index % 10;
            return face >= 1 && face <= 6 ? dieFace(face) : QPixmap();
        }
    }
    // The light of a die in play, and that of a die taken back.
    if (name == "FeuxDés(6)") return lamp(true);
    if (name == "FeuxDés(5)") return lamp(false);
    return {};
}

}  // namespace dravonelle
