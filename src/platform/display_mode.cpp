#include "platform/display_mode.h"

#include <algorithm>
#include <cstdint>

namespace dravonelle {
namespace {

int sur16Bits(int v) {
    return std::clamp(v, static_cast<int>(INT16_MIN), static_cast<int>(INT16_MAX));
}

}  // namespace

DisplayMode modeSur16Bits(const DisplayMode& m) {
    return {sur16Bits(m.width), sur16Bits(m.height), sur16Bits(m.depth), sur16Bits(m.rate)};
}

ChangementMode planChangeModeEcran(const DisplayMode& enregistrement, const DisplayMode& courant, int largeur,
                                   int hauteur, int couleurs, int fréquence) {
    ChangementMode plan{"", true, enregistrement};
    // A resolution counts as given only with both its width and its height.
    const bool résolution = largeur != 0 && hauteur != 0;
    const bool aucun = largeur == 0 && hauteur == 0 && couleurs == 0 && fréquence == 0;
    if (aucun) {
        plan.appliqué = false;
    } else if (résolution && couleurs == 0 && fréquence == 0) {
        plan.genre = "ChangeResol";
        plan.enregistrement = {largeur, hauteur, courant.depth, courant.rate};
    } else if (largeur == 0 && hauteur == 0 && couleurs != 0 && fréquence == 0) {
        plan.genre = "ChangeColor";
        plan.enregistrement = {courant.width, courant.height, couleurs, courant.rate};
    } else if (largeur == 0 && hauteur == 0 && couleurs == 0 && fréquence != 0) {
        plan.genre = "ChangeFreq";
        plan.enregistrement = {courant.width, courant.height, courant.depth, fréquence};
    } else if (résolution && couleurs != 0 && fréquence != 0) {
        plan.genre = "ChangeAll";
        plan.enregistrement = {largeur, hauteur, couleurs, fréquence};
    }
    // Any other mix goes to the platform with the record as it stands.
    return plan;
}

void ModuleModeEcran::LitModeOrigine() {
    Enregistrement = modeSur16Bits(écran_.current());
    ModeOrigine = Enregistrement;
}

void ModuleModeEcran::ChangeModeEcran(int largeur, int hauteur, int couleurs, int fréquence) {
    const ChangementMode plan =
        planChangeModeEcran(Enregistrement, ModeCourant, largeur, hauteur, couleurs, fréquence);
    if (!plan.appliqué) return;
    Enregistrement = plan.enregistrement;
    if (!plan.genre.empty()) NoteModeEcran(largeur, hauteur, couleurs, fréquence, plan.genre);
    // A mode the screen refuses leaves it as it is: the game runs in it.
    écran_.change(Enregistrement);
}

void ModuleModeEcran::RestaureModeEcran() {
    ChangeModeEcran(ModeOrigine.width, ModeOrigine.height, ModeOrigine.depth, ModeOrigine.rate);
}

void ModuleModeEcran::NoteModeEcran(int largeur, int hauteur, int couleurs, int fréquence, const std::string& genre) {
    if (genre == "ChangeResol" || genre == "ChangeAll") {
        ModeCourant.width = largeur;
        ModeCourant.height = hauteur;
    }
    if (genre == "ChangeColor" || genre == "ChangeAll") ModeCourant.depth = couleurs;
    if (genre == "ChangeFreq" || genre == "ChangeAll") ModeCourant.rate = fréquence;
}

}  // namespace dravonelle
