#include "ui/qt/placeholder_pictures.h"

#include <QPainter>
#include <array>
#include <charconv>
#include <cmath>
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

// The tools' stand-ins: a dark sign on the button's face, so that each tool
// can be told from the others until the real pictures come.
const QColor kInk{48, 62, 84};

QPen ink(qreal width) { return QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

QPixmap informationSign() {
    QPixmap pixmap = blank();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(ink(8));
    p.setBrush(QColor(214, 230, 250));
    p.drawEllipse(QRectF(22, 22, 84, 84));
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(64, 44), 7, 7);
    p.drawRoundedRect(QRectF(57, 58, 14, 34), 4, 4);
    return pixmap;
}

QPixmap speaker() {
    QPixmap pixmap = blank();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(ink(6));
    p.setBrush(kInk);
    const QPointF body[] = {{24, 50}, {44, 50}, {68, 28}, {68, 100}, {44, 78}, {24, 78}};
    p.drawPolygon(body, 6);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(62, 44, 24, 40), -60 * 16, 120 * 16);
    p.drawArc(QRectF(60, 30, 42, 68), -60 * 16, 120 * 16);
    return pixmap;
}

QPixmap motion() {
    // A die on the move: a face with three speed lines behind it.
    QPixmap pixmap = dieFace(5).scaled(72, 72, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPixmap sign = blank();
    QPainter p(&sign);
    p.setRenderHint(QPainter::Antialiasing);
    p.drawPixmap(48, 28, pixmap);
    p.setPen(ink(7));
    for (int i = 0; i < 3; ++i) p.drawLine(QPointF(14 + 6 * i, 44 + 20 * i), QPointF(38, 44 + 20 * i));
    return sign;
}

QPixmap gear() {
    QPixmap pixmap = blank();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(64, 64);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    for (int i = 0; i < 8; ++i) {
        p.drawRoundedRect(QRectF(-9, -46, 18, 22), 3, 3);
        p.rotate(45);
    }
    p.drawEllipse(QPointF(0, 0), 32, 32);
    p.setBrush(QColor(236, 232, 220));
    p.drawEllipse(QPointF(0, 0), 13, 13);
    return pixmap;
}

QPixmap rulesBook() {
    QPixmap pixmap = blank();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(ink(6));
    p.setBrush(QColor(255, 253, 244));
    p.drawRoundedRect(QRectF(30, 18, 68, 92), 6, 6);
    p.setPen(ink(5));
    for (int i = 0; i < 5; ++i) p.drawLine(QPointF(44, 38 + 14 * i), QPointF(i == 4 ? 68 : 84, 38 + 14 * i));
    return pixmap;
}

QPixmap minimise() {
    QPixmap pixmap = blank();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(ink(6));
    p.setBrush(QColor(255, 253, 244));
    p.drawRoundedRect(QRectF(22, 26, 84, 64), 6, 6);
    p.setPen(ink(10));
    p.drawLine(QPointF(36, 104), QPointF(92, 104));
    return pixmap;
}

// A light bulb, lit yellow or dark: the lock's and the score's switch.
QPixmap bulb(bool lit) {
    QPixmap pixmap = blank();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(ink(6));
    p.setBrush(lit ? QColor(255, 214, 64) : QColor(226, 226, 218));
    p.drawEllipse(QRectF(34, 14, 60, 60));
    p.drawRect(QRectF(50, 74, 28, 14));
    p.setBrush(kInk);
    p.drawRoundedRect(QRectF(50, 92, 28, 18), 5, 5);
    return pixmap;
}

QPixmap stopSign() {
    QPixmap pixmap = blank();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPolygonF octagon;
    for (int i = 0; i < 8; ++i) {
        const qreal a = (22.5 + 45 * i) * 3.14159265358979 / 180;
        octagon << QPointF(64 + 46 * std::cos(a), 64 + 46 * std::sin(a));
    }
    p.setPen(QPen(QColor(120, 20, 20), 4));
    p.setBrush(QColor(200, 40, 36));
    p.drawPolygon(octagon);
    p.setPen(QPen(Qt::white, 10, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(48, 48), QPointF(80, 80));
    p.drawLine(QPointF(80, 48), QPointF(48, 80));
    return pixmap;
}

// A switched-off tool: its sign crossed out.
QPixmap crossedOut(QPixmap sign) {
    QPainter p(&sign);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(200, 40, 36), 9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(24, 104), QPointF(104, 24));
    return sign;
}

// A character: a head and shoulders in a colour of its own; number 0, no
// character chosen yet, is a grey outline.
QPixmap character(int number) {
    QPixmap pixmap = blank();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor colour =
        number == 0 ? QColor(236, 232, 220) : QColor::fromHsv((number * 47) % 360, 120, 225);
    p.setPen(QPen(number == 0 ? QColor(150, 150, 150) : colour.darker(170), 5));
    p.setBrush(colour);
    p.drawEllipse(QRectF(42, 18, 44, 44));
    p.drawRoundedRect(QRectF(22, 70, 84, 52), 26, 26);
    return pixmap;
}

QPixmap toolSign(std::string_view name) {
    if (name == "InfosImage") return informationSign();
    if (name == "NoInfosImage") return crossedOut(informationSign());
    if (name == "SonsImage") return speaker();
    if (name == "NoSonsImges") return crossedOut(speaker());
    if (name == "AnimeImage") return motion();
    if (name == "NoAnimeImage") return crossedOut(motion());
    if (name == "Lighton") return bulb(true);
    if (name == "Lightoff") return bulb(false);
    if (name == "Paramètres") return gear();
    if (name == "Règles") return rulesBook();
    if (name == "Iconify") return minimise();
    if (name == "Halte") return stopSign();
    return {};
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
    // The dice menu shows each set by a face of its own.
    if (const auto set = storeIndex(name, "DésImage"))
        return *set >= 1 && *set <= 3 ? dieFace(*set + 3) : QPixmap();
    if (const auto number = storeIndex(name, "Personnages")) return character(*number);
    return toolSign(name);
}

}  // namespace dravonelle
