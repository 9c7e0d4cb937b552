// The large dice growing as they land and shrinking as they are taken back,
// played by the event loop in real time: the window keeps answering while a
// die moves, and a throw looks the same on a slow machine and a fast one.
//
// The game has already put every die in its final state before asking; only
// the widget's drawn size moves, and each die ends where the model puts it.
// Dice asked for together play one after the other, in the order asked, as
// the throw lays them down from left to right.
#pragma once

#include "qt/layer.h"

#include <QPointer>
#include <QRect>
#include <QVariantAnimation>
#include <deque>
#include <optional>

#include "platform/platform.h"
#include "qt/control_widget.h"

namespace dravonelle {

class MainWindow;

class DiceAnimator : public Animator {
public:
    // How long one die takes to grow or shrink: a throw of five lasts half a
    // second, short enough never to hold the player up.
    static constexpr int kDieMilliseconds = 100;

    DiceAnimator();

    // The window whose widgets are drawn; until then nothing is animated.
    void attach(MainWindow* window) { window_ = window; }

    void animate(int controlId, Animation kind) override;
    bool busy() override;

private:
    struct Move {
        QPointer<ControlWidget> widget;
        Animation kind;
        QRect home;  // the model's place when the move was asked for
    };

    void startNext();
    void step(double progress);
    void finish();

    MainWindow* window_ = nullptr;
    QVariantAnimation clock_;
    std::deque<Move> waiting_;
    std::optional<Move> playing_;
};

}  // namespace dravonelle
