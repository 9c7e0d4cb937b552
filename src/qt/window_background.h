// What the window draws beneath its controls: the paper, the score sheet's
// card with its column bands, the dice tray and the information card. The
// cells and texts themselves are controls; this only makes them read as a
// sheet, a tray, a panel and a tool bar.
#pragma once

#include "qt/layer.h"

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <future>
#include <QRect>
#include <QSize>
#include <vector>

#include "window/controls/control_model.h"

class QPainter;

namespace dravonelle {

class WindowBackground {
public:
    // Each area is found from where the layout puts its controls, so the
    // drawing follows any change of the layout.
    explicit WindowBackground(ControlModel& model);

    // Starts making the picture of a window of SIZE at PIXELRATIO on another
    // thread, while the window builds its controls and is shown: the first
    // paint then finds it made.
    void prepare(QSize size, qreal pixelRatio);

    // Draws the part EXPOSED of a window of SIZE, from a picture made once
    // per screen resolution.
    void paint(QPainter& p, const QRect& exposed, QSize size, qreal pixelRatio);


private:
    void render(QPainter& p, QSize size) const;
    QImage picture(QSize size, qreal pixelRatio) const;
    void paintPaper(QPainter& p, QSize size) const;
    void paintSheet(QPainter& p) const;
    void paintTray(QPainter& p) const;
    void paintPanel(QPainter& p) const;
    void paintTools(QPainter& p) const;

    QRect sheet_, tray_, panel_, tools_;
    std::vector<QRect> bands_;  // the tinted columns of the sheet
    std::vector<QRect> spots_;  // where the big dice land
    QColor panelColor_;         // that of the panel's own texts
    QImage cache_;  // drawn as it is: the window's backing store is an image too
    std::future<QImage> prepared_;  // reads only what the constructor set
};

}  // namespace dravonelle
