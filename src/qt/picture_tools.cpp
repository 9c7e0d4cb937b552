// The tool bar's signs: dark ink with one colour each, drawn on a square of
// 128 units whatever the button's size. A switched-off option shows its sign
// greyed and crossed out in red.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <functional>

#include "qt/picture_art.h"

namespace dravonelle::art {
namespace {

const QColor kInk{48, 62, 84};
const QColor kOffRed{206, 44, 38};

QPen ink(qreal width, const QColor& colour = kInk) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QLinearGradient vertical(qreal top, qreal bottom, const QColor& a, const QColor& b) {
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    return g;
}

void speechBubble(QPainter& p) {
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(16, 18, 96, 72), 22, 22);
    QPainterPath tail;
    tail.moveTo(38, 84);
    tail.lineTo(28, 112);
    tail.lineTo(62, 86);
    tail.closeSubpath();
    p.setPen(ink(6));
    p.setBrush(vertical(18, 112, QColor(120, 178, 240), QColor(52, 112, 196)));
    p.drawPath(bubble.united(tail));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(64, 36), 7, 7);
    p.drawRoundedRect(QRectF(57, 49, 14, 30), 4, 4);
}

void speaker(QPainter& p, bool waves) {
    p.setPen(ink(6));
    p.setBrush(vertical(28, 100, QColor(86, 104, 132), kInk));
    const QPointF body[] = {{22, 50}, {42, 50}, {68, 26}, {68, 102}, {42, 78}, {22, 78}};
    p.drawPolygon(body, 6);
    if (!waves) return;
    p.setBrush(Qt::NoBrush);
    p.setPen(ink(7, QColor(52, 112, 196)));
    p.drawArc(QRectF(62, 44, 24, 40), -60 * 16, 120 * 16);
    p.drawArc(QRectF(60, 28, 44, 72), -60 * 16, 120 * 16);
}

void motion(QPainter& p, bool moving) {
    // A tumbling die with speed lines behind it, or the die at rest.
    p.save();
    if (moving) {
        p.translate(50, 26);
        p.rotate(12);
    } else {
        p.translate(30, 30);
        p.setOpacity(0.55);  // a die at rest: the animation is off
    }
    paintDie(p, QSizeF(68, 68), 1, 5);
    p.restore();
    if (!moving) return;
    p.setPen(ink(7, QColor(52, 112, 196)));
    for (int i = 0; i < 3; ++i) p.drawLine(QPointF(12 + 7 * i, 48 + 18 * i), QPointF(38, 48 + 18 * i));
}

void gear(QPainter& p) {
    p.save();
    p.translate(64, 64);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    for (int i = 0; i < 8; ++i) {
        p.drawRoundedRect(QRectF(-10, -48, 20, 24), 4, 4);
        p.rotate(45);
    }
    QRadialGradient metal(QPointF(-10, -10), 46);
    metal.setColorAt(0, QColor(120, 136, 160));
    metal.setColorAt(1, kInk);
    p.setBrush(metal);
    p.drawEllipse(QPointF(0, 0), 34, 34);
    p.setBrush(QColor(236, 232, 220));
    p.drawEllipse(QPointF(0, 0), 13, 13);
    p.restore();
}

void book(QPainter& p) {
    // A closed book: pages showing at the fore-edge, a red cover and a label.
    p.setPen(ink(5));
    p.setBrush(QColor(255, 252, 240));
    p.drawRoundedRect(QRectF(34, 22, 70, 90), 6, 6);
    p.setPen(ink(2, QColor(190, 180, 160)));
    for (int i = 0; i < 3; ++i) p.drawLine(QPointF(98 - 3 * i, 28), QPointF(98 - 3 * i, 106));
    p.setPen(ink(5));
    p.setBrush(vertical(14, 106, QColor(214, 70, 56), QColor(150, 34, 30)));
    p.drawRoundedRect(QRectF(24, 14, 70, 92), 7, 7);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawRect(QRectF(30, 17, 8, 86));
    p.setBrush(QColor(255, 236, 180));
    p.drawRoundedRect(QRectF(46, 34, 38, 22), 4, 4);
    p.setPen(ink(3, QColor(150, 34, 30)));
    p.drawLine(QPointF(52, 42), QPointF(78, 42));
    p.drawLine(QPointF(52, 49), QPointF(70, 49));
}

void advisor(QPainter& p) {
    // A die seen through a magnifying glass: which dice to keep.
    p.setPen(ink(5));
    p.setBrush(QColor(255, 253, 244));
    p.drawRoundedRect(QRectF(18, 18, 62, 62), 12, 12);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 52, 76));
    for (const QPointF pip : {QPointF(33, 33), QPointF(49, 49), QPointF(65, 65)}) p.drawEllipse(pip, 6.5, 6.5);
    p.setPen(ink(12, QColor(120, 78, 40)));
    p.drawLine(QPointF(84, 84), QPointF(110, 110));
    p.setPen(ink(7, QColor(52, 100, 170)));
    p.setBrush(QColor(170, 214, 255, 110));
    p.drawEllipse(QPointF(66, 66), 26, 26);
}

void minimise(QPainter& p) {
    p.setPen(ink(6));
    p.setBrush(QColor(255, 253, 244));
    p.drawRoundedRect(QRectF(20, 24, 88, 66), 7, 7);
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(24, 40, QColor(86, 132, 200), QColor(52, 100, 170)));
    QPainterPath title;
    title.addRoundedRect(QRectF(23, 27, 82, 14), 4, 4);
    p.drawPath(title);
    p.setPen(ink(11, QColor(52, 112, 196)));
    p.drawLine(QPointF(38, 108), QPointF(90, 108));
}

void bulb(QPainter& p, bool lit) {
    if (lit) {
        QRadialGradient glow(QPointF(64, 46), 58);
        glow.setColorAt(0.4, QColor(255, 220, 90, 150));
        glow.setColorAt(1, QColor(255, 220, 90, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(QPointF(64, 46), 58, 58);
        p.setPen(ink(5, QColor(226, 160, 20)));
        for (int i = 0; i < 7; ++i) {
            const qreal a = (200 + 23.3 * i) * 3.14159265 / 180;
            p.drawLine(QPointF(64 + 40 * std::cos(a), 44 + 40 * std::sin(a)),
                       QPointF(64 + 52 * std::cos(a), 44 + 52 * std::sin(a)));
        }
    }
    QRadialGradient glass(QPointF(54, 32), 42);
    glass.setColorAt(0, lit ? QColor(255, 252, 210) : QColor(236, 236, 232));
    glass.setColorAt(1, lit ? QColor(255, 196, 40) : QColor(168, 170, 168));
    p.setPen(ink(5));
    p.setBrush(glass);
    QPainterPath shape;
    shape.moveTo(50, 84);
    shape.cubicTo(48, 70, 32, 64, 34, 44);
    shape.cubicTo(36, 24, 50, 16, 64, 16);
    shape.cubicTo(78, 16, 92, 24, 94, 44);
    shape.cubicTo(96, 64, 80, 70, 78, 84);
    shape.closeSubpath();
    p.drawPath(shape);
    p.setPen(ink(4, lit ? QColor(200, 120, 10) : QColor(120, 120, 120)));
    p.drawPolyline(QPolygonF{QPointF(56, 82), QPointF(58, 56), QPointF(64, 62), QPointF(70, 56), QPointF(72, 82)});
    p.setPen(ink(5));
    p.setBrush(vertical(84, 112, QColor(150, 156, 166), kInk));
    p.drawRoundedRect(QRectF(50, 84, 28, 22), 4, 4);
    p.drawLine(QPointF(52, 92), QPointF(76, 92));
    p.drawLine(QPointF(52, 99), QPointF(76, 99));
    p.setBrush(kInk);
    p.drawRoundedRect(QRectF(56, 106, 16, 8), 3, 3);
}

void stopSign(QPainter& p) {
    QPolygonF octagon;
    for (int i = 0; i < 8; ++i) {
        const qreal a = (22.5 + 45 * i) * 3.14159265358979 / 180;
        octagon << QPointF(64 + 50 * std::cos(a), 64 + 50 * std::sin(a));
    }
    p.setPen(QPen(QColor(120, 20, 20), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(vertical(14, 114, QColor(232, 70, 60), QColor(176, 28, 26)));
    p.drawPolygon(octagon);
    QPolygonF inner;
    for (const QPointF& corner : octagon) inner << QPointF(64, 64) + (corner - QPointF(64, 64)) * 0.86;
    p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(inner);
    p.setPen(QPen(Qt::white, 11, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(47, 47), QPointF(81, 81));
    p.drawLine(QPointF(81, 47), QPointF(47, 81));
}

// A switched-off option: its sign faded, crossed out in red.
void switchedOff(QPainter& p, const std::function<void(QPainter&)>& sign) {
    p.setOpacity(0.5);
    sign(p);
    p.setOpacity(1);
    p.setPen(QPen(Qt::white, 15, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(24, 104), QPointF(104, 24));
    p.setPen(QPen(kOffRed, 9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(24, 104), QPointF(104, 24));
}

}  // namespace

bool paintTool(QPainter& p, QSizeF size, std::string_view name) {
    p.save();
    p.scale(size.width() / 128, size.height() / 128);
    bool known = true;
    if (name == "InfosImage") {
        speechBubble(p);
    } else if (name == "NoInfosImage") {
        switchedOff(p, speechBubble);
    } else if (name == "SonsImage") {
        speaker(p, true);
    } else if (name == "NoSonsImges") {
        switchedOff(p, [](QPainter& q) { speaker(q, true); });
    } else if (name == "AnimeImage") {
        motion(p, true);
    } else if (name == "NoAnimeImage") {
        motion(p, false);
    } else if (name == "Lighton") {
        bulb(p, true);
    } else if (name == "Lightoff") {
        bulb(p, false);
    } else if (name == "Paramètres") {
        gear(p);
    } else if (name == "Règles") {
        book(p);
    } else if (name == "Conseil") {
        advisor(p);
    } else if (name == "Iconify") {
        minimise(p);
    } else if (name == "Halte") {
        stopSign(p);
    } else {
        known = false;
    }
    p.restore();
    return known;
}

}  // namespace dravonelle::art
