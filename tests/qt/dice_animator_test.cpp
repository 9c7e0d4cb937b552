// The dice animations in the Qt window, offscreen: a die moves in time while
// the window goes on, the animator says it is busy meanwhile, and every die
// ends exactly where the model puts it.
#include "qt/dice_animator.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>
#include <memory>
#include <sstream>

#include "window/jeu_yam.h"
#include "qt/control_style.h"
#include "qt/main_window.h"
#include "platform/scripted_platform.h"
#include "window/window_layout.h"

namespace dravonelle {
namespace {

// Lets the event loop run until the animator is done; false if it never is.
bool settle(DiceAnimator& animator) {
    QElapsedTimer waited;
    waited.start();
    while (animator.busy()) {
        if (waited.elapsed() > 10000) return false;
        QTest::qWait(5);
    }
    QTest::qWait(5);
    return true;
}

class DiceAnimatorTest : public ::testing::Test {
protected:
    DiceAnimatorTest() {
        buildMainWindow(model);
        window = std::make_unique<MainWindow>(model, [this](const Event& e) {
            if (game) game(e);
        });
        animator.attach(window.get());
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    Control& die(int i) { return model.at("NégocieDés", i); }
    ControlWidget& widget(int i) { return *window->widgetOf(die(i).id()); }

    // The game's side of a throw: the die's final state first, then the
    // animation.
    void land(int i) {
        die(i).show();
        die(i).copyPicture(model.at("GrosDésImage", 10 + i + 1));
        animator.animate(die(i).id(), Animation::Grow);
    }

    ControlModel model;
    DiceAnimator animator;
    std::function<void(const Event&)> game;
    std::unique_ptr<MainWindow> window;
};

TEST_F(DiceAnimatorTest, AShrinkingDieStaysInSightUntilItsEndThenHides) {
    die(1).show();
    window->sync();
    game = [this](const Event&) {
        // As the game does: ask for the shrink, then hide the die at once.
        animator.animate(die(1).id(), Animation::Shrink);
        die(1).hide();
    };
    window->forward(Event::keyPress(Key::Letter, 'X'));
    EXPECT_TRUE(animator.busy());
    EXPECT_TRUE(widget(1).isVisible());

    ASSERT_TRUE(settle(animator));
    EXPECT_FALSE(widget(1).isVisible());
    EXPECT_EQ(widget(1).geometry(), pixelRect(die(1)));
}

TEST_F(DiceAnimatorTest, DiceOfOneThrowLandOneAfterTheOther) {
    game = [this](const Event&) {
        for (int i = 0; i < 5; ++i) land(i);
    };
    window->forward(Event::click("Ok"));
    EXPECT_TRUE(animator.busy());
    // The first die grows from its corner; the last is not on the tray yet.
    EXPECT_TRUE(widget(0).isVisible());
    EXPECT_LT(widget(0).width(), pixelRect(die(0)).width());
    EXPECT_EQ(widget(0).pos(), pixelRect(die(0)).topLeft());
    EXPECT_FALSE(widget(4).isVisible());

    // Whatever the machine's load, every die ends down in its full place.
    ASSERT_TRUE(settle(animator));
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(widget(i).geometry(), pixelRect(die(i))) << "die " << i;
        EXPECT_TRUE(widget(i).isVisible()) << "die " << i;
    }
}

TEST_F(DiceAnimatorTest, ModelChangesDuringAMoveShowOnceItEnds) {
    game = [this](const Event&) { land(3); };
    window->forward(Event::click("Ok"));
    ASSERT_TRUE(animator.busy());
    // A new game puts the dice away while the die still grows.
    die(3).hide();
    window->sync();
    ASSERT_TRUE(settle(animator));
    EXPECT_FALSE(widget(3).isVisible());
}

// The game on the window with these animations: a press of OK or a die's key
// while the dice still land does nothing, and the throw ends with every die
// in place.
TEST(DiceAnimatorInGame, NoThrowOrHoldStartsWhileTheDiceLand) {
    std::ostringstream out;
    ScriptedPlatform scripted{out, "/nonexistent"};
    DiceAnimator animator;
    Platform scriptedServices = scripted.platform();
    Platform services{
        scriptedServices.clock,   scriptedServices.dice,    scriptedServices.sound, scriptedServices.dialogs,
        scriptedServices.display, scriptedServices.network, scriptedServices.web,   animator,
        scriptedServices.process, scriptedServices.files};
    ControlModel model;
    JeuYam jeu{model, services};
    jeu.ModeTirage = 1;  // "1 tirage", as a click on its button chooses
    MainWindow window(model, [&jeu](const Event& e) { jeu.handle(e); });
    animator.attach(&window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    window.forward(Event::click("Ok"));
    ASSERT_EQ(jeu.NuméroJet, 1);
    ASSERT_TRUE(animator.busy());
    window.forward(Event::keyPress(Key::Letter, 'W'));
    window.forward(Event::click("Ok"));
    EXPECT_EQ(jeu.NuméroJet, 1);
    EXPECT_TRUE(jeu.DésGardés[0]);

    ASSERT_TRUE(settle(animator));
    for (int i = 0; i < 5; ++i) {
        const Control& d = model.at("NégocieDés", i);
        EXPECT_EQ(window.widgetOf(d.id())->geometry(), pixelRect(d)) << "die " << i;
        EXPECT_TRUE(window.widgetOf(d.id())->isVisible()) << "die " << i;
    }
    // Once they are down, the keys take the dice again.
    window.forward(Event::keyPress(Key::Letter, 'W'));
    EXPECT_FALSE(jeu.DésGardés[0]);
}

}  // namespace
}  // namespace dravonelle
