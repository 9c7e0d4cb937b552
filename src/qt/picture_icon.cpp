#include "qt/picture_icon.h"

#include <QLinearGradient>
#include <QPainter>
#include <array>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <utility>
#include <vector>

namespace dravonelle::art {
namespace {

struct IconDie {
    double x, y, side, angle;  // the centre, the side and the turn in degrees
    int face;
    const char *light, *dark, *edge, *pip;
};

// The back die first: the front one covers its corner.
constexpr std::array<IconDie, 2> kDice{{
    {96, 100, 118, -16, 5, "#fffef6", "#ded4ba", "#6e6450", "#2e2a30"},
    {162, 156, 118, 12, 3, "#f4544e", "#96101c", "#5a000a", "#ffffff"},
}};
constexpr double kCorner = 0.2;  // the corners' radius, of the side
constexpr double kRim = 0.045;   // the edge's width, of the side
constexpr double kPipStep = 0.27;
constexpr double kPip = 0.095;

// The pips of a face on the 3 × 3 grid, -1 to 1 each way.
std::vector<std::pair<int, int>> pips(int face) {
    switch (face) {
    case 1: return {{0, 0}};
    case 2: return {{-1, -1}, {1, 1}};
    case 3: return {{-1, -1}, {0, 0}, {1, 1}};
    case 4: return {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
    case 5: return {{-1, -1}, {1, -1}, {0, 0}, {-1, 1}, {1, 1}};
    default: return {{-1, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {1, 1}};
    }
}

// The shadow on the table under both dice.
constexpr double kShadowX = 132, kShadowY = 226, kShadowRx = 104, kShadowRy = 16, kShadowAlpha = 0.22;

std::string number(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4f", v);
    std::string s = text;
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
    return s;
}

}  // namespace

void paintIcon(QPainter& p, double side) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(side / kIconSide, side / kIconSide);
    p.setPen(Qt::NoPen);
    QColor shadow(Qt::black);
    shadow.setAlphaF(kShadowAlpha);
    p.setBrush(shadow);
    p.drawEllipse(QPointF(kShadowX, kShadowY), kShadowRx, kShadowRy);
    for (const IconDie& d : kDice) {
        p.save();
        p.translate(d.x, d.y);
        p.rotate(d.angle);
        const double h = d.side / 2;
        QLinearGradient body(-h, -h, h, h);
        body.setColorAt(0, QColor(d.light));
        body.setColorAt(1, QColor(d.dark));
        p.setBrush(body);
        p.setPen(QPen(QColor(d.edge), d.side * kRim));
        p.drawRoundedRect(QRectF(-h, -h, d.side, d.side), d.side * kCorner, d.side * kCorner);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(d.pip));
        for (const auto& [i, j] : pips(d.face))
            p.drawEllipse(QPointF(i * d.side * kPipStep, j * d.side * kPipStep), d.side * kPip, d.side * kPip);
        p.restore();
    }
    p.restore();
}

std::string iconSvg() {
    // Each shape carries its die's whole transform, and each gradient runs
    // in the die's own coordinates: no nested groups for a simple renderer
    // to get wrong.
    const std::string side = std::to_string(kIconSide);
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + side + "\" height=\"" + side +
                      "\" viewBox=\"0 0 " + side + " " + side + "\">\n  <defs>\n";
    for (std::size_t k = 0; k < kDice.size(); ++k) {
        const std::string h = number(kDice[k].side / 2);
        svg += "    <linearGradient id=\"body" + std::to_string(k) + "\" gradientUnits=\"userSpaceOnUse\" x1=\"-" +
               h + "\" y1=\"-" + h + "\" x2=\"" + h + "\" y2=\"" + h + "\"><stop offset=\"0\" stop-color=\"" +
               kDice[k].light + "\"/><stop offset=\"1\" stop-color=\"" + kDice[k].dark + "\"/></linearGradient>\n";
    }
    svg += "  </defs>\n  <ellipse cx=\"" + number(kShadowX) + "\" cy=\"" + number(kShadowY) + "\" rx=\"" +
           number(kShadowRx) + "\" ry=\"" + number(kShadowRy) + "\" fill=\"#000000\" fill-opacity=\"" +
           number(kShadowAlpha) + "\"/>\n";
    for (std::size_t k = 0; k < kDice.size(); ++k) {
        const IconDie& d = kDice[k];
        const double h = d.side / 2, turn = d.angle * std::numbers::pi / 180;
        const std::string place = " transform=\"matrix(" + number(std::cos(turn)) + " " + number(std::sin(turn)) +
                                  " " + number(-std::sin(turn)) + " " + number(std::cos(turn)) + " " +
                                  number(d.x) + " " + number(d.y) + ")\"";
        svg += "  <rect x=\"" + number(-h) + "\" y=\"" + number(-h) + "\" width=\"" + number(d.side) +
               "\" height=\"" + number(d.side) + "\" rx=\"" + number(d.side * kCorner) + "\" fill=\"url(#body" +
               std::to_string(k) + ")\" stroke=\"" + d.edge + "\" stroke-width=\"" + number(d.side * kRim) + "\"" +
               place + "/>\n";
        for (const auto& [i, j] : pips(d.face)) {
            svg += "  <circle cx=\"" + number(i * d.side * kPipStep) + "\" cy=\"" + number(j * d.side * kPipStep) +
                   "\" r=\"" + number(d.side * kPip) + "\" fill=\"" + d.pip + "\"" + place + "/>\n";
        }
    }
    return svg + "</svg>\n";
}

}  // namespace dravonelle::art
