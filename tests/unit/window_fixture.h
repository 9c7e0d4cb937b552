// A main window on the scripted platform, for tests of the core, and what
// the tests of its bubble share.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include "window/controls/control_model.h"
#include "window/jeu_yam.h"
#include "platform/scripted_platform.h"

namespace dravonelle {

// A text the bubble shows before a test moves the pointer, to tell a zone
// that keeps silent from one that speaks.
inline constexpr const char* kAvant = " Le texte d'avant ";

struct WindowFixture {
    std::ostringstream out;
    ScriptedPlatform scripted{out, "/nonexistent"};
    Platform platform = scripted.platform();
    ControlModel model;
    JeuYam jeu{model, platform};

    bool closed(int k) const { return jeu.CaseFermée[static_cast<std::size_t>(k)]; }
    void write(int cell, const std::string& text) { jeu.Cases(cell).setCaption(text); }
    std::string total(int i) { return jeu.Totaux(i).caption(); }
    // The information panel shown, as the saved set-up or the Score button
    // leaves it; it starts hidden.
    void showInformationPanel() {
        const int mode = jeu.ModeTirage;
        if (mode == 0) jeu.ModeTirage = 1;
        if (!jeu.Premier.visible()) jeu.AfficheScore();
        jeu.ModeTirage = mode;
    }

    void move(const std::string& name, int index = -1) { jeu.handle(Event::move(name, index)); }
    const std::string& shown() { return jeu.Infos.caption(); }
    // Whether the bubble label was touched since the last look.
    bool redrawn() {
        const std::vector<int> changed = model.takeChanges();
        return std::find(changed.begin(), changed.end(), jeu.Infos.id()) != changed.end();
    }
    void showBefore(const std::string& text) {
        jeu.MessageBulle = text;
        jeu.AfficheMessage();
        model.takeChanges();
    }
};

// A turn under way: the way of playing, the turn and the throw.
inline void turn(JeuYam& j, int mode, int tirage, int jet) {
    j.ModeTirage = mode;
    j.NuméroTirage = tirage;
    j.NuméroJet = jet;
    j.JetDuRésultat = jet;
    j.PartieEnCours = true;
}

// The two values a cell of Maxi, Egal or Mini may take, offered on the
// buttons 81 and 82.
inline void twoValues(JeuYam& j, const char* a, const char* b) {
    j.Cases(81).setCaption(a);
    j.Cases(82).setCaption(b);
    j.Cases(81).show();
    j.Cases(82).show();
}

inline void fermée(JeuYam& j, int k, const char* text) {
    j.CaseFermée[static_cast<std::size_t>(k)] = true;
    j.Cases(k).setCaption(text);
}

// A state of the game and what the bubble says over a zone in it.
struct Said {
    const char* what;
    std::function<void(JeuYam&)> state;
    std::string text;
};

// Each state is set on a fresh window showing kAvant with 1 1 1 4 6 on the
// table, then the pointer moves over the zone once. A zone that speaks
// speaks in yellow, the colour of what can be clicked.
inline void expectSaid(const char* zone, int index, std::initializer_list<Said> cases) {
    for (const Said& s : cases) {
        SCOPED_TRACE(std::string(zone) + " " + std::to_string(index) + ": " + s.what);
        WindowFixture w;
        w.jeu.Dés = {1, 1, 1, 4, 6};
        w.showBefore(kAvant);
        s.state(w.jeu);
        w.model.at(zone, index).show();
        w.move(zone, index);
        EXPECT_EQ(w.shown(), s.text);
        if (s.text != kAvant && !s.text.empty()) {
            EXPECT_EQ(w.jeu.Infos.backcolor(), colors::activeZone);
        }
    }
}

}  // namespace dravonelle
