// The Qt window against the control model, offscreen: pointer and keys
// reach the game as events, and what the game changes reaches the screen.
#include "qt/main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QTest>
#include <algorithm>
#include <memory>
#include <set>

#include "qt/control_style.h"
#include "qt/control_widget.h"
#include "qt/qt_platform.h"
#include "window/window_layout.h"

namespace dravonelle {
namespace {

bool same(const Event& a, const Event& b) {
    return a.kind == b.kind && a.name == b.name && a.index == b.index && a.key == b.key &&
           a.letter == b.letter;
}

class WindowTest : public ::testing::Test {
protected:
    WindowTest() {
        buildMainWindow(model);
        window = std::make_unique<MainWindow>(model, [this](const Event& e) {
            heard.push_back(e);
            if (game) game(e);
        });
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    ControlWidget& widget(const std::string& name, int index = -1) {
        return *window->widgetOf(model.at(name, index).id());
    }

    bool heardEvent(const Event& e) const {
        return std::any_of(heard.begin(), heard.end(), [&e](const Event& h) { return same(h, e); });
    }

    static void sendMove(QWidget& target, QPoint at) {
        QMouseEvent move(QEvent::MouseMove, at, target.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&target, &move);
    }

    ControlModel model;
    std::vector<Event> heard;
    std::function<void(const Event&)> game;  // what the game does with an event
    std::unique_ptr<MainWindow> window;
};

TEST_F(WindowTest, IsTheFixedSizeWindowOfTheGame) {
    EXPECT_EQ(window->size(), QSize(1024, 768));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Dravonelle"));
    EXPECT_EQ(widget("Cases", 35).geometry(), pixelRect(model.at("Cases", 35)));
    EXPECT_TRUE(widget("NégocieDés", 0).isHidden());
}

// Clicks, pointer moves, keys and the close request reach the game as its
// events, named by control and index.
TEST_F(WindowTest, WhatThePlayerDoesReachesTheGame) {
    QTest::mouseClick(&widget("Cases", 35), Qt::LeftButton);
    EXPECT_TRUE(heardEvent(Event::click("Cases", 35)));

    // The window system sends the second press of a double click as a
    // double-click event: both count.
    QTest::mouseClick(&widget("Ok"), Qt::LeftButton);
    QTest::mouseDClick(&widget("Ok"), Qt::LeftButton);
    EXPECT_EQ(
        std::count_if(heard.begin(), heard.end(), [](const Event& e) { return same(e, Event::click("Ok")); }),
        2);

    sendMove(widget("ChoixDés", 2), {5, 5});
    sendMove(*window, {1010, 760});
    EXPECT_TRUE(heardEvent(Event::move("ChoixDés", 2)));
    EXPECT_TRUE(heardEvent(Event::move("JeuYam")));

    QTest::keyClick(window.get(), Qt::Key_W);
    QTest::keyClick(window.get(), Qt::Key_Space);
    QTest::keyClick(window.get(), Qt::Key_Return);
    EXPECT_TRUE(heardEvent(Event::keyPress(Key::Letter, 'W')));
    EXPECT_TRUE(heardEvent(Event::keyPress(Key::Space)));
    EXPECT_TRUE(heardEvent(Event::keyPress(Key::Return)));

    window->close();
    EXPECT_TRUE(heardEvent(Event::close()));
}

TEST_F(WindowTest, WhatTheGameChangesShowsAfterTheEvent) {
    game = [this](const Event& e) {
        if (e.kind != EventKind::Click || e.name != "Ok") return;
        model.at("Totaux", 15).setCaption("245");
        model.at("Ok").setLeft(px(30));
        model.at("Cases", 35).hide();
    };
    ControlWidget& total = widget("Totaux", 15);
    const QImage before = total.grab().toImage();
    QTest::mouseClick(&widget("Ok"), Qt::LeftButton);
    EXPECT_NE(total.grab().toImage(), before);
    EXPECT_EQ(widget("Ok").x(), 30);
    EXPECT_TRUE(widget("Cases", 35).isHidden());
}

TEST(Containers, HoldTheirControlsInPlaceAndHideThemWithThem) {
    ControlModel model;
    ControlDesign box;
    box.kind = ControlKind::PictureBox;
    box.left = px(100), box.top = px(200), box.width = px(300), box.height = px(100);
    model.add("Boîte", box);
    ControlDesign held = box;
    held.kind = ControlKind::ImageButton;
    held.left = px(10), held.top = px(20), held.width = px(40), held.height = px(40);
    held.container = "Boîte";
    const Control& inside = model.add("Dedans", held);

    MainWindow window(model, [&model](const Event&) { model.at("Boîte").hide(); });
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ControlWidget& w = *window.widgetOf(inside.id());
    EXPECT_EQ(w.mapTo(&window, QPoint(0, 0)), QPoint(110, 220));
    EXPECT_TRUE(w.isVisible());

    QTest::mouseClick(&w, Qt::LeftButton);
    EXPECT_FALSE(w.isVisible());
}

TEST(AutoSize, MeasuresCaptionsWithTheWindowFonts) {
    ControlModel model;
    buildMainWindow(model);
    Control& bubble = model.at("Infos");
    bubble.setCaption("Court");
    const int narrow = measureCaption(bubble);
    bubble.setCaption("Un texte nettement plus long que le premier");
    EXPECT_GT(measureCaption(bubble), narrow);
    EXPECT_GT(narrow, 0);
}

// Every caption the layout gives a label or a button is read whole on
// screen in the window's own fonts: no word cut off at an edge, no second
// line lost below the box.
TEST(Layout, CaptionsFitTheirBoxes) {
    ControlModel model;
    buildMainWindow(model);
    for (const Control& c : model.controls()) {
        const ControlDesign& d = c.design();
        if (d.caption.empty() || d.autosize) continue;
        const QString text = QString::fromStdString(d.caption);
        const QFontMetrics metrics(fontOf(c));
        const QRect box = pixelRect(c);
        if (c.kind() == ControlKind::Label) {
            const int margin = d.align == Align::Center ? 0 : 3;
            const QRect inside = box.adjusted(margin, 0, -margin, 0);
            const QRect needed = metrics.boundingRect(inside, Qt::TextWordWrap, text);
            EXPECT_LE(needed.height(), inside.height()) << c.label() << " \"" << d.caption << "\"";
            EXPECT_LE(metrics.horizontalAdvance(text.trimmed().split(' ').first()), inside.width())
                << c.label();
        } else if (c.kind() == ControlKind::CommandButton || c.kind() == ControlKind::ImageButton) {
            EXPECT_LE(metrics.horizontalAdvance(text), box.width())
                << c.label() << " \"" << d.caption << "\"";
        }
    }
}

// The tool bar lines up under the score sheet, from its row headings to no
// further than its last column, and below its total.
TEST(Layout, TheToolBarStandsUnderTheSheet) {
    ControlModel model;
    buildMainWindow(model);
    QRect sheet;
    for (const Control& c : model.controls()) {
        if (c.name() == "InfosJeu" || c.name() == "TitreTotal" || c.name() == "Totaux") sheet |= pixelRect(c);
    }
    QRect tools;
    for (const char* name :
         {"Aides", "Sons", "Animation", "Verrou", "Paramètres", "Score", "Règles", "Iconify", "Halte"}) {
        tools |= pixelRect(model.at(name));
    }
    tools |= pixelRect(model.at("MenuDés", 0));
    EXPECT_EQ(tools.left(), sheet.left());
    EXPECT_LE(tools.right(), sheet.right());
    EXPECT_GT(tools.top(), sheet.bottom() + 12);  // clear of the sheet's card
    EXPECT_LE(tools.bottom(), kWindowHeight - 12);
}

TEST(Clock, NamesTheDayInFrench) {
    QtClock clock;
    const std::set<std::string> days{"lundi", "mardi", "mercredi", "jeudi", "vendredi", "samedi", "dimanche"};
    EXPECT_TRUE(days.count(clock.weekdayName()));
    EXPECT_EQ(clock.timeText().size(), 8u);
}

}  // namespace
}  // namespace dravonelle
