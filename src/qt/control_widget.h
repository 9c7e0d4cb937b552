// One control of the game on screen: draws itself from the control model and
// reports the pointer to the window. It never takes Qt's keyboard focus; the
// window keeps it and the model says which control holds the game's focus.
#pragma once

#include "qt/layer.h"

#include <QWidget>
#include <functional>
#include <optional>

#include "window/controls/control.h"
#include "window/event.h"

namespace dravonelle {

class PictureStore;

class ControlWidget : public QWidget {
    Q_OBJECT

public:
    using Forward = std::function<void(const Event&)>;

    ControlWidget(const Control& control, PictureStore& pictures, Forward forward, QWidget* parent);

    const Control& control() const { return control_; }

    // Takes the control's current state: place, size, visibility, and a
    // repaint for the rest.
    void refresh();

    // While a die grows or shrinks, the widget is drawn at FRAME (window
    // pixels, relative to its parent) whatever the model says; an empty
    // frame keeps it out of sight. nullopt gives the model its say again.
    void setAnimatedFrame(std::optional<QRect> frame);

    // The window is shown at ZOOM times its size (below 1 on a screen
    // smaller than the window): the widget's place and all it paints are
    // scaled, while the model and the animations keep counting in window
    // pixels. Qt's own scaling cannot go below 1 (QPainter never scales a
    // device down), hence this.
    void setZoom(qreal zoom);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void paintLabel(QPainter& p) const;
    void paintPicture(QPainter& p) const;
    void paintShape(QPainter& p) const;
    void paintButton(QPainter& p) const;
    void paintPanel(QPainter& p) const;
    void paintCaption(QPainter& p, const QRect& box, int flags) const;
    void paintFocusRing(QPainter& p) const;
    QColor textColor() const;
    // R, in window pixels, on the screen at the zoom.
    QRect zoomed(const QRect& r) const;
    // The widget's rectangle in window pixels, as everything is painted.
    QRect area() const;

    const Control& control_;
    PictureStore& pictures_;
    Forward forward_;
    std::optional<QRect> animatedFrame_;
    QRect place_;  // in window pixels, relative to the parent
    qreal zoom_ = 1;
};

}  // namespace dravonelle
