// A main window on the scripted platform, for tests that set the game's
// fields by hand and read what the window shows.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "window/controls/control_model.h"
#include "window/jeu_yam.h"
#include "platform/scripted_platform.h"

namespace dravonelle {

struct WindowFixture {
    std::ostringstream out;
    ScriptedPlatform scripted{out, "/nonexistent"};  // a folder that does not exist: nothing is written
    Platform platform = scripted.platform();
    ControlModel model;
    JeuYam jeu{model, platform};

    void move(const std::string& name, int index = -1) { jeu.handle(Event::move(name, index)); }
};

// A turn under way: the way of playing, the turn and the throw.
inline void turn(JeuYam& j, int mode, int tirage, int jet) {
    j.partie.ModeTirage = mode;
    j.partie.NuméroTirage = tirage;
    j.partie.NuméroJet = jet;
    j.partie.JetDuRésultat = jet;
    j.partie.PartieEnCours = true;
}

}  // namespace dravonelle
