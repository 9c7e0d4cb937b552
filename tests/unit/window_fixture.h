// A main window on the scripted platform, for tests of the core.
#pragma once

#include <sstream>

#include "ui/controls/control_model.h"
#include "ui/jeu_yam.h"
#include "ui/scripted_platform.h"

namespace dravonelle {

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
};

}  // namespace dravonelle
