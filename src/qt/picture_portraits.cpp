// The 24 characters: head and shoulders on a coloured card, each made of its
// own face shape, skin, hair, colours and extras, all read from its number so
// that a character always looks the same.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>
#include <cmath>

#include "qt/picture_art.h"

namespace dravonelle::art {
namespace {

enum class Hair { Short, Long, Bun, Spiky, Curly, Bald, Ponytail, Quiff };
enum class Extra { None, Glasses, Beard, Moustache, Hat, Beret, GlassesBeard, Bow };

struct Look {
    int hue;         // of the card behind
    QColor skin;
    QColor hair;
    QColor shirt;
    Hair hairStyle;
    Extra extra;
    qreal faceWidth;  // the head's width and height, out of 100
    qreal faceHeight;
};

const std::array<QColor, 6> kSkins{QColor(255, 224, 196), QColor(241, 194, 156), QColor(224, 172, 128),
                                   QColor(198, 134, 88),  QColor(150, 98, 62),   QColor(104, 66, 42)};
const std::array<QColor, 7> kHairColours{QColor(34, 28, 26),  QColor(102, 62, 34),  QColor(232, 196, 106),
                                         QColor(190, 80, 36), QColor(176, 176, 180), QColor(66, 40, 24),
                                         QColor(140, 92, 60)};
constexpr std::array<Hair, 24> kHairStyles{
    Hair::Short, Hair::Long,     Hair::Spiky, Hair::Bun,  Hair::Bald,     Hair::Curly,
    Hair::Quiff, Hair::Ponytail, Hair::Long,  Hair::Short, Hair::Curly,   Hair::Bun,
    Hair::Spiky, Hair::Ponytail, Hair::Bald,  Hair::Quiff, Hair::Long,    Hair::Short,
    Hair::Curly, Hair::Bun,      Hair::Quiff, Hair::Long,  Hair::Ponytail, Hair::Spiky};
constexpr std::array<Extra, 24> kExtras{
    Extra::None,    Extra::Bow,       Extra::Glasses, Extra::None,  Extra::Beard,   Extra::Glasses,
    Extra::Hat,     Extra::None,      Extra::Glasses, Extra::Moustache, Extra::None, Extra::Glasses,
    Extra::Beret,   Extra::None,      Extra::GlassesBeard, Extra::None, Extra::Glasses, Extra::Hat,
    Extra::Bow,     Extra::Beret,     Extra::Beard,   Extra::None,  Extra::Glasses, Extra::Moustache};

Look lookOf(int number) {
    const auto n = static_cast<std::size_t>(number - 1);
    Look look;
    look.hue = static_cast<int>((n * 7) % 24) * 15;
    look.skin = kSkins[(n * 5 + n / 6) % kSkins.size()];
    look.hair = kHairColours[(n * 3 + n / 7) % kHairColours.size()];
    look.shirt = QColor::fromHsv((look.hue + 150 + static_cast<int>(n % 3) * 40) % 360, 150, 190);
    look.hairStyle = kHairStyles[n];
    look.extra = kExtras[n];
    static constexpr std::array<qreal, 3> kWidths{38, 42, 35}, kHeights{44, 42, 46};
    look.faceWidth = kWidths[n % 3];
    look.faceHeight = kHeights[(n / 3) % 3];
    return look;
}

QRectF headRect(const Look& look) {
    return QRectF(50 - look.faceWidth / 2, 49 - look.faceHeight / 2, look.faceWidth, look.faceHeight);
}

void paintCard(QPainter& p, const QColor& top, const QColor& bottom) {
    QLinearGradient card(0, 0, 0, 100);
    card.setColorAt(0, top);
    card.setColorAt(1, bottom);
    p.setPen(Qt::NoPen);
    p.setBrush(card);
    p.drawRoundedRect(QRectF(0, 0, 100, 100), 12, 12);
}

void paintShoulders(QPainter& p, const QColor& shirt, const QColor& skin) {
    p.setBrush(skin.darker(112));
    p.drawRoundedRect(QRectF(43, 64, 14, 16), 4, 4);
    QLinearGradient cloth(0, 72, 0, 100);
    cloth.setColorAt(0, shirt.lighter(115));
    cloth.setColorAt(1, shirt.darker(115));
    p.setBrush(cloth);
    QPainterPath body;
    body.moveTo(12, 100);
    body.cubicTo(12, 82, 26, 74, 42, 73);
    body.lineTo(50, 80);
    body.lineTo(58, 73);
    body.cubicTo(74, 74, 88, 82, 88, 100);
    body.closeSubpath();
    p.drawPath(body);
}

// Hair that falls behind the head.
void paintHairBehind(QPainter& p, const Look& look, const QRectF& head) {
    p.setBrush(look.hair);
    switch (look.hairStyle) {
        case Hair::Long:
            p.drawRoundedRect(QRectF(head.left() - 5, head.top() - 2, head.width() + 10, head.height() + 14), 16,
                              16);
            break;
        case Hair::Ponytail:
            p.drawEllipse(QRectF(head.right() - 4, head.top() + 8, 14, 30));
            break;
        case Hair::Curly:
            for (int i = 0; i < 7; ++i) {
                const qreal a = i * 30.0;
                const QPointF c = head.center() + QPointF(-(head.width() / 2 + 1) * std::cos(a * 3.14159 / 180),
                                                          -(head.height() / 2 - 2) * std::sin(a * 3.14159 / 180));
                p.drawEllipse(c, 9, 9);
            }
            break;
        default:
            break;
    }
}

void paintFace(QPainter& p, const Look& look, const QRectF& head) {
    // Ears, then the head, lit from the top left.
    p.setBrush(look.skin.darker(108));
    p.drawEllipse(QPointF(head.left() + 1, head.center().y() + 2), 4.5, 6);
    p.drawEllipse(QPointF(head.right() - 1, head.center().y() + 2), 4.5, 6);
    QRadialGradient skin(head.center() - QPointF(6, 8), head.height() * 0.8);
    skin.setColorAt(0, look.skin.lighter(106));
    skin.setColorAt(1, look.skin.darker(110));
    p.setBrush(skin);
    p.drawEllipse(head);

    const qreal eyeY = head.center().y() + 1;
    const qreal eyeDx = head.width() * 0.2;
    // Cheeks.
    p.setBrush(QColor(240, 110, 110, 60));
    p.drawEllipse(QPointF(50 - eyeDx - 3, eyeY + 8), 4.5, 3);
    p.drawEllipse(QPointF(50 + eyeDx + 3, eyeY + 8), 4.5, 3);
    // Eyes with a glint.
    p.setBrush(QColor(40, 32, 30));
    p.drawEllipse(QPointF(50 - eyeDx, eyeY), 2.8, 3.2);
    p.drawEllipse(QPointF(50 + eyeDx, eyeY), 2.8, 3.2);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(50 - eyeDx + 0.9, eyeY - 1.1), 0.9, 0.9);
    p.drawEllipse(QPointF(50 + eyeDx + 0.9, eyeY - 1.1), 0.9, 0.9);
    // Brows in the colour of the hair.
    p.setPen(QPen(look.hair.darker(110), 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(50 - eyeDx - 3.5, eyeY - 6), QPointF(50 - eyeDx + 3, eyeY - 6.8));
    p.drawLine(QPointF(50 + eyeDx - 3, eyeY - 6.8), QPointF(50 + eyeDx + 3.5, eyeY - 6));
    // Nose and smile.
    p.setPen(QPen(look.skin.darker(135), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(47.5, eyeY + 2, 5, 5), 200 * 16, 140 * 16);
    p.setPen(QPen(QColor(150, 60, 60), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(43, eyeY + 5, 14, 9), 200 * 16, 140 * 16);
    p.setPen(Qt::NoPen);
}

void paintHairTop(QPainter& p, const Look& look, const QRectF& head) {
    p.setBrush(look.hair);
    const QRectF cap = head.adjusted(-2, -3, 2, 0);
    switch (look.hairStyle) {
        case Hair::Short:
        case Hair::Long:
        case Hair::Ponytail: {
            p.drawChord(cap.adjusted(0, 0, 0, -cap.height() * 0.25), 0, 180 * 16);
            // A fringe swept to one side.
            QPainterPath fringe;
            fringe.moveTo(cap.left() + 2, cap.top() + cap.height() * 0.36);
            fringe.quadTo(50, cap.top() + cap.height() * 0.5, cap.right() - 2, cap.top() + cap.height() * 0.3);
            fringe.lineTo(cap.right() - 4, cap.top() + 6);
            fringe.lineTo(cap.left() + 4, cap.top() + 6);
            fringe.closeSubpath();
            p.drawPath(fringe);
            break;
        }
        case Hair::Bun:
            p.drawEllipse(QPointF(50, cap.top() - 3), 9, 8);
            p.drawChord(cap.adjusted(0, 0, 0, -cap.height() * 0.3), 0, 180 * 16);
            break;
        case Hair::Spiky: {
            QPolygonF spikes;
            spikes << QPointF(cap.left(), cap.top() + cap.height() * 0.38);
            for (int i = 0; i <= 6; ++i) {
                const qreal x = cap.left() + cap.width() * i / 6.0;
                spikes << QPointF(x, cap.top() + (i % 2 ? -5 : 6));
            }
            spikes << QPointF(cap.right(), cap.top() + cap.height() * 0.38);
            spikes << QPointF(50, cap.top() + cap.height() * 0.26);
            p.drawPolygon(spikes);
            break;
        }
        case Hair::Curly:
            for (int i = 0; i < 5; ++i) p.drawEllipse(QPointF(cap.left() + 6 + i * (cap.width() - 12) / 4, cap.top() + 5), 7, 7);
            break;
        case Hair::Bald:
            p.drawChord(QRectF(head.left() - 2, head.center().y() - 10, 9, 18), 90 * 16, 180 * 16);
            p.drawChord(QRectF(head.right() - 7, head.center().y() - 10, 9, 18), 270 * 16, 180 * 16);
            p.setBrush(QColor(255, 255, 255, 70));
            p.drawEllipse(QPointF(head.center().x() - 6, head.top() + 7), 6, 3);
            break;
        case Hair::Quiff: {
            p.drawChord(cap.adjusted(0, 0, 0, -cap.height() * 0.35), 0, 180 * 16);
            p.drawEllipse(QRectF(cap.left() + 4, cap.top() - 7, cap.width() * 0.7, 14));
            break;
        }
    }
}

void paintExtra(QPainter& p, const Look& look, const QRectF& head) {
    const qreal eyeY = head.center().y() + 1;
    const qreal eyeDx = head.width() * 0.2;
    const QColor hatColour = QColor::fromHsv((look.hue + 200) % 360, 140, 110);
    const bool glasses = look.extra == Extra::Glasses || look.extra == Extra::GlassesBeard;
    const bool beard = look.extra == Extra::Beard || look.extra == Extra::GlassesBeard;
    if (beard) {
        QPainterPath path;
        path.moveTo(head.left() + 1, eyeY + 1);
        path.cubicTo(head.left() + 2, head.bottom() + 8, head.right() - 2, head.bottom() + 8, head.right() - 1,
                     eyeY + 1);
        path.cubicTo(head.right() - 6, eyeY + 14, head.left() + 6, eyeY + 14, head.left() + 1, eyeY + 1);
        p.setBrush(look.hair);
        p.drawPath(path);
        p.setPen(QPen(QColor(150, 60, 60), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(46, eyeY + 12), QPointF(54, eyeY + 12));
        p.setPen(Qt::NoPen);
    }
    if (look.extra == Extra::Moustache) {
        p.setBrush(look.hair);
        p.drawEllipse(QRectF(41, eyeY + 6.5, 9.5, 4.5));
        p.drawEllipse(QRectF(49.5, eyeY + 6.5, 9.5, 4.5));
    }
    if (glasses) {
        p.setPen(QPen(QColor(40, 40, 50), 1.8));
        p.setBrush(QColor(255, 255, 255, 50));
        p.drawEllipse(QPointF(50 - eyeDx, eyeY), 6.2, 5.6);
        p.drawEllipse(QPointF(50 + eyeDx, eyeY), 6.2, 5.6);
        p.drawLine(QPointF(50 - eyeDx + 6.2, eyeY - 1), QPointF(50 + eyeDx - 6.2, eyeY - 1));
        p.setPen(Qt::NoPen);
    }
    if (look.extra == Extra::Hat) {
        p.setBrush(hatColour);
        p.drawRoundedRect(QRectF(head.left() - 7, head.top() + 6, head.width() + 14, 6), 3, 3);
        p.drawRoundedRect(QRectF(head.left() + 3, head.top() - 10, head.width() - 6, 19), 5, 5);
        p.setBrush(hatColour.lighter(160));
        p.drawRect(QRectF(head.left() + 3, head.top() + 2, head.width() - 6, 3.5));
    }
    if (look.extra == Extra::Beret) {
        p.setBrush(hatColour);
        p.drawEllipse(QRectF(head.left() - 4, head.top() - 6, head.width() + 6, 16));
        p.drawEllipse(QPointF(head.center().x() + 2, head.top() - 7), 2.5, 2.5);
    }
    if (look.extra == Extra::Bow) {
        p.setBrush(QColor::fromHsv((look.hue + 330) % 360, 190, 235));
        const QPointF knot(head.right() - 6, head.top() + 6);
        p.drawPolygon(QPolygonF{knot, knot + QPointF(-8, -6), knot + QPointF(-8, 6)});
        p.drawPolygon(QPolygonF{knot, knot + QPointF(8, -6), knot + QPointF(8, 6)});
        p.drawEllipse(knot, 2.5, 2.5);
    }
}

void paintNobody(QPainter& p) {
    paintCard(p, QColor(238, 236, 230), QColor(214, 210, 200));
    p.setBrush(QColor(168, 166, 160));
    p.drawEllipse(QPointF(50, 42), 17, 19);
    QPainterPath body;
    body.moveTo(16, 100);
    body.cubicTo(16, 74, 32, 66, 50, 66);
    body.cubicTo(68, 66, 84, 74, 84, 100);
    body.closeSubpath();
    p.drawPath(body);
}

}  // namespace

void paintPortrait(QPainter& p, QSizeF size, int number) {
    p.save();
    p.scale(size.width() / 100, size.height() / 100);
    QPainterPath frame;
    frame.addRoundedRect(QRectF(0, 0, 100, 100), 12, 12);
    p.setClipPath(frame);
    p.setPen(Qt::NoPen);
    if (number < 1 || number > kCharacters) {
        paintNobody(p);
    } else {
        const Look look = lookOf(number);
        paintCard(p, QColor::fromHsv(look.hue, 60, 250), QColor::fromHsv(look.hue, 110, 215));
        const QRectF head = headRect(look);
        paintHairBehind(p, look, head);
        paintShoulders(p, look.shirt, look.skin);
        paintFace(p, look, head);
        if (look.extra != Extra::Hat) paintHairTop(p, look, head);
        paintExtra(p, look, head);
    }
    p.restore();
}

}  // namespace dravonelle::art
