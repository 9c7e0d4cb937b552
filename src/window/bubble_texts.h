// The info bubble's texts for the zones that only show something: headings,
// totals, clock, counters, the dice lights and letters, and the background's
// announcements. Pure: they take the numbers the window holds.
#pragma once

#include "window/layer.h"

#include <string>

namespace dravonelle {

// Ours to word: what the background says during a game when it has no
// guidance to give.
inline constexpr const char* kCrédit = " Dravonelle, créé en 2026 par l'équipe Dravonelle ";

// The sheet headings InfosJeu(0..20): columns, then rows, then the total.
std::string texteInfosJeu(int index);

// The total cells Totaux(0..15): three per column, then the grand total.
std::string texteTotaux(int index);

// Tirage_No: the turn number and how many turns are left after it.
std::string texteTirageNo(int tirage, int mode);

// Lettres(0..9): the key of the die above, for the large and the small dice.
std::string texteLettre(int index);

// FeuxDés(0..4): what the next OK does with that die.
std::string texteFeu(bool gardé);

std::string texteCoupInfo(int mode);
std::string texteSommeDés(int somme);

// The background's red greeting of a new game; empty before a way of
// playing is chosen, since no game can start then.
std::string texteNouvellePartie(int mode);

// The news of a finished game by its rank (0 when it did not enter).
std::string texteRang(int rang);
// The end of a game played with the advisor's help.
inline constexpr const char* kTexteAssistée =
    " Partie conseillée : elle compte aux statistiques, pas au Ranking. Pour rejouer, cliquez sur votre personnage ";

// Coup1 and Coup2: the way of playing under the pointer, chosen or not, locked
// or not.
std::string texteCoup(int mode, bool choisi, bool verrouillé);

}  // namespace dravonelle
