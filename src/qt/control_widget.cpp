#include "qt/control_widget.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "qt/control_style.h"
#include "qt/picture_store.h"

namespace dravonelle {
namespace {

// The look of the sheet's buttons: soft frames, a pale yellow for the cell
// the game points at, a blue ring for the control the keys press.
const QColor kFrame{150, 164, 184};
const QColor kHighlightFill{255, 243, 168};
const QColor kHighlightFrame{222, 146, 16};
const QColor kFocusRing{24, 78, 196};
constexpr qreal kRadius = 4;

// A between B and A: PERCENT of B's colour, the rest of A's.
QColor mixed(const QColor& a, const QColor& b, int percent) {
    const auto mix = [percent](int x, int y) { return (x * (100 - percent) + y * percent) / 100; };
    return {mix(a.red(), b.red()), mix(a.green(), b.green()), mix(a.blue(), b.blue())};
}

int alignmentFlags(Align a) {
    switch (a) {
        case Align::Left:
            return Qt::AlignLeft;
        case Align::Right:
            return Qt::AlignRight;
        case Align::Center:
            break;
    }
    return Qt::AlignHCenter;
}

// A frame drawn on whole pixels: half a pen inside the widget's edge.
QRectF inset(const QRect& r, qreal penWidth) {
    const qreal h = penWidth / 2;
    return QRectF(r).adjusted(h, h, -h, -h);
}

}  // namespace

ControlWidget::ControlWidget(const Control& control, PictureStore& pictures, Forward forward, QWidget* parent)
    : QWidget(parent), control_(control), pictures_(pictures), forward_(std::move(forward)) {
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    // A shape is only a frame: the pointer passes through it to the cell it
    // surrounds.
    if (control.kind() == ControlKind::Shape) setAttribute(Qt::WA_TransparentForMouseEvents);
    place_ = pixelRect(control);
    setGeometry(place_);
    // Said outright either way, so that showing the window does not show a
    // control the game keeps hidden.
    setVisible(control.visible());
}

void ControlWidget::refresh() {
    const bool animated = animatedFrame_.has_value();
    const QRect r = animated ? *animatedFrame_ : pixelRect(control_);
    const bool shown = animated ? !r.isEmpty() : control_.visible();
    // A die waiting for its turn keeps its old place out of sight.
    if (shown || !animated) {
        place_ = r;
        const QRect onScreen = zoomed(r);
        if (onScreen != geometry()) setGeometry(onScreen);
    }
    if (shown == isHidden()) setVisible(shown);
    update();
}

void ControlWidget::setZoom(qreal zoom) {
    if (zoom == zoom_) return;
    zoom_ = zoom;
    refresh();
}

QRect ControlWidget::zoomed(const QRect& r) const {
    if (zoom_ == 1) return r;
    // Each edge is scaled on its own, so that neighbours stay edge to edge.
    const auto at = [this](int v) { return static_cast<int>(std::lround(v * zoom_)); };
    const int left = at(r.x()), top = at(r.y());
    return {left, top, at(r.x() + r.width()) - left, at(r.y() + r.height()) - top};
}

QRect ControlWidget::area() const { return zoom_ == 1 ? rect() : QRect(QPoint(0, 0), place_.size()); }

void ControlWidget::setAnimatedFrame(std::optional<QRect> frame) {
    animatedFrame_ = frame;
    refresh();
}

// ---- pointer ---------------------------------------------------------------

void ControlWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) forward_(Event::click(control_.name(), control_.index()));
}

void ControlWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    // The window system turns the second of two quick presses into a double
    // click; for the game it is one more click.
    mousePressEvent(event);
}

void ControlWidget::mouseMoveEvent(QMouseEvent*) { forward_(Event::move(control_.name(), control_.index())); }

// ---- painting --------------------------------------------------------------

void ControlWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    // Drawn in window pixels; a zoomed window scales them here.
    if (zoom_ != 1) p.scale(zoom_, zoom_);
    switch (control_.kind()) {
        case ControlKind::Label:
            paintLabel(p);
            break;
        case ControlKind::PictureBox:
        case ControlKind::Image:
            paintPicture(p);
            break;
        case ControlKind::Shape:
            paintShape(p);
            break;
        case ControlKind::CommandButton:
        case ControlKind::ImageButton:
            paintButton(p);
            break;
        case ControlKind::Panel:
            paintPanel(p);
            break;
        case ControlKind::Timer:
        case ControlKind::Web:  // the page view inside paints itself
        case ControlKind::Form:
            break;
    }
    if (control_.hasFocus()) paintFocusRing(p);
}

QColor ControlWidget::textColor() const {
    const QColor fore = toQColor(control_.forecolor());
    if (control_.enabled()) return fore;
    return mixed(fore, toQColor(control_.backcolor()), 60);
}

void ControlWidget::paintCaption(QPainter& p, const QRect& box, int flags) const {
    if (control_.caption().empty()) return;
    p.setFont(fontOf(control_));
    p.setPen(textColor());
    // Panels hold several lines, parted by a carriage return.
    QString text = QString::fromStdString(control_.caption());
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    p.drawText(box, flags, text);
}

void ControlWidget::paintLabel(QPainter& p) const {
    const ControlDesign& d = control_.design();
    if (!d.transparent) p.fillRect(area(), toQColor(control_.backcolor()));
    const int margin = d.align == Align::Center ? 0 : 3;
    const QRect box = area().adjusted(margin, 0, -margin, 0);
    int flags = alignmentFlags(d.align);
    if (d.autosize) {
        flags |= Qt::AlignVCenter;
    } else {
        // A text that wraps past the label's height shows its first lines
        // whole rather than a cut middle.
        flags |= Qt::TextWordWrap;
        const QFontMetrics metrics(fontOf(control_));
        const QRect needed = metrics.boundingRect(box, flags, QString::fromStdString(control_.caption()));
        flags |= needed.height() > box.height() ? Qt::AlignTop : Qt::AlignVCenter;
    }
    paintCaption(p, box, flags);
}

void ControlWidget::paintPicture(QPainter& p) const {
    // An image is its picture alone; a picture box is a filled frame.
    const bool box = control_.kind() == ControlKind::PictureBox;
    if (box) p.fillRect(area(), toQColor(control_.backcolor()));
    if (!control_.picture().empty()) {
        const QPixmap& picture = pictures_.pixmap(control_.picture());
        if (!picture.isNull()) p.drawPixmap(area(), picture);
    }
    if (box) {
        p.setPen(QPen(toQColor(control_.backcolor()).darker(125), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(inset(area(), 1), 2, 2);
    }
}

void ControlWidget::paintShape(QPainter& p) const {
    const ControlDesign& d = control_.design();
    constexpr qreal kPen = 2.5;
    if (!d.transparent) {
        p.setPen(Qt::NoPen);
        p.setBrush(toQColor(control_.backcolor()));
        p.drawRoundedRect(area(), kRadius, kRadius);
    }
    if (d.border) {
        p.setPen(QPen(toQColor(control_.forecolor()), kPen));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(inset(area(), kPen), kRadius, kRadius);
    }
}

void ControlWidget::paintButton(QPainter& p) const {
    const bool pressed = control_.value() == 1;
    const bool lit = control_.highlight();
    QColor fill = lit ? kHighlightFill : toQColor(control_.backcolor());
    if (pressed) fill = fill.darker(115);

    const QRectF face = inset(area(), 1);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(face, kRadius, kRadius);

    if (!control_.picture().empty()) {
        const QPixmap& picture = pictures_.pixmap(control_.picture());
        if (!picture.isNull()) p.drawPixmap(area(), picture);
    }

    // A raised button catches the light on its lower edge; a pressed one
    // shows its shadow at the top.
    QPainterPath clip;
    clip.addRoundedRect(face, kRadius, kRadius);
    p.save();
    p.setClipPath(clip);
    const int shade = 3;
    const QRect a = area();
    const QRect edge = pressed ? QRect(0, 0, a.width(), shade) : QRect(0, a.height() - shade, a.width(), shade);
    p.fillRect(edge, QColor(0, 0, 0, pressed ? 40 : 22));
    p.restore();

    const qreal frameWidth = lit ? 3 : 1;
    p.setPen(QPen(lit ? kHighlightFrame : kFrame, frameWidth));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(inset(area(), frameWidth), kRadius, kRadius);

    const QRect box = pressed ? area().translated(1, 1) : area();
    paintCaption(p, box, Qt::AlignCenter);
}

void ControlWidget::paintPanel(QPainter& p) const {
    const QColor back = toQColor(control_.backcolor());
    const QRect a = area();
    const qreal w = a.width(), h = a.height();
    p.fillRect(a, back);
    p.setPen(back.lighter(130));
    p.drawLine(QPointF(0.5, h - 0.5), QPointF(0.5, 0.5));
    p.drawLine(QPointF(0.5, 0.5), QPointF(w - 0.5, 0.5));
    p.setPen(back.darker(140));
    p.drawLine(QPointF(w - 0.5, 0.5), QPointF(w - 0.5, h - 0.5));
    p.drawLine(QPointF(w - 0.5, h - 0.5), QPointF(0.5, h - 0.5));
    paintCaption(p, a.adjusted(5, 4, -5, -4),
                 alignmentFlags(control_.design().align) | Qt::AlignTop | Qt::TextWordWrap);
}

void ControlWidget::paintFocusRing(QPainter& p) const {
    // Thick enough to be found at a glance when the keyboard moves it.
    constexpr qreal kPen = 3;
    p.setPen(QPen(kFocusRing, kPen));
    p.setBrush(Qt::NoBrush);
    const QRectF ring = inset(area(), kPen).adjusted(2, 2, -2, -2);
    p.drawRoundedRect(ring, kRadius - 1, kRadius - 1);
}

}  // namespace dravonelle
