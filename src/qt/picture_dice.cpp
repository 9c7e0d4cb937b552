// The three dice sets and the lights under the dice.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <array>

#include "qt/picture_art.h"

namespace dravonelle::art {
namespace {

struct DieStyle {
    QColor light, dark, edge;  // the body, lit from the top left
    QColor pip, pipDeep;       // the pips, rim and hollow
    qreal corner;              // corner radius, as a share of the side
    bool glossy;               // a shine across the top
    bool bevel;                // a bright inner edge
};

// 1: ivory with black pips; 2: translucent red casino dice with white pips;
// 3: blue lacquer with gold pips.
const std::array<DieStyle, kDiceSets> kStyles{{
    {QColor(255, 254, 246), QColor(222, 212, 186), QColor(140, 128, 104), QColor(58, 54, 60),
     QColor(16, 14, 20), 0.21, false, true},
    {QColor(244, 84, 78, 232), QColor(150, 12, 24, 236), QColor(100, 0, 12), QColor(255, 255, 255),
     QColor(226, 222, 224), 0.12, true, false},
    {QColor(86, 128, 206), QColor(22, 42, 104), QColor(12, 24, 64), QColor(255, 232, 140),
     QColor(178, 128, 24), 0.25, false, true},
}};

// Pips on a three-by-three grid, read row by row.
constexpr std::array<std::array<bool, 9>, 6> kPips{{
    {0, 0, 0, 0, 1, 0, 0, 0, 0},
    {1, 0, 0, 0, 0, 0, 0, 0, 1},
    {1, 0, 0, 0, 1, 0, 0, 0, 1},
    {1, 0, 1, 0, 0, 0, 1, 0, 1},
    {1, 0, 1, 0, 1, 0, 1, 0, 1},
    {1, 0, 1, 1, 0, 1, 1, 0, 1},
}};

void paintPip(QPainter& p, QPointF centre, qreal radius, const DieStyle& s) {
    // A hollow: darker towards the light, its far rim catching it.
    QRadialGradient hollow(centre + QPointF(radius, radius) * 0.35, radius * 1.2,
                           centre - QPointF(radius, radius) * 0.45);
    hollow.setColorAt(0, s.pipDeep);
    hollow.setColorAt(1, s.pip);
    p.setPen(Qt::NoPen);
    p.setBrush(hollow);
    p.drawEllipse(centre, radius, radius);
}

}  // namespace

void paintDie(QPainter& p, QSizeF size, int set, int face) {
    const DieStyle& s = kStyles[static_cast<std::size_t>(std::clamp(set, 1, kDiceSets) - 1)];
    const qreal side = std::min(size.width(), size.height());
    const qreal unit = side / 28.0;  // one pixel of the small die
    const QRectF body(0.75 * unit, 0.5 * unit, size.width() - 1.5 * unit, size.height() - 2 * unit);
    const qreal radius = s.corner * side;

    // A soft shadow on the table.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        p.setBrush(QColor(0, 0, 0, 26));
        p.drawRoundedRect(body.translated(0, (0.6 + 0.4 * i) * unit).adjusted(-0.3 * i, 0, 0.3 * i, 0),
                          radius, radius);
    }

    QRadialGradient shade(body.left() + body.width() * 0.3, body.top() + body.height() * 0.25,
                          std::max(body.width(), body.height()) * 1.05);
    shade.setColorAt(0, s.light);
    shade.setColorAt(1, s.dark);
    p.setPen(QPen(s.edge, std::max(0.8, 0.7 * unit)));
    p.setBrush(shade);
    p.drawRoundedRect(body, radius, radius);

    if (s.bevel) {
        p.setPen(QPen(QColor(255, 255, 255, 110), 0.8 * unit));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(body.adjusted(1.2 * unit, 1.2 * unit, -1.2 * unit, -1.2 * unit), radius * 0.8,
                          radius * 0.8);
    }
    if (s.glossy) {
        // Light through the red: a shine on the top half, a glow at the foot.
        QPainterPath clip;
        clip.addRoundedRect(body, radius, radius);
        p.save();
        p.setClipPath(clip);
        QLinearGradient shine(0, body.top(), 0, body.center().y());
        shine.setColorAt(0, QColor(255, 255, 255, 120));
        shine.setColorAt(1, QColor(255, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(shine);
        p.drawEllipse(QRectF(body.left() - body.width() * 0.2, body.top() - body.height() * 0.55,
                             body.width() * 1.1, body.height() * 1.05));
        QRadialGradient glow(body.center().x(), body.bottom(), body.width() * 0.6);
        glow.setColorAt(0, QColor(255, 150, 120, 90));
        glow.setColorAt(1, QColor(255, 150, 120, 0));
        p.setBrush(glow);
        p.drawRect(body);
        p.restore();
    }

    if (face < 1 || face > 6) return;
    const auto& pips = kPips[static_cast<std::size_t>(face - 1)];
    const qreal pipRadius = side * (face == 1 && set == 1 ? 0.12 : 0.085);
    for (int i = 0; i < 9; ++i) {
        if (!pips[static_cast<std::size_t>(i)]) continue;
        const int column = i % 3, row = i / 3;
        const QPointF centre(body.left() + body.width() * (0.25 + 0.25 * column),
                             body.top() + body.height() * (0.25 + 0.25 * row));
        paintPip(p, centre, pipRadius, s);
    }
}

void paintLight(QPainter& p, QSizeF size, bool onTable) {
    const QPointF centre(size.width() / 2, size.height() / 2);
    const qreal r = std::min(size.width(), size.height()) * 0.36;
    p.setPen(Qt::NoPen);
    if (onTable) {
        QRadialGradient halo(centre, r * 1.25);
        halo.setColorAt(0.7, QColor(255, 60, 40, 110));
        halo.setColorAt(1, QColor(255, 60, 40, 0));
        p.setBrush(halo);
        p.drawEllipse(centre, r * 1.25, r * 1.25);
    }
    // The bezel, then the glass.
    p.setBrush(QColor(34, 40, 36));
    p.drawEllipse(centre, r, r);
    const qreal glassR = r * 0.8;
    QRadialGradient glass(centre - QPointF(glassR, glassR) * 0.35, glassR * 1.4);
    if (onTable) {
        glass.setColorAt(0, QColor(255, 196, 180));
        glass.setColorAt(0.35, QColor(240, 48, 36));
        glass.setColorAt(1, QColor(140, 8, 8));
    } else {
        glass.setColorAt(0, QColor(176, 190, 176));
        glass.setColorAt(0.4, QColor(102, 122, 108));
        glass.setColorAt(1, QColor(52, 66, 58));
    }
    p.setBrush(glass);
    p.drawEllipse(centre, glassR, glassR);
    p.setBrush(QColor(255, 255, 255, onTable ? 170 : 90));
    p.drawEllipse(centre - QPointF(glassR, glassR) * 0.38, glassR * 0.28, glassR * 0.2);
}

void paintDiceSetSign(QPainter& p, QSizeF size, int set) {
    // A die of the set at two thirds of the button, showing five.
    const qreal side = std::min(size.width(), size.height()) * 0.66;
    p.save();
    p.translate((size.width() - side) / 2, (size.height() - side) / 2);
    paintDie(p, QSizeF(side, side), set, 5);
    p.restore();
}

}  // namespace dravonelle::art
