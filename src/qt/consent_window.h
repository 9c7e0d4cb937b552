// The consent window in Qt: the controls of the game's second control
// model (`AfficheForm`, its logo page, two labels and two buttons) drawn by
// the same ControlWidgets as the game's window, in a small window of their
// own, centred on the screen. Clicks go to the game; the window manager's
// close counts as "Je ne suis pas d'accord".
#pragma once

#include "qt/layer.h"

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "window/controls/control_model.h"
#include "window/event.h"
#include "qt/picture_store.h"

namespace dravonelle {

class ControlWidget;

class ConsentWindow : public QWidget {
    Q_OBJECT

public:
    using EventSink = std::function<void(const Event&)>;

    // The name of the control that is the window itself, and of the refusal.
    static constexpr const char* kFormName = "AfficheForm";
    static constexpr const char* kRefusalName = "OkNonCmd";

    // MODEL holds the consent window's controls; SINK is the game's handler.
    ConsentWindow(ControlModel& model, EventSink sink, QWidget* parent = nullptr);

    // Hands EVENT to the game, then brings the window in step with it.
    void forward(const Event& event);

    // Takes the controls the game changed and updates their widgets; the
    // window itself follows `AfficheForm`'s visibility, caption and size.
    void sync();

    // Shows the window in the middle of its screen's free area.
    void showCentred();

    ControlWidget* widgetOf(const std::string& name) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void takeForm();

    ControlModel& model_;
    EventSink sink_;
    PictureStore pictures_;
    std::vector<ControlWidget*> widgets_;  // by control id
};

}  // namespace dravonelle
