// The consent window offscreen: the game's consent controls drawn by
// ControlWidgets in a window of the form's size and caption; clicks reach
// the game; the form hidden by the game hides the window; the window
// manager's close is a refusal.
#include "qt/consent_window.h"

#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QTest>
#include <memory>
#include <vector>

#include "qt/control_style.h"
#include "qt/control_widget.h"
#include "window/window_layout.h"

namespace dravonelle {
namespace {

class ConsentWindowTest : public ::testing::Test {
protected:
    ConsentWindowTest() {
        buildConsentForm(model);
        model.at("AfficheForm").show();
        model.takeChanges();
        window = std::make_unique<ConsentWindow>(model, [this](const Event& e) {
            heard.push_back(e);
            if (game) game(e);
        });
        window->showCentred();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    bool heardClick(const std::string& name) const {
        for (const Event& e : heard)
            if (e.kind == EventKind::Click && e.name == name) return true;
        return false;
    }

    ControlModel model;
    std::vector<Event> heard;
    std::function<void(const Event&)> game;
    std::unique_ptr<ConsentWindow> window;
};

TEST_F(ConsentWindowTest, IsTheFormWithItsControls) {
    const Control& form = model.at("AfficheForm");
    EXPECT_EQ(window->size(), pixelRect(form).size());
    EXPECT_EQ(window->windowTitle(), QString::fromStdString(form.caption()));
    for (const char* name : {"LogoFondPic", "LogoWeb", "Label1", "Label2", "OkOuiCmd", "OkNonCmd"}) {
        ControlWidget* w = window->widgetOf(name);
        ASSERT_NE(w, nullptr) << name;
        EXPECT_TRUE(w->isVisible()) << name;
    }
    EXPECT_EQ(window->widgetOf("AfficheForm"), nullptr);  // the window itself
    // The logo page sits in its background picture.
    EXPECT_EQ(window->widgetOf("LogoWeb")->parentWidget(), window->widgetOf("LogoFondPic"));
    EXPECT_EQ(window->widgetOf("OkOuiCmd")->geometry(), pixelRect(model.at("OkOuiCmd")));
}

TEST_F(ConsentWindowTest, ClicksReachTheGameAndTheAnswerHidesTheWindow) {
    game = [this](const Event& e) {
        if (e.name == "OkOuiCmd") model.at("AfficheForm").hide();
    };
    QTest::mouseClick(window->widgetOf("Label1"), Qt::LeftButton);
    EXPECT_TRUE(heardClick("Label1"));
    EXPECT_TRUE(window->isVisible());
    QTest::mouseClick(window->widgetOf("OkOuiCmd"), Qt::LeftButton);
    EXPECT_TRUE(heardClick("OkOuiCmd"));
    EXPECT_FALSE(window->isVisible());
}

TEST_F(ConsentWindowTest, ClosingTheWindowRefuses) {
    window->close();
    EXPECT_TRUE(heardClick("OkNonCmd"));
    EXPECT_FALSE(heardClick("OkOuiCmd"));
}

TEST_F(ConsentWindowTest, ClosingAfterTheAnswerSaysNothingMore) {
    model.at("AfficheForm").hide();
    window->sync();
    EXPECT_FALSE(window->isVisible());
    QCloseEvent close;
    QCoreApplication::sendEvent(window.get(), &close);
    EXPECT_FALSE(heardClick("OkNonCmd"));
}

}  // namespace
}  // namespace dravonelle
