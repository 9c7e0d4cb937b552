#include "qt/control_style.h"

#include <QFontMetrics>
#include <QString>
#include <algorithm>
#include <cmath>

#include "window/window_layout.h"

namespace dravonelle {

int toPixels(int twips) { return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel)); }

int toTwips(int pixels) { return pixels * kTwipsPerPixel; }

QRect pixelRect(const Control& c) {
    return {toPixels(c.left()), toPixels(c.top()), toPixels(c.width()), toPixels(c.height())};
}

QColor toQColor(Color c) { return {c.r, c.g, c.b}; }

QFont fontOf(const Control& c) {
    QFont font(QString::fromStdString(c.design().font));
    // A point is 96/72 pixels on the window the layout was drawn for.
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(c.fontsize() * 96.0 / 72.0))));
    font.setBold(c.design().bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

int measureCaption(const Control& c) {
    // A little air on each side, as the bubble's text would crowd its edges.
    constexpr int kPadding = 6;
    const QFontMetrics metrics(fontOf(c));
    return toTwips(metrics.horizontalAdvance(QString::fromStdString(c.caption())) + kPadding);
}

}  // namespace dravonelle
