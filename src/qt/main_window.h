// The game's window in Qt: one widget per control of the model, drawn in
// the model's order, and every window event handed to the game as an Event.
// After each event it repaints only the controls the game changed.
#pragma once

#include "qt/layer.h"

#include <QWidget>
#include <functional>
#include <map>
#include <vector>

#include "window/controls/control_model.h"
#include "window/event.h"
#include "qt/picture_store.h"
#include "qt/window_background.h"

class QScreen;
class QTimer;

namespace dravonelle {

class ControlWidget;

class MainWindow : public QWidget {
    Q_OBJECT

public:
    using EventSink = std::function<void(const Event&)>;

    // The model must already hold the window's controls.
    MainWindow(ControlModel& model, EventSink sink, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Hands EVENT to the game, then brings the screen in step with it.
    void forward(const Event& event);

    // Takes the controls the game changed since the last look and updates
    // their widgets: also for changes made outside an event, as at start-up
    // or before a dialog opens.
    void sync();

    // The widget of a control, nullptr for a timer.
    ControlWidget* widgetOf(int id) const;

    // Shows the window at ZOOM times its size, its controls with it (see
    // ControlWidget::setZoom and qt/screen_fit.h).
    void setZoom(qreal zoom);
    qreal zoom() const { return zoom_; }

    // From now on the window fits its screen: zoomed down on a screen
    // smaller than 1024 × 768, and again whenever the screen's size or
    // free area changes (a display mode switched, another screen).
    void fitToScreen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void placeInContainers();
    void addTimer(const Control& c);
    void refreshTimer(const Control& c);
    bool handleKey(QKeyEvent* event);
    bool closeAgreed() const;
    void fit();
    void followScreen(QScreen* screen);

    ControlModel& model_;
    EventSink sink_;
    PictureStore pictures_;
    WindowBackground background_;
    std::vector<ControlWidget*> widgets_;  // by control id
    std::map<int, QTimer*> timers_;        // by control id
    qreal zoom_ = 1;
    bool fitting_ = false;               // fitToScreen() was asked
    QMetaObject::Connection screenSize_, screenArea_, windowScreen_;
};

}  // namespace dravonelle
