#include "qt/window_background.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <algorithm>
#include <future>
#include <initializer_list>

#include "rules/sheet_index.h"
#include "qt/control_style.h"
#include "window/window_layout.h"

namespace dravonelle {
namespace {

using Names = std::initializer_list<const char*>;

// The controls that make up each area of the window.
const Names kSheet{"InfosJeu", "Totaux", "TitreTotal", "Cases"};
const Names kTray{"NégocieDés", "NégocieDés2", "Lettres", "Ok", "Retour", "Zéro"};
const Names kTools{"Aides",      "Sons",  "Animation", "Verrou",  "MenuDés",
                   "Paramètres", "Score", "Règles",    "Iconify", "Halte"};
const Names kPanel{"Premier",
                   "PremierInfos",
                   "Rang",
                   "NomsScore",
                   "LadateScore",
                   "ScoresScore",
                   "PartiesJouées",
                   "PartiesAbandonnées",
                   "PartiesIndividuellesJouées",
                   "IndividuelAbandon",
                   "Stats",
                   "Stats2",
                   "Stats3",
                   "Jour",
                   "LaDate",
                   "Heure",
                   "CoupInfo",
                   "Coup1",
                   "Coup2",
                   "Nom",
                   "Personnages",
                   "Tirage_No",
                   "TotalDés",
                   "TotalFigure"};

// Where the layout puts a control in the window, in pixels: a held control's
// place is counted from its holder's.
QRect designRect(ControlModel& model, const Control& c, int depth = 0) {
    const ControlDesign& d = c.design();
    const QRect r(toPixels(d.left), toPixels(d.top), toPixels(d.width), toPixels(d.height));
    const Control* holder = d.container.empty() || depth > 8 ? nullptr : model.find(d.container);
    return holder ? r.translated(designRect(model, *holder, depth + 1).topLeft()) : r;
}

bool named(const Control& c, Names names) {
    for (const char* name : names) {
        if (c.name() == name) return true;
    }
    return false;
}

// Only the cells that take a result belong to the drawn sheet; the others
// are never shown.
bool onSheet(const Control& c) { return c.name() != "Cases" || sheet::isScoringCell(c.index()); }

// The design-time bounds of the named controls that KEEP accepts. Controls
// parked outside the window until they are needed do not count.
template <typename Keep>
QRect boundsOf(ControlModel& model, Names names, Keep keep) {
    const QRect window(0, 0, kWindowWidth, kWindowHeight);
    QRect bounds;
    for (const Control& c : model.controls()) {
        if (!named(c, names) || !keep(c)) continue;
        const QRect r = designRect(model, c);
        if (r.intersects(window)) bounds = bounds.united(r);
    }
    return bounds;
}

QRect boundsOf(ControlModel& model, Names names) {
    return boundsOf(model, names, [](const Control&) { return true; });
}

// Only what shows from the start counts: the items of the dice menu open
// above the bar, over the sheet, and do not belong to it.
bool shownAtStart(const Control& c) { return c.design().visible; }

// A column from its heading down to its last figure: the sheet's controls
// that stand at the column's left.
QRect columnBounds(ControlModel& model, int column) {
    const SheetGeometry g = sheetGeometry();
    const int left = px(g.left + column * g.columnStep);
    return boundsOf(model, {"InfosJeu", "Cases"},
                    [left](const Control& c) { return c.design().left == left && onSheet(c); });
}

std::vector<QRect> diceSpots(ControlModel& model) {
    std::vector<QRect> spots;
    for (const Control& c : model.controls()) {
        if (c.name() == "NégocieDés") spots.push_back(designRect(model, c));
    }
    return spots;
}

QColor panelColor(ControlModel& model) {
    const Control* first = model.find("Premier");
    return first ? toQColor(first->design().backcolor) : QColor(240, 236, 220);
}

void softShadow(QPainter& p, const QRect& r, qreal radius) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 70, 40, 10));
    for (int i = 1; i <= 6; ++i) {
        p.drawRoundedRect(QRectF(r).adjusted(-i + 2, -i + 4, i + 2, i + 4), radius + i, radius + i);
    }
}

void card(QPainter& p, const QRect& r, const QColor& fill, const QColor& edge, qreal radius) {
    softShadow(p, r, radius);
    p.setPen(QPen(edge, 1));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
}

}  // namespace

WindowBackground::WindowBackground(ControlModel& model)
    : sheet_(boundsOf(model, kSheet, onSheet).adjusted(-12, -14, 12, 12)),
      tray_(boundsOf(model, kTray).adjusted(0, -10, 0, 4)),
      panel_(boundsOf(model, kPanel).adjusted(0, -6, 0, 10)),
      tools_(boundsOf(model, kTools, shownAtStart).adjusted(-8, -8, 8, 8)),
      spots_(diceSpots(model)),
      panelColor_(panelColor(model)) {
    // The tray and the panel make one column of the same width.
    const int left = std::min(tray_.left(), panel_.left()) - 10;
    const int right = std::max(tray_.right(), panel_.right()) + 10;
    for (QRect* r : {&tray_, &panel_}) {
        r->setLeft(left);
        r->setRight(right);
    }
    for (int c = 1; c < sheet::kColumns; c += 2) bands_.push_back(columnBounds(model, c));
}

QImage WindowBackground::picture(QSize size, qreal pixelRatio) const {
    QImage image(size * pixelRatio, QImage::Format_RGB32);  // opaque: the paper covers it all
    image.setDevicePixelRatio(pixelRatio);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    render(painter, size);
    return image;
}

void WindowBackground::prepare(QSize size, qreal pixelRatio) {
    prepared_ = std::async(std::launch::async, [this, size, pixelRatio] { return picture(size, pixelRatio); });
}

void WindowBackground::paint(QPainter& p, const QRect& exposed, QSize size, qreal pixelRatio) {
    const QSize device = size * pixelRatio;
    if (cache_.size() != device) {
        cache_ = prepared_.valid() ? prepared_.get() : QImage();
        if (cache_.size() != device) cache_ = picture(size, pixelRatio);  // another screen since
    }
    p.drawImage(exposed, cache_,
                 QRectF(QPointF(exposed.topLeft()) * pixelRatio, QSizeF(exposed.size()) * pixelRatio));
}

void WindowBackground::render(QPainter& p, QSize size) const {
    paintPaper(p, size);
    paintSheet(p);
    paintTray(p);
    paintPanel(p);
    paintTools(p);
}

void WindowBackground::paintPaper(QPainter& p, QSize size) const {
    QLinearGradient paper(0, 0, 0, size.height());
    paper.setColorAt(0, QColor(236, 229, 211));
    paper.setColorAt(1, QColor(222, 212, 189));
    p.fillRect(QRect(QPoint(0, 0), size), paper);

    // The grain of the paper: faint fibres, the same on every start.
    quint32 seed = 0x2545F491u;
    const auto next = [&seed] {
        seed ^= seed << 13;
        seed ^= seed >> 17;
        seed ^= seed << 5;
        return seed;
    };
    const int fibres = size.width() * size.height() / 300;
    for (int i = 0; i < fibres; ++i) {
        const qreal x = next() % static_cast<quint32>(std::max(1, size.width()));
        const qreal y = next() % static_cast<quint32>(std::max(1, size.height()));
        const bool dark = next() % 2;
        const qreal length = 2 + next() % 5;
        p.setPen(QPen(dark ? QColor(150, 125, 85, 16) : QColor(255, 255, 250, 30), 1));
        p.drawLine(QPointF(x, y), QPointF(x + length, y + (next() % 3) - 1.0));
    }
    // A light from above, the corners a shade darker.
    QRadialGradient light(size.width() * 0.45, size.height() * 0.3, std::max(size.width(), size.height()) * 0.8);
    light.setColorAt(0, QColor(255, 250, 236, 40));
    light.setColorAt(0.6, QColor(255, 250, 236, 0));
    light.setColorAt(1, QColor(90, 70, 40, 40));
    p.fillRect(QRect(QPoint(0, 0), size), light);
}

void WindowBackground::paintSheet(QPainter& p) const {
    card(p, sheet_, QColor(255, 254, 249), QColor(200, 188, 162), 10);
    // Every other column lies on a faint blue band, so the eye follows a
    // column down the sheet.
    const int gap = sheetGeometry().columnStep - sheetGeometry().cellWidth;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(232, 239, 248));
    for (const QRect& band : bands_) p.drawRoundedRect(band.adjusted(-gap, -gap, gap, gap), 5, 5);
}

void WindowBackground::paintTray(QPainter& p) const {
    constexpr qreal kRadius = 12;
    softShadow(p, tray_, kRadius);
    QLinearGradient felt(0, tray_.top(), 0, tray_.bottom());
    felt.setColorAt(0, QColor(64, 128, 90));
    felt.setColorAt(1, QColor(46, 104, 72));
    p.setPen(QPen(QColor(34, 78, 54), 2));
    p.setBrush(felt);
    p.drawRoundedRect(QRectF(tray_).adjusted(1, 1, -1, -1), kRadius, kRadius);
    p.setPen(QPen(QColor(255, 255, 255, 40), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(tray_).adjusted(4.5, 4.5, -4.5, -4.5), kRadius - 3, kRadius - 3);

    // Where the dice will land, so the empty tray already reads as one.
    p.setPen(QPen(QColor(255, 255, 255, 70), 1.5, Qt::DashLine));
    p.setBrush(QColor(255, 255, 255, 16));
    for (const QRect& spot : spots_) p.drawRoundedRect(QRectF(spot).adjusted(1.5, 1.5, -1.5, -1.5), 7, 7);
}

void WindowBackground::paintTools(QPainter& p) const {
    // A shelf a shade darker than the paper, so the tools read as one bar.
    if (tools_.isEmpty()) return;
    card(p, tools_, QColor(214, 203, 178), QColor(190, 176, 146), 10);
}

void WindowBackground::paintPanel(QPainter& p) const {
    // The panel's texts sit on its own colour, so they melt into the card.
    card(p, panel_, panelColor_, QColor(200, 188, 162), 8);
}

}  // namespace dravonelle
