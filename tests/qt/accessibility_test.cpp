// The window as a screen reader walks it, offscreen: every control the player
// can see is in the tree with a role and a name, the helpers are not; held
// dice and cells say their state; the bubble's news and the focus are told.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QTemporaryDir>
#include <QTest>
#include <map>
#include <sstream>

#include "platform/scripted_platform.h"
#include "qt/accessible_control.h"
#include "qt/control_widget.h"
#include "qt/main_window.h"
#include "window/accessible_texts.h"
#include "window/jeu_yam.h"

namespace dravonelle {
namespace {

// The game after its first throw, in a window a screen reader can walk.
struct SpokenGame {
    SpokenGame() {
        for (int face : {1, 1, 3, 4, 6}) scripted.queueFace(face);
        installAccessibility(game);
        game.partie.ModeTirage = 1;
        window.show();
        window.forward(Event::click("Ok"));
    }
    ~SpokenGame() { removeAccessibility(); }

    QAccessibleInterface* of(const std::string& name, int index = -1) {
        return QAccessible::queryAccessibleInterface(window.widgetOf(model.at(name, index).id()));
    }

    QTemporaryDir folder;
    std::ostringstream printed;
    ScriptedPlatform scripted{printed, folder.path().toStdString()};
    Platform platform = scripted.platform();
    ControlModel model;
    JeuYam game{model, platform};
    MainWindow window{model, [this](const Event& e) { game.handle(e); }};
};

void walk(QAccessibleInterface* iface, std::map<QObject*, QAccessibleInterface*>& seen) {
    seen[iface->object()] = iface;
    for (int i = 0; i < iface->childCount(); ++i) walk(iface->child(i), seen);
}

TEST(Accessibility, EveryControlThePlayerSeesIsInTheTreeByRoleAndName) {
    SpokenGame g;
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&g.window);
    ASSERT_TRUE(root);
    EXPECT_EQ(root->role(), QAccessible::Window);
    EXPECT_EQ(root->text(QAccessible::Name), QStringLiteral("Dravonelle"));
    std::map<QObject*, QAccessibleInterface*> seen;
    walk(root, seen);

    std::vector<std::string> missing, silent, exposedHelpers;
    int exposed = 0;
    for (const Control& c : g.model.controls()) {
        ControlWidget* w = g.window.widgetOf(c.id());
        if (!w) continue;
        const AccessibleText t = accessibleText(g.game, c);
        auto it = seen.find(w);
        if (t.role == AccessibleRole::None) {
            if (it != seen.end()) exposedHelpers.push_back(c.label());
            continue;
        }
        if (!t.shown || !w->isVisible()) continue;
        ++exposed;
        if (it == seen.end()) {
            missing.push_back(c.label());
        } else if (it->second->role() == QAccessible::NoRole || it->second->text(QAccessible::Name).isEmpty() ||
                   it->second->text(QAccessible::Name).toStdString() != t.name) {
            silent.push_back(c.label() + " \"" + it->second->text(QAccessible::Name).toStdString() + "\"");
        }
    }
    const auto list = [](const std::vector<std::string>& v) {
        std::string s;
        for (const std::string& x : v) s += x + " ";
        return s;
    };
    EXPECT_GT(exposed, 100);
    EXPECT_TRUE(missing.empty()) << "not in the tree: " << list(missing);
    EXPECT_TRUE(silent.empty()) << "no role or no name: " << list(silent);
    EXPECT_TRUE(exposedHelpers.empty()) << "helpers in the tree: " << list(exposedHelpers);

    const auto named = [&g](const std::string& control, int index = -1) {
        return g.of(control, index)->text(QAccessible::Name).toStdString();
    };
    EXPECT_EQ(named("Cases", 2 * 16 + sheet::Full), "Libre, Full");
    EXPECT_EQ(named("Cases", 2), "Descente, 3");
    EXPECT_EQ(named("Ok"), "OK, 1er jet");
    EXPECT_EQ(named("ChoixDés", 2), "Dé 3 : 3, gardé");
    EXPECT_EQ(g.of("Sons")->role(), QAccessible::Button);
    EXPECT_EQ(named("Sons"), "Sons : activés");
}

TEST(Accessibility, HeldDiceAndCellsSayTheirState) {
    SpokenGame g;
    QAccessibleInterface* die = g.of("ChoixDés", 0);
    // Thrown dice stay on the table, kept, until the player takes one back.
    EXPECT_TRUE(die->state().checkable);
    EXPECT_TRUE(die->state().checked);
    g.window.forward(Event::keyPress(Key::Letter, 'W'));
    EXPECT_FALSE(die->state().checked);
    EXPECT_EQ(die->text(QAccessible::Name), QStringLiteral("Dé 1 : 1"));

    // Two aces written in Libre's first row; then a crossed cell and an
    // empty one, as their captions say.
    QAccessibleInterface* as = g.of("Cases", 32);
    EXPECT_EQ(as->text(QAccessible::Value), QStringLiteral("vide"));
    g.window.forward(Event::click("Cases", 32));
    EXPECT_EQ(as->text(QAccessible::Value).toStdString(), std::to_string(g.model.at("Cases", 32).number()));
    g.model.at("Cases", 32).setCaption("XXX");
    EXPECT_EQ(as->text(QAccessible::Value), QStringLiteral("barrée"));
    EXPECT_TRUE(g.of("Ok")->state().disabled == !g.model.at("Ok").enabled());
}

TEST(Accessibility, TheBubbleAndTheFocusAreTold) {
    SpokenGame g;
    static std::vector<std::pair<QAccessible::Event, QObject*>> told;
    told.clear();
    listenToAccessibility([](QAccessibleEvent& e) { told.emplace_back(e.type(), e.object()); });
    const auto heard = [](QAccessible::Event type, QWidget* w) {
        return std::find(told.begin(), told.end(), std::pair<QAccessible::Event, QObject*>(type, w)) != told.end();
    };
    QWidget* bubble = g.window.widgetOf(g.model.at("Infos").id());
    QWidget* ok = g.window.widgetOf(g.model.at("Ok").id());

    g.model.at("Ok").setFocus();
    g.window.sync();
    g.window.forward(Event::move("Nom"));
    EXPECT_TRUE(heard(QAccessible::NameChanged, bubble));
    EXPECT_TRUE(heard(QAccessible::Alert, bubble));
    QAccessibleInterface* live = QAccessible::queryAccessibleInterface(bubble);
    EXPECT_EQ(live->role(), QAccessible::StatusBar);
    EXPECT_EQ(live->text(QAccessible::Name), QStringLiteral("Nom du joueur"));

    // What the bubble said over a control stays its description, also once
    // the pointer has gone elsewhere.
    g.window.forward(Event::move("Ok"));
    const QString overOk = live->text(QAccessible::Name);
    g.window.forward(Event::move("InfosJeu", 0));
    EXPECT_EQ(g.of("Ok")->text(QAccessible::Description), overOk);
    EXPECT_EQ(g.of("Nom")->text(QAccessible::Description), QStringLiteral("Nom du joueur"));

    told.clear();
    g.model.at("Sons").setFocus();
    g.window.sync();
    EXPECT_TRUE(g.of("Sons")->state().focused);
    EXPECT_TRUE(heard(QAccessible::Focus, g.window.widgetOf(g.model.at("Sons").id())));
    EXPECT_TRUE(heard(QAccessible::StateChanged, ok));
    listenToAccessibility(nullptr);
}

}  // namespace
}  // namespace dravonelle
