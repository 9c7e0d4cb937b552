// The consent window: a screen of fewer than 768 lines is switched to
// 1024 × 768 only once the player agrees, and the game does not run without
// that consent.
#include "window/jeu_yam.h"

namespace dravonelle {

bool JeuYam::DemandeResolution() {
    modeEcran_.LitModeOrigine();
    // Where the mode cannot be switched, every screen counts as large enough.
    if (!platform_.display.canSwitch() || modeEcran_.ModeOrigine.height >= 768) return true;
    platform_.web.navigate("LogoWeb", PageLocale());
    consentement_.at("AfficheForm").show();
    return false;
}

void JeuYam::OkOuiCmd_Click() {
    consentement_.at("AfficheForm").hide();
    modeEcran_.ChangeModeEcran(1024, 768, modeEcran_.ModeOrigine.depth, modeEcran_.ModeOrigine.rate);
    Démarre();
}

// Nothing was changed yet, so nothing is put back.
void JeuYam::OkNonCmd_Click() { platform_.process.exit(); }

}  // namespace dravonelle
