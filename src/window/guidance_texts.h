// The guidance the bubble gives over the zones of the turn (OK, the dice, the
// window background, the sheet): texts that follow where the turn stands.
#pragma once

#include "window/layer.h"

#include <string>

namespace dravonelle {

class JeuYam;

inline constexpr const char* kTexteCroix =
    " Cliquez sur la croix pour marquer 0 sinon cliquez sur OK pour le tirage suivant ";
inline constexpr const char* kTexteDeuxièmeJetImpossible = " 2ème jet impossible. Sélectionnez une case ";
inline constexpr const char* kTexteSélection2èmeTirage =
    " Sélection détectée et enregistrée ! Cliquez pour le 2ème tirage ";
inline constexpr const char* kTexteTirage2èmeTirage =
    " Tirage détecté et enregistré ! Cliquez pour le 2ème tirage ";

// After the third throw: take the first draw back, or choose a cell.
std::string texteTroisièmeJet(const JeuYam& jeu);

// Both draws of a "2 tirages" turn are recorded and wait for the player;
// empty when they do not.
std::string texteChoixEnAttente(const JeuYam& jeu);

// The cell the game chose by itself near the end of a game, and what OK does
// next; empty when the game chose nothing. `deuxièmeTirage` is the wording,
// after an announced cell, of the draw that opens the second draw of a turn.
std::string texteChoixAuto(const JeuYam& jeu, const char* deuxièmeTirage);

// Only the Sèche and Annonce cells are left and no cell is announced: the
// first throw is the only one.
bool deuxièmeJetImpossible(const JeuYam& jeu);

// Over a die, once the two-value choice and the cross are out of the way.
std::string texteDé(const JeuYam& jeu, int index);

}  // namespace dravonelle
