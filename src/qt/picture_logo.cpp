// The background of the logo page ("LogoFond"), under the page that the
// offline panel and the consent window show: a night-blue card lit in its
// middle, where the page writes the game's name, with a gold frame, a few
// faint pips scattered over it and a die tumbling in at each end.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>

#include "qt/picture_art.h"

namespace dravonelle::art {
namespace {

const QColor kNightTop{20, 40, 82};
const QColor kNightBottom{34, 72, 128};
const QColor kGold{226, 184, 92};
const QColor kGoldDeep{164, 118, 40};

// Pips scattered as on a cloth, in units of the card (0 to 1 each way): far
// from the middle, where the page writes.
constexpr std::array<QPointF, 14> kPipSpots{{{0.06, 0.20}, {0.12, 0.78}, {0.20, 0.12}, {0.25, 0.88},
                                             {0.31, 0.18}, {0.37, 0.92}, {0.47, 0.08}, {0.56, 0.91},
                                             {0.64, 0.10}, {0.70, 0.86}, {0.78, 0.14}, {0.84, 0.90},
                                             {0.91, 0.26}, {0.95, 0.74}}};

void tumblingDie(QPainter& p, QPointF centre, qreal side, qreal angle, int face, qreal opacity) {
    p.save();
    p.setOpacity(opacity);
    p.translate(centre);
    p.rotate(angle);
    p.translate(-side / 2, -side / 2);
    paintDie(p, QSizeF(side, side), 1, face);
    p.restore();
}

}  // namespace

void paintLogoBackground(QPainter& p, QSizeF size) {
    const qreal w = size.width(), h = size.height();
    const QRectF card(0, 0, w, h);
    // Nearly square corners, as the picture box that holds it draws its
    // frame.
    constexpr qreal kCorner = 4;
    QPainterPath outline;
    outline.addRoundedRect(card, kCorner, kCorner);

    p.save();
    p.setClipPath(outline);
    QLinearGradient night(0, 0, 0, h);
    night.setColorAt(0, kNightTop);
    night.setColorAt(1, kNightBottom);
    p.fillRect(card, night);

    // The light behind the name.
    QRadialGradient glow(QPointF(w / 2, h * 0.42), w * 0.42);
    glow.setColorAt(0, QColor(120, 170, 230, 120));
    glow.setColorAt(0.6, QColor(80, 130, 200, 40));
    glow.setColorAt(1, QColor(80, 130, 200, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(w / 2, h * 0.42), w * 0.55, h * 0.75);

    // Faint pips on the cloth.
    p.setBrush(QColor(255, 236, 190, 34));
    const qreal pip = h * 0.022;
    for (const QPointF& spot : kPipSpots) p.drawEllipse(QPointF(spot.x() * w, spot.y() * h), pip, pip);

    // A die coming in at each end, cut by the card's edge.
    tumblingDie(p, QPointF(w * 0.035, h * 0.74), h * 0.44, -18, 5, 0.8);
    tumblingDie(p, QPointF(w * 0.968, h * 0.28), h * 0.40, 24, 3, 0.8);

    // A sheen over the top half.
    QLinearGradient sheen(0, 0, 0, h * 0.5);
    sheen.setColorAt(0, QColor(255, 255, 255, 38));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(0, 0, w, h * 0.5), sheen);
    p.restore();

    // The gold frame: a bright line with a fine one inside it.
    p.setBrush(Qt::NoBrush);
    QLinearGradient gold(0, 0, 0, h);
    gold.setColorAt(0, kGold);
    gold.setColorAt(1, kGoldDeep);
    p.setPen(QPen(QBrush(gold), 2.5));
    p.drawRoundedRect(card.adjusted(1.25, 1.25, -1.25, -1.25), kCorner - 1, kCorner - 1);
    p.setPen(QPen(QColor(226, 184, 92, 110), 1));
    p.drawRoundedRect(card.adjusted(5.5, 5.5, -5.5, -5.5), 2, 2);
}

}  // namespace dravonelle::art
